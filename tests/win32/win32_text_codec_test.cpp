// Code page 932 through the system's tables: faithful text converts, the rest is refused.
#include <gtest/gtest.h>

#include "platform/win32/win32_text_codec.h"

namespace tess::testing {
namespace {

struct CodecCase {
    const char* label;
    std::string utf8;
    bool converts;
    std::string ansi;  // when it converts
};

class Win32CodecTest : public ::testing::TestWithParam<CodecCase> {
protected:
    win32::Win32TextCodec codec;
};

TEST_P(Win32CodecTest, ConvertsOnlyFaithfully) {
    const CodecCase& c = GetParam();
    auto r = codec.ToAnsi(c.utf8);
    ASSERT_EQ(r.ok(), c.converts) << (r.ok() ? *r : r.error().message);
    if (c.converts) {
        EXPECT_EQ(*r, c.ansi);
        EXPECT_EQ(codec.FromAnsi(*r), c.utf8);
    } else {
        EXPECT_FALSE(r.error().message.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Win32CodecTest,
    ::testing::Values(
        CodecCase{"ascii", "C:\\work\\guide.html", true, "C:\\work\\guide.html"},
        CodecCase{"empty", "", true, ""},
        CodecCase{"japanese", "日本語", true, "\x93\xFA\x96\x7B\x8C\xEA"},
        CodecCase{"halfwidth_katakana", "ｼｽﾃﾑ", true, "\xBC\xBD\xC3\xD1"},
        CodecCase{"fullwidth_tilde", "\xEF\xBD\x9E", true, "\x81\x60"},
        CodecCase{"fullwidth_hyphen_minus", "\xEF\xBC\x8D", true, "\x81\x7C"},
        CodecCase{"parallel_to", "\xE2\x88\xA5", true, "\x81\x61"},
        // Held only by a best-fit substitute, which would name another file.
        CodecCase{"wave_dash", "\xE3\x80\x9C", false, ""},
        CodecCase{"double_vertical_line", "\xE2\x80\x96", false, ""},
        CodecCase{"minus_sign", "\xE2\x88\x92", false, ""},
        CodecCase{"e_acute", "caf\xC3\xA9", false, ""},
        CodecCase{"emoji", "\xF0\x9F\x98\x80", false, ""},
        CodecCase{"hangul", "\xED\x95\x9C", false, ""},
        CodecCase{"broken_utf8", "\xE6\x97", false, ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Win32CodecMessage, NamesTheCharacterAtFault) {
    win32::Win32TextCodec codec;
    auto r = codec.ToAnsi("C:\\資料\\caf\xC3\xA9.html");
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.error().message.find("U+00E9"), std::string::npos) << r.error().message;
}

TEST(Win32CodecMessage, BytesOfTheCodePageComeBackAsText) {
    win32::Win32TextCodec codec;
    EXPECT_EQ(codec.FromAnsi("\x83\x65\x83\x58\x83\x67"), "テスト");
}

}  // namespace
}  // namespace tess::testing
