// "#STRINGS": each text once, at the offset it was first given, none across a 4096-byte block.
#include <gtest/gtest.h>

#include <string>

#include "chm/system_files.h"

namespace {

TEST(StringTable, StoresEachTextOnceAndNoneAcrossABlock) {
    chm::StringTable strings;
    EXPECT_EQ(strings.Add(""), 0u);
    const uint32_t a = strings.Add("alpha");
    EXPECT_EQ(a, 1u);
    EXPECT_EQ(strings.Add("alph"), 7u);  // a prefix is a text of its own
    EXPECT_EQ(strings.Add(std::string("alpha")), a);
    // Texts that would run over a block's end start the next block; each is looked up where it is stored.
    std::vector<std::pair<std::string, uint32_t>> added;
    for (int i = 0; i < 400; ++i) {
        std::string text(static_cast<size_t>(7 + i * 13 % 60), static_cast<char>('a' + i % 26));
        text += std::to_string(i);
        const uint32_t at = strings.Add(text);
        EXPECT_EQ(at / 4096, (at + text.size()) / 4096) << text;
        EXPECT_EQ(strings.bytes().substr(at, text.size() + 1), text + '\0') << text;
        added.emplace_back(text, at);
    }
    for (const auto& [text, at] : added) EXPECT_EQ(strings.Add(text), at) << text;
    EXPECT_GT(strings.bytes().size(), 3 * 4096u);
}

}  // namespace
