// hhc.exe's code page conversions on Windows: what the shared compiler relies on for page
// texts and titles, with the same answers the Linux side gives.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "hhc/code_page.h"

namespace tess::testing {
namespace {

TEST(HhcCodePage, DecodesAndEncodesWithTheAnswersTheCompilerReliesOn) {
    struct Case {
        const char* what;
        uint32_t code_page;
        std::string bytes;                // in the code page
        std::optional<std::string> utf8;  // decoded; nothing when the code page is unknown
        bool encodes_back;                // the UTF-8 text comes back to `bytes`
    };
    const Case cases[] = {
        {"Japanese in 932", 932, "\x93\xfa\x96\x7b\x8c\xea", "日本語", true},
        {"half-width katakana in 932", 932, "\xb6\xc5", "ｶﾅ", true},
        {"a lone lead byte at the end", 932, "a\x82", "a\xef\xbf\xbd", false},
        {"an undefined byte in 932", 932, "\xa0z", "\xef\xbf\xbdz", false},
        {"Latin in 1252", 1252, "Gr\xfc\xdf" "e \x80", "Grüße €", true},
        {"UTF-16 little-endian", 1200, std::string("A\0\x87\x65", 4), "A文", true},
        {"UTF-16 big-endian", 1201, std::string("\0A\x65\x87", 4), "A文", true},
        {"UTF-16 cut short", 1200, std::string("A\0B", 3), "A\xef\xbf\xbd", false},
        {"UTF-8", 65001, "日本", "日本", true},
        {"an unknown code page", 4242, "abc", std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(hhc::DecodeCodePage(c.bytes, c.code_page), c.utf8);
        if (c.encodes_back) {
            EXPECT_EQ(hhc::EncodeCodePage(*c.utf8, c.code_page), c.bytes);
        }
    }
}

TEST(HhcCodePage, TextWithoutAFaithfulFormIsRefused) {
    // No substitute "?" and no best-fit look-alike: "é" has no 932 form, the wave dash only a
    // look-alike there, "日" no 1252 form; broken UTF-8 has no form anywhere.
    EXPECT_EQ(hhc::EncodeCodePage("caf\xc3\xa9", 932), std::nullopt);
    EXPECT_EQ(hhc::EncodeCodePage("\xe3\x80\x9c", 932), std::nullopt);
    EXPECT_EQ(hhc::EncodeCodePage("日", 1252), std::nullopt);
    EXPECT_EQ(hhc::EncodeCodePage("\xc3", 1252), std::nullopt);
    EXPECT_EQ(hhc::EncodeCodePage("", 932), std::string());
}

}  // namespace
}  // namespace tess::testing
