#include "tools/hhc/text_encoding.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
    const char* name;
    std::string utf8;
    uint32_t code_page;
    std::string bytes;
};

class ToCodePage : public ::testing::TestWithParam<Conversion> {};

TEST_P(ToCodePage, GivesTheCodePagesFormOrAClosestOne) {
    EXPECT_EQ(hhc::ToCodePage(GetParam().utf8, GetParam().code_page), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, ToCodePage,
    ::testing::Values(
        Conversion{"Japanese", "日本語のページ", 932, "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x79\x81\x5B\x83\x57"},
        // The em dash has no form in code page 932; the horizontal bar stands in.
        Conversion{"EmDashIn932", "A\xE2\x80\x94" "B", 932, "A\x81\x5C" "B"},
        Conversion{"EmDashIn1252", "A\xE2\x80\x94" "B", 1252, "A\x97" "B"},
        Conversion{"AccentsIn932", "Caf\xC3\xA9 \xC3\x85", 932, "Cafe A"},
        Conversion{"AccentsIn1252", "Caf\xC3\xA9", 1252, "Caf\xE9"},
        Conversion{"JapaneseIn1252", "\xE6\x97\xA5 x", 1252, "? x"},
        Conversion{"NoFormAnywhere", "a\xF0\x9F\x98\x80" "b", 932, "a?b"},
        Conversion{"BrokenUtf8", "a\xFF" "b", 932, "a?b"},
        Conversion{"NoBreakSpace", "a\xC2\xA0" "b", 932, "a b"}),
    [](const auto& info) { return info.param.name; });

TEST(Charset, KnowsTheNamesPagesUse) {
    EXPECT_EQ(hhc::CodePageOfCharset("Shift_JIS"), 932u);
    EXPECT_EQ(hhc::CodePageOfCharset("x-sjis"), 932u);
    EXPECT_EQ(hhc::CodePageOfCharset("EUC-JP"), 20932u);
    EXPECT_EQ(hhc::CodePageOfCharset("UTF-8"), 65001u);
    EXPECT_EQ(hhc::CodePageOfCharset("iso-8859-1"), 1252u);
    EXPECT_EQ(hhc::CodePageOfCharset("klingon"), 0u);
}

}  // namespace
