#include "convert/left_work_folders.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_services.h"

namespace tess::testing {
namespace {

constexpr const char* kCache = "/cache/Quillvane/";

TEST(LeftWorkFolders, OnlyThoseNoLivingRunOwnsGo) {
    struct Case {
        const char* name;
        FolderOwner owner;
        long long idle_s;
        bool removed;
    };
    const Case cases[] = {
        {"convert-killed", FolderOwner::gone, 0, true},
        {"convert-running", FolderOwner::alive, 9 * kOwnerlessStaleS, false},
        {"convert-unreadable", FolderOwner::unknown, 9 * kOwnerlessStaleS, false},
        {"convert-older-version", FolderOwner::none, kOwnerlessStaleS, false},
        {"convert-older-version-stale", FolderOwner::none, kOwnerlessStaleS + 1, true},
        {"other-killed", FolderOwner::gone, 0, false},
    };
    FakeFiles files;
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        const std::string folder = kCache + std::string(c.name) + "/";
        files.folders.insert(folder);
        files.files[folder + "Dummy.hhp"] = "x";
        files.owners[folder] = c.owner;
        files.idle_s[folder] = c.idle_s;
        if (c.removed) expected.push_back(folder);
    }
    files.folders.insert(std::string(kCache) + "convert-running/convert-inner/");
    files.owners[std::string(kCache) + "convert-running/convert-inner/"] = FolderOwner::gone;

    EXPECT_EQ(RemoveLeftWorkFolders(files, kCache, ""), expected);
    for (const Case& c : cases) {
        const std::string folder = kCache + std::string(c.name) + "/";
        EXPECT_EQ(files.folders.count(folder) == 0, c.removed) << c.name;
        EXPECT_EQ(files.files.count(folder + "Dummy.hhp") == 0, c.removed) << c.name;
    }
}

TEST(LeftWorkFolders, TheRunsOwnFolderStaysAndAFailedRemovalIsLeftForLater) {
    FakeFiles files;
    const std::string own = std::string(kCache) + "convert-own/";
    const std::string stuck = std::string(kCache) + "convert-stuck/";
    for (const std::string& folder : {own, stuck}) ASSERT_TRUE(files.MakeFolders(folder));
    files.owners[own] = FolderOwner::gone;  // as when its hold could not be had
    files.owners[stuck] = FolderOwner::gone;
    files.read_only_folders.insert(stuck);
    EXPECT_TRUE(RemoveLeftWorkFolders(files, kCache, own).empty());
    EXPECT_TRUE(files.folders.count(own));

    auto hold = files.HoldFolder(own);
    ASSERT_TRUE(hold);
    EXPECT_EQ(files.OwnerOf(own), FolderOwner::alive);
    hold->reset();
    EXPECT_EQ(files.OwnerOf(own), FolderOwner::gone);
}

}  // namespace
}  // namespace tess::testing
