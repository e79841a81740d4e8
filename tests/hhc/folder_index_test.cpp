#include "hhc/folder_index.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_tree.h"

namespace {

// A name is found in its own spelling first, else in the first spelling, in byte order, that
// differs from it only in ASCII case; folders are matched the same way on the way down.
TEST(FolderIndex, FindsEachNameInItsOwnOrTheNearestSpelling) {
    hhc_test::TempTree t;
    for (const char* f : {"b.PNG", "B.png", "Docs/Intro.htm", "docs/intro.HTM", "Docs/Sub/x.css", "é.htm"}) t.Write(f, "x");
    std::filesystem::create_symlink(t.Path("Docs"), t.Path("linked"));
    hhc::FolderIndex index(t.Path(""));
    struct Case {
        const char* wanted;
        const char* found;  // nullptr: none
        bool through_link;
    };
    for (const Case& c : {Case{"b.PNG", "b.PNG", false}, Case{"b.png", "B.png", false}, Case{"B.PNG", "B.png", false},
                          Case{"DOCS/INTRO.htm", "Docs/Intro.htm", false}, Case{"docs/intro.HTM", "docs/intro.HTM", false},
                          Case{"docs/sub/X.CSS", nullptr, false}, Case{"DOCS/SUB/X.CSS", "Docs/Sub/x.css", false},
                          Case{"LINKED/sub/x.css", "linked/Sub/x.css", true}, Case{"É.htm", nullptr, false},
                          Case{"é.htm", "é.htm", false}, Case{"Docs", nullptr, false}, Case{"b.PNG/x", nullptr, false},
                          Case{"Docs//Intro.htm", nullptr, false}, Case{"c.png", nullptr, false}}) {
        auto found = index.Find(c.wanted);
        ASSERT_EQ(found.has_value(), c.found != nullptr) << c.wanted;
        if (!found) continue;
        EXPECT_EQ(found->path, c.found) << c.wanted;
        EXPECT_EQ(found->through_link, c.through_link) << c.wanted;
    }
}

}  // namespace
