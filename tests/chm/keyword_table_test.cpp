// The binary index's keywords held compactly: one per distinct levels, each topic once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chm/keyword_table.h"
#include "chm/writer.h"

namespace {

using Levels = std::vector<std::string>;

TEST(KeywordTable, OneKeywordPerLevelsEachTopicOnceAndAllSurviveAMove) {
    chm::KeywordTable table;
    const std::string long_level(300, 'x');  // its length takes two bytes
    const std::vector<Levels> levels = {{"a"}, {"a", "b"}, {"a, b"}, {long_level, "b"}, {"b"}};
    for (size_t k = 0; k < levels.size(); ++k) EXPECT_EQ(table.Add(levels[k]), k) << levels[k].back();
    // Topics past the few looked through one by one are kept in a set.
    for (int i = 0; i < 60; ++i) table.Link(1, "/p" + std::to_string(i % 25) + ".htm");
    table.Link(2, "/p3.htm");
    table.Link(2, "p3.htm");  // another name: the writer, not the table, knows them the same
    table.SetSeeAlso(4, "a");

    chm::KeywordTable moved = std::move(table);
    for (size_t k = 0; k < levels.size(); ++k) EXPECT_EQ(moved.Add(levels[k]), k);
    moved.StopAdding();
    ASSERT_EQ(moved.size(), levels.size());
    for (uint32_t k = 0; k < levels.size(); ++k) {
        const auto got = moved.LevelsOf(k);
        EXPECT_EQ(Levels(got.begin(), got.end()), levels[k]);
    }
    const auto topics = moved.TopicsOf(1);
    ASSERT_EQ(topics.size(), 25u);
    for (uint32_t i = 0; i < topics.size(); ++i) EXPECT_EQ(moved.topic_names()[topics[i]], "/p" + std::to_string(i) + ".htm");
    EXPECT_EQ(moved.TopicsOf(2), (std::vector<uint32_t>{3, 25}));
    EXPECT_EQ(moved.topic_names().size(), 26u);
    EXPECT_TRUE(moved.TopicsOf(0).empty());
    EXPECT_EQ(moved.SeeAlsoOf(4), "a");
    EXPECT_EQ(moved.SeeAlsoOf(3), "");

    // A plain list keeps its first order and merges keywords of the same levels.
    auto of = chm::KeywordTable::Of({{{"z"}, {"/a.htm"}}, {{}, {"/b.htm"}}, {{"y"}, {}, "z"}, {{"z"}, {"/b.htm", "/a.htm"}}});
    ASSERT_EQ(of.size(), 2u);
    EXPECT_EQ(of.LevelsOf(1).front(), "y");
    EXPECT_EQ(of.TopicsOf(0).size(), 2u);
}

}  // namespace
