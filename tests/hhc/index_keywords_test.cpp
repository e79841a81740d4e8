// Keywords of the binary index: an index file's tree and those pages carry.
#include <gtest/gtest.h>

#include "hhc/index_keywords.h"

namespace {

using Levels = std::vector<std::vector<std::string>>;

struct PageCase {
    std::string page;
    Levels keywords;
};

class PageKeywordsCase : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageKeywordsCase, Found) { EXPECT_EQ(hhc::PageKeywords(GetParam().page), GetParam().keywords); }

constexpr const char* kObject = "<OBJECT type=\"application/x-oleobject\" classid=\"CLSID:1E2A7BD0-DAB9-11D0-B93A-00C04FC99F9E\">";

INSTANTIATE_TEST_SUITE_P(
    Pages, PageKeywordsCase,
    ::testing::Values(PageCase{std::string(kObject) + "<param name=\"Keyword\" value=\"one; Two , sub ;;\"></OBJECT>",
                               {{"one"}, {"Two", "sub"}}},
                      PageCase{"<meta name=\"MS-HKWD\" content=\"&#x8272;, &#x8D64;\">", {{"\xE8\x89\xB2", "\xE8\xB5\xA4"}}},
                      // Another object's parameters and a keyword parameter outside any object are not keywords.
                      PageCase{"<object classid=\"clsid:other\"><param name=\"Keyword\" value=\"no\"></object>"
                               "<param name=\"Keyword\" value=\"no\">",
                               {}}));

TEST(IndexKeywords, IndexFileTreeAndPagesMergeByLevels) {
    std::string hhk =
        "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Colours\"><param name=\"Local\" "
        "value=\"a.htm\"></OBJECT><UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"red\">"
        "<param name=\"Local\" value=\"b.htm#x\"><param name=\"Local\" value=\"http://example.com/\"></OBJECT></UL>"
        "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Alone\"></OBJECT></UL>";
    std::vector<chm::InputFile> inputs = {
        {"/sub/keys.hhk", hhk, std::nullopt},
        {"/sub/a.htm", std::string(kObject) + "<param name=\"Keyword\" value=\"Colours, red; New, child\"></OBJECT>", "A"},
        {"/sub/b.htm", "<meta name=\"MS-HKWD\" content=\"Colours, red\">", "B"},
        {"/untitled.css", "<meta name=\"MS-HKWD\" content=\"css\">", std::nullopt},
    };
    auto keywords = hhc::IndexKeywords(inputs, "sub/keys.hhk", true);
    std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> got;
    for (const auto& k : keywords) got.push_back({k.levels, k.topics});
    decltype(got) want = {{{"Colours"}, {"/sub/a.htm"}},
                          {{"Colours", "red"}, {"/sub/b.htm", "/sub/a.htm"}},
                          {{"Alone"}, {}},
                          {{"New"}, {}},
                          {{"New", "child"}, {"/sub/a.htm"}}};
    EXPECT_EQ(got, want);
    EXPECT_EQ(hhc::IndexKeywords(inputs, "sub/keys.hhk", false).size(), 3u);
}

}  // namespace
