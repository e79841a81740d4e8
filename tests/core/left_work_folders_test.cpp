#include "convert/left_work_folders.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_services.h"

namespace tess::testing {
namespace {

TEST(LeftWorkFolders, OnlyThoseNoLivingRunOwnsGo) {
    const struct {
        const char* name;
        FolderOwner owner;
        long long idle_s;
        bool removed;
    } cases[] = {
        {"convert-killed", FolderOwner::gone, 0, true},
        {"convert-running", FolderOwner::alive, 9 * kOwnerlessStaleS, false},
        {"convert-unreadable", FolderOwner::unknown, 9 * kOwnerlessStaleS, false},
        {"convert-older-version", FolderOwner::none, kOwnerlessStaleS, false},
        {"convert-older-version-stale", FolderOwner::none, kOwnerlessStaleS + 1, true},
        {"convert-own", FolderOwner::gone, 0, false},    // as when its hold could not be had
        {"convert-stuck", FolderOwner::gone, 0, false},  // left for a later run
        {"other-killed", FolderOwner::gone, 0, false},
        {"convert-running/convert-inner", FolderOwner::gone, 0, false},
    };
    const std::string cache = "/cache/Quillvane/";
    FakeFiles files;
    files.files[cache + "convert-killed/Dummy.hhp"] = "x";
    std::vector<std::string> expected;
    for (const auto& c : cases) {
        const std::string folder = cache + c.name + "/";
        files.folders.insert(folder);
        files.owners[folder] = c.owner;
        files.idle_s[folder] = c.idle_s;
        if (c.removed) expected.push_back(folder);
    }
    files.read_only_folders.insert(cache + "convert-stuck/");
    EXPECT_EQ(RemoveLeftWorkFolders(files, cache, cache + "convert-own/"), expected);
    for (const auto& c : cases) EXPECT_EQ(files.folders.count(cache + c.name + "/") == 0, c.removed) << c.name;
    EXPECT_TRUE(files.files.empty());
}

}  // namespace
}  // namespace tess::testing
