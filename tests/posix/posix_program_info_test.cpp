#include "platform/posix/posix_program_info.h"

#include <unistd.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "platform/posix/posix_clock.h"
#include "platform/posix/xdg_folders.h"
#include "child_process.h"
#include "scoped_env.h"
#include "temp_folder.h"

namespace tess {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;

TEST(PosixProgramInfo, ExecutableFolderHoldsThisTestWithoutATrailingSlash) {
    PosixProgramInfo info("/unused");
    const std::string folder = info.ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "/test-hhc")) << folder;
}

TEST(PosixProgramInfo, UserWorkFolderIsCreatedAndEndsInASlash) {
    TempFolder cache;
    PosixProgramInfo info(cache / "deep/cache");
    EXPECT_EQ(info.UserWorkFolder("Quillvane"), cache / "deep/cache/Quillvane/");
    EXPECT_TRUE(std::filesystem::is_directory(cache / "deep/cache/Quillvane"));
}

struct FolderCase {
    const char* name;
    const char* variable;
    const char* value;  // null: unset
    std::string (*folder)();
    std::string expected;
};

// Names the case in test listings.
void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }

class XdgFolders : public ::testing::TestWithParam<FolderCase> {};

TEST_P(XdgFolders, FollowTheVariablesAndIgnoreRelativeOnes) {
    ScopedEnv home("HOME", "/home/tester");
    ScopedEnv variable(GetParam().variable, GetParam().value ? GetParam().value : "");
    if (!GetParam().value) ::unsetenv(GetParam().variable);
    EXPECT_EQ(GetParam().folder(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Posix, XdgFolders,
    ::testing::Values(FolderCase{"config_set", "XDG_CONFIG_HOME", "/cfg/", ConfigHome, "/cfg"},
                      FolderCase{"config_unset", "XDG_CONFIG_HOME", nullptr, ConfigHome, "/home/tester/.config"},
                      FolderCase{"config_relative", "XDG_CONFIG_HOME", "cfg", ConfigHome, "/home/tester/.config"},
                      FolderCase{"cache_set", "XDG_CACHE_HOME", "/c", CacheHome, "/c"},
                      FolderCase{"cache_empty", "XDG_CACHE_HOME", "", CacheHome, "/home/tester/.cache"},
                      FolderCase{"runtime_unset", "XDG_RUNTIME_DIR", nullptr, RuntimeFolder, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Someone else may have made the folder first, to read or swap our work files.
TEST(PosixProgramInfo, PlainWorkFolderIsTakenOnlyWhenPrivate) {
    const std::string mine = "Quillvane-" + std::to_string(::getuid());
    const struct {
        const char* name;
        std::function<void(const std::string&)> prepare;  // given the folder's path
        bool taken;
    } cases[] = {
        {"made afresh", [](const std::string&) {}, true},
        {"ours already", [](const std::string& f) { ::mkdir(f.c_str(), 0700); }, true},
        {"open to others", [](const std::string& f) { ::mkdir(f.c_str(), 0777), ::chmod(f.c_str(), 0777); }, false},
        {"a link to ours", [](const std::string& f) {
             ::mkdir((f + "-real").c_str(), 0700);
             std::filesystem::create_symlink(f + "-real", f);
         }, false},
        {"a plain file", [](const std::string& f) { ::close(::creat(f.c_str(), 0600)); }, false},
    };
    for (const auto& c : cases) {
        TempFolder temp;
        const std::string folder = temp / mine;
        c.prepare(folder);
        PosixProgramInfo info("/unused", temp.path());
        const auto plain = info.PlainWorkFolder("Quillvane");
        EXPECT_EQ(static_cast<bool>(plain), c.taken) << c.name;
        if (!plain) continue;
        EXPECT_EQ(*plain, folder + "/") << c.name;
        struct stat st {};
        ASSERT_EQ(::lstat(folder.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << c.name;
    }
}

TEST(PosixClock, IsMonotonicAndSleepsAtLeastAsAsked) {
    PosixClock clock;
    const auto before = clock.NowMs();
    clock.SleepMs(5);
    EXPECT_GE(clock.NowMs() - before, 5);
    // Nothing to sleep: each returns at once; the alarm ends a child that would sleep on.
    EXPECT_TRUE(testing::RunInChild([] {
        ::alarm(2);
        PosixClock child_clock;
        for (int ms : {0, -1, std::numeric_limits<int>::min()}) child_clock.SleepMs(ms);
        return true;
    }));
}

}  // namespace
}  // namespace tess
