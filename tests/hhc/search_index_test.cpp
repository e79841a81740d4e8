// The search index reads pages that are not held, once each, and stops at a read error.
#include "hhc/search_index.h"

#include <gtest/gtest.h>

namespace {

std::vector<chm::InputFile> Held() {
    return {{"/a.htm", "<html><title>Alpha</title><body>alpha beta</body></html>", "Alpha"},
            {"/s.css", "p { color: red }", std::nullopt},
            {"/b.htm", "<html><title>Beta</title><body>beta &amp; gamma</body></html>", "Beta"}};
}

TEST(SearchIndex, ReadsPagesNotHeldAsIfHeld) {
    auto held = hhc::BuildSearchIndex(true, 0x409, Held());
    ASSERT_TRUE(held && *held) << (held ? "" : held.error().message);

    int reads = 0;
    auto not_held = Held();
    for (auto& f : not_held) {
        f.read = [&reads, bytes = f.bytes, topic = f.title.has_value()]() -> tess::Result<std::string> {
            if (!topic) return tess::Error{"a file that is no topic was read"};
            ++reads;
            return bytes;
        };
        f.bytes.clear();
    }
    auto read = hhc::BuildSearchIndex(true, 0x409, not_held);
    ASSERT_TRUE(read && *read) << (read ? "" : read.error().message);
    EXPECT_EQ((*read)->fifti_main, (*held)->fifti_main);
    EXPECT_EQ(reads, 2);

    not_held[2].read = [] { return tess::Result<std::string>(tess::Error{"b.htm cannot be read: gone"}); };
    for (unsigned threads : {1u, 3u}) {
        auto failed = hhc::BuildSearchIndex(true, 0x409, not_held, {}, threads);
        ASSERT_FALSE(failed);
        EXPECT_EQ(failed.error().message, "b.htm cannot be read: gone");
    }
    auto threaded = hhc::BuildSearchIndex(true, 0x409, Held(), {}, 3);
    ASSERT_TRUE(threaded && *threaded);
    EXPECT_EQ((*threaded)->fifti_main, (*held)->fifti_main);
}

// Pages past the first batch keep their topic numbers, and an untitled page's title words
// stay out, on any number of threads.
TEST(SearchIndex, MakesTheSameIndexOnAnyNumberOfThreads) {
    std::vector<chm::InputFile> pages;
    for (int i = 0; i < 150; ++i)
        pages.push_back({"/p" + std::to_string(i) + ".htm",
                         "<html><body>word" + std::to_string(i % 17) + " shared</body></html>", "Page " + std::to_string(i)});
    const std::set<std::string> untitled = {"/p3.htm", "/p100.htm"};
    auto one = hhc::BuildSearchIndex(true, 0x409, pages, untitled, 1);
    auto three = hhc::BuildSearchIndex(true, 0x409, pages, untitled, 3);
    ASSERT_TRUE(one && *one && three && *three);
    EXPECT_EQ((*three)->fifti_main, (*one)->fifti_main);
}

}  // namespace
