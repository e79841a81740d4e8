// Keywords of the binary index: an index file's tree and those pages carry.
#include <gtest/gtest.h>

#include <sstream>

#include "hhc/index_keywords.h"
#include "hhc/input_bytes.h"
#include "hhc/spilled_text.h"

namespace {

constexpr const char* kObject = "<OBJECT type=\"application/x-oleobject\" classid=\"CLSID:1E2A7BD0-DAB9-11D0-B93A-00C04FC99F9E\">";

TEST(IndexKeywords, PagesCarryThemInKeywordObjectsAndMetaTags) {
    using Levels = std::vector<std::vector<std::string>>;
    EXPECT_EQ(hhc::PageKeywords(std::string(kObject) + "<param name=\"Keyword\" value=\"one; Two , sub ;;\"></OBJECT>"),
              (Levels{{"one"}, {"Two", "sub"}}));
    EXPECT_EQ(hhc::PageKeywords("<meta name=\"MS-HKWD\" content=\"&#x8272;, &#x8D64;\">"),
              (Levels{{"\xE8\x89\xB2", "\xE8\xB5\xA4"}}));
    // Another object's parameters and a parameter outside any object are not keywords.
    EXPECT_EQ(hhc::PageKeywords("<object classid=\"x\"><param name=\"Keyword\" value=\"no\"></object><param name=\"Keyword\" value=\"no\">"),
              Levels{});
}

TEST(IndexKeywords, IndexFileTreeAndPagesMergeByLevels) {
    auto item = [](std::string params) { return "<LI><OBJECT type=\"text/sitemap\">" + params + "</OBJECT>"; };
    std::string hhk = "<UL>" + item("<param name=\"Name\" value=\"Colours\"><param name=\"Local\" value=\"a.htm\">") +
                      "<UL>" + item("<param name=\"Name\" value=\"red\"><param name=\"Local\" value=\"b.htm#x\">"
                                    "<param name=\"Local\" value=\"http://example.com/\">") +
                      "</UL>" + item("<param name=\"Name\" value=\"Colour\"><param name=\"See Also\" value=\"Colours\">") +
                      "</UL>";
    std::vector<chm::InputFile> inputs = {
        {"/sub/keys.hhk", hhk, std::nullopt},
        {"/sub/a.htm", std::string(kObject) + "<param name=\"Keyword\" value=\"Colours, red; New, child\"></OBJECT>", "A"},
        {"/sub/b.htm", "<meta name=\"MS-HKWD\" content=\"Colours, red\">", "B"},
        {"/style.css", "<meta name=\"MS-HKWD\" content=\"css\">", std::nullopt},
    };
    auto lines = [](const chm::KeywordTable& keywords) {
        std::vector<std::string> got;
        for (uint32_t k = 0; k < keywords.size(); ++k) {
            std::string see_also(keywords.SeeAlsoOf(k)), line = see_also.empty() ? "" : "see " + see_also;
            for (auto l : keywords.LevelsOf(k)) line = std::string(l) + "|" + line;
            for (auto t : keywords.TopicsOf(k)) line += " " + std::string(keywords.topic_names()[t]);
            got.push_back(line);
        }
        return got;
    };
    auto keywords = hhc::IndexKeywords(inputs, "sub/keys.hhk", true);
    ASSERT_TRUE(keywords);
    const std::vector<std::string> want = {"Colours| /sub/a.htm", "red|Colours| /sub/b.htm /sub/a.htm",
                                           "Colour|see Colours", "New|", "child|New| /sub/a.htm"};
    EXPECT_EQ(lines(*keywords), want);
    EXPECT_EQ(hhc::IndexKeywords(inputs, "sub/keys.hhk", false)->size(), 3u);
    // The same with the index file's text set aside in a work file and read back in pieces.
    auto spilled = hhc::SpilledText::Make(hhk, [] {
        return tess::Result<std::unique_ptr<std::iostream>>(std::make_unique<std::stringstream>());
    });
    ASSERT_TRUE(spilled);
    // The file itself is then stored from the work file, as a stream.
    inputs.front().bytes.clear();
    inputs.front().open = [s = *spilled]() -> tess::Result<std::shared_ptr<std::istream>> { return hhc::SpilledText::Stream(s); };
    EXPECT_EQ(hhc::BytesOf(inputs.front()).value(), hhk);
    auto from_pieces = hhc::IndexKeywords(inputs, "sub/keys.hhk", true, (*spilled)->Pieces(5));
    ASSERT_TRUE(from_pieces);
    EXPECT_EQ(lines(*from_pieces), want);
}

}  // namespace

TEST(IndexKeywords, AKeywordOfManyPagesNamesEachOnce) {
    std::vector<chm::InputFile> inputs;
    for (int i = 0; i < 40; ++i)
        inputs.push_back({"/p" + std::to_string(i % 20) + ".htm", "<meta name=\"MS-HKWD\" content=\"k\">", "T", {}});
    auto keywords = hhc::IndexKeywords(inputs, "", true);
    ASSERT_TRUE(keywords);
    ASSERT_EQ(keywords->size(), 1u);
    EXPECT_EQ(keywords->TopicsOf(0).size(), 20u);
}
