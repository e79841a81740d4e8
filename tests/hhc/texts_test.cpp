// Texts a page gives that cannot be stored as they are get a form that can be.
#include "hhc/stored_text.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace {

struct StoredCase {
    const char* what;
    std::string in;
    uint32_t code_page;
    size_t max_bytes;
    std::string out;
    bool changed;
};

class StoredTexts : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredTexts, FitAndKeepWholeCharacters) {
    const StoredCase& c = GetParam();
    bool changed = false;
    EXPECT_EQ(hhc::StoredText(c.in, c.code_page, changed, c.max_bytes), c.out) << c.what;
    EXPECT_EQ(changed, c.changed) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredTexts,
    ::testing::Values(StoredCase{"fits", "Title", 932, 5, "Title", false},
                      StoredCase{"zero bytes dropped", std::string("a\0b\0", 4), 1252, 10, "ab", true},
                      StoredCase{"cut", "abcdef", 1252, 4, "abcd", true},
                      // ア is 83 41: a cut between its bytes would leave a lone lead byte.
                      StoredCase{"cp932 pair at the cut", "ab\x83\x41", 932, 3, "ab", true},
                      StoredCase{"cp932 trail like ASCII", "\x83\x41\x83\x41", 932, 3, "\x83\x41", true},
                      StoredCase{"cp932 half-width kana", "\xB1\xB2\xB3", 932, 2, "\xB1\xB2", true},
                      StoredCase{"cp936 pair", "a\xC4\xE3", 936, 2, "a", true},
                      StoredCase{"UTF-8 sequence", "a\xE3\x81\x82", 65001, 3, "a", true},
                      StoredCase{"zero inside a pair's place", std::string("\x83\0\x41", 3), 932, 8, "\x83\x41", true}),
    [](const auto& info) { return tess_test::CaseName(info.param.what); });

TEST(StoredTexts, TitlesOfAnySizeFitTheSystemFile) {
    chm::Options options;
    options.title = std::string(70000, 'T') + '\0';
    std::vector<chm::InputFile> inputs = {{"/p.htm", "", std::string(0x10000, '\x83')}, {"/q.htm", "", "Q"}};
    std::vector<std::string> lines;
    hhc::MakeTextsStorable(options, inputs, 932, lines);
    EXPECT_EQ(options.title, std::string(hhc::kMaxStoredText, 'T'));
    EXPECT_EQ(inputs[0].title->size(), hhc::kMaxStoredText);
    EXPECT_EQ(*inputs[1].title, "Q");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find("p.htm"), std::string::npos) << lines[1];
}

}  // namespace
