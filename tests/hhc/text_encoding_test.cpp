#include "hhc/text_encoding.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
    const char* name;
    std::string utf8;
    uint32_t code_page;
    std::string bytes;
};

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

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
        Conversion{"NoBreakSpace", "a\xC2\xA0" "b", 932, "a b"},
        // A whole page: the parts around each missing character keep every byte.
        Conversion{"LongTextWithAFewMissing",
                   Repeat("\xE6\x97\xA5", 3001) + "\xE2\x80\x94" + Repeat("ab", 777) + "\xF0\x9F\x98\x80\xFF" + "z", 932,
                   Repeat("\x93\xFA", 3001) + "\x81\x5C" + Repeat("ab", 777) + "??z"}),
    [](const auto& info) { return info.param.name; });

// Names are looked up: exact or left as they are, never a near form.
// Each byte that starts no sequence is one U+FFFD; what is well formed is kept.
TEST(RepairedUtf8, ReplacesEachStrayByte) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""}, {"a\xE6\x97\xA5", "a\xE6\x97\xA5"}, {"\xFF", "\xEF\xBF\xBD"},
        {"\xE6\x97", "\xEF\xBF\xBD\xEF\xBF\xBD"},          // cut short at the end
        {"\xE6" "a\x97", "\xEF\xBF\xBD" "a\xEF\xBF\xBD"},   // a lead byte without its trail
        {"\xFC\xAD\xAD\xAD\xAD\xAD", Repeat("\xEF\xBF\xBD", 6)},  // the old six-byte form
    };
    for (const auto& [bytes, repaired] : cases) {
        EXPECT_EQ(hhc::RepairedUtf8(bytes), repaired);
        EXPECT_TRUE(hhc::IsValidUtf8(hhc::RepairedUtf8(bytes)));
    }
}

// Pages are read eight ASCII bytes at a time: what is not ASCII is found wherever it stands.
TEST(IsValidUtf8, FindsEveryByteOutsideAsciiAtAnyPlace) {
    for (size_t at = 0; at < 20; ++at) {
        std::string stray(20, 'a'), kanji = stray;
        stray[at] = '\xFF';
        kanji.replace(at, 1, "\xE6\x97\xA5");
        EXPECT_FALSE(hhc::IsValidUtf8(stray)) << at;
        EXPECT_FALSE(hhc::IsAscii(stray)) << at;
        EXPECT_TRUE(hhc::IsValidUtf8(kanji)) << at;
        EXPECT_FALSE(hhc::IsAscii(kanji)) << at;
        EXPECT_FALSE(hhc::IsValidUtf8(kanji.substr(0, at + 2))) << at;  // cut short
        EXPECT_TRUE(hhc::IsAscii(std::string(at, 'a')));
    }
    // ASCII text is taken as it stands where the converter keeps it so.
    std::string ascii(128, '\0');
    for (int c = 0; c < 128; ++c) ascii[c] = static_cast<char>(c);
    for (uint32_t code_page : {932u, 936u, 949u, 950u, 1252u, 1251u}) {
        EXPECT_TRUE(hhc::KeepsAscii(code_page)) << code_page;
        bool lost = true;
        EXPECT_EQ(hhc::ToCodePage(ascii, code_page, &lost), ascii) << code_page;
        EXPECT_FALSE(lost) << code_page;
        EXPECT_EQ(hhc::NameInCodePage("a b/c.htm", code_page), "a b/c.htm") << code_page;
    }
}

TEST(NameInCodePage, IsExactOrStaysUtf8) {
    EXPECT_EQ(hhc::NameInCodePage("画像/写真 1.png", 932), "\x89\xE6\x91\x9C/\x8E\xCA\x90\x5E 1.png");
    EXPECT_EQ(hhc::NameInCodePage("a\xE2\x80\x94.htm", 932), "a\xE2\x80\x94.htm");  // no em dash in 932
    EXPECT_EQ(hhc::NameInCodePage("\xE3\x80\x9C.htm", 932), "\xE3\x80\x9C.htm");    // wave dash reads back as U+FF5E
    EXPECT_EQ(hhc::NameInCodePage("caf\xC3\xA9.htm", 1252), "caf\xE9.htm");
}

TEST(Charset, KnowsTheNamesPagesUse) {
    EXPECT_EQ(hhc::CodePageOfCharset("Shift_JIS"), 932u);
    EXPECT_EQ(hhc::CodePageOfCharset("x-sjis"), 932u);
    EXPECT_EQ(hhc::CodePageOfCharset("EUC-JP"), 20932u);
    EXPECT_EQ(hhc::CodePageOfCharset("UTF-8"), 65001u);
    EXPECT_EQ(hhc::CodePageOfCharset("iso-8859-1"), 1252u);
    EXPECT_EQ(hhc::CodePageOfCharset("klingon"), 0u);
}

}  // namespace
