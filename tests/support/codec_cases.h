// Code page 932 texts that both code-page converters must treat alike: faithful ones convert
// both ways, the rest are refused with the first character at fault named.
#pragma once

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "platform/text_codec.h"

namespace tess::testing {

struct CodecCase {
    const char* name;
    std::string utf8;
    bool converts;
    std::string ansi;   // when it converts
    const char* named;  // when refused: the code point the message names, or nullptr
};

inline const CodecCase kCodecCases[] = {
    {"empty", "", true, "", nullptr},
    {"ascii", "C:\\work\\guide.html Language=0x411 ", true, "C:\\work\\guide.html Language=0x411 ", nullptr},
    {"japanese", "日本語", true, "\x93\xFA\x96\x7B\x8C\xEA", nullptr},
    {"japanese_path", "/home/ユーザー/my docs/説明.html", true,
     "/home/\x83\x86\x81\x5B\x83\x55\x81\x5B/my docs/\x90\xE0\x96\xBE.html", nullptr},
    // The trail byte 0x5C is the ASCII backslash: it must not split the pair.
    {"trail_byte_backslash", "表", true, "\x95\x5C", nullptr},
    {"halfwidth_katakana", "ｶﾅｼｽﾃﾑ", true, "\xB6\xC5\xBC\xBD\xC3\xD1", nullptr},
    // The one of each folded pair that survives the round trip.
    {"fullwidth_tilde", "～", true, "\x81\x60", nullptr},
    {"parallel_to", "∥", true, "\x81\x61", nullptr},
    {"fullwidth_hyphen_minus", "－", true, "\x81\x7C", nullptr},
    // Held only by a best-fit substitute or a folding, which would name another file.
    {"wave_dash", "/pages/波〜線.html", false, "", "U+301C"},
    {"double_vertical_line", "a‖b", false, "", "U+2016"},
    {"minus_sign", "−1", false, "", "U+2212"},
    {"e_acute", "C:\\資料\\caf\xC3\xA9.html", false, "", "U+00E9"},
    {"emoji", "emoji \xF0\x9F\x98\x80", false, "", "U+1F600"},
    {"hangul", "한국어", false, "", "U+D55C"},
    {"not_utf8", "\xFF\xFE", false, "", nullptr},
    {"cut_off_utf8", "\xE6\x97", false, "", nullptr},
};

// Names the case in test listings.
inline void PrintTo(const CodecCase& c, std::ostream* os) { *os << c.name; }

// Faithful text converts and comes back the same; the rest is refused with a plain message.
inline void CheckCodecCase(TextCodec& codec, const CodecCase& c) {
    auto ansi = codec.ToAnsi(c.utf8);
    ASSERT_EQ(ansi.ok(), c.converts) << (ansi.ok() ? *ansi : ansi.error().message);
    if (c.converts) {
        EXPECT_EQ(*ansi, c.ansi);
        EXPECT_EQ(codec.FromAnsi(*ansi), c.utf8);
    } else {
        EXPECT_FALSE(ansi.error().message.empty());
        if (c.named) {
            EXPECT_NE(ansi.error().message.find(c.named), std::string::npos) << ansi.error().message;
        }
    }
}

}  // namespace tess::testing
