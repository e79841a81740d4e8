#include "platform/posix/posix_single_instance.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "child_process.h"
#include "platform/posix/posix_processes.h"
#include "project_file.h"
#include "running_processes.h"
#include "file_bytes.h"
#include "temp_folder.h"

namespace tess {
namespace {

using testing::TempFolder;

// A forked first instance that claims the lock, reports through a pipe, then waits to be killed.
class FirstInstance {
public:
    explicit FirstInstance(const std::string& lock_file) {
        int ready[2];
        if (::pipe(ready) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            PosixSingleInstance instance(lock_file);
            const char claimed = instance.AnotherInstanceRunning() ? '0' : '1';
            (void)!::write(ready[1], &claimed, 1);
            for (;;) ::pause();
        }
        ::close(ready[1]);
        if (::read(ready[0], &claimed_, 1) != 1) claimed_ = '0';
        ::close(ready[0]);
    }
    ~FirstInstance() { Kill(); }
    bool claimed() const { return claimed_ == '1'; }
    void Kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    char claimed_ = '0';
};

TEST(PosixSingleInstance, TheFirstInstanceSeesNoOther) {
    TempFolder dir;
    PosixSingleInstance instance(dir / "app.lock");
    EXPECT_FALSE(instance.AnotherInstanceRunning());
    EXPECT_FALSE(instance.AnotherInstanceRunning()) << "asking again keeps the claim";
}

TEST(PosixSingleInstance, ASecondProcessSeesTheFirstUntilItDies) {
    TempFolder dir;
    FirstInstance first(dir / "app.lock");
    ASSERT_TRUE(first.claimed());
    PosixSingleInstance second(dir / "app.lock");
    EXPECT_TRUE(second.AnotherInstanceRunning());
    first.Kill();
    EXPECT_FALSE(second.AnotherInstanceRunning());
    EXPECT_TRUE(testing::RunInChild([&] { return PosixSingleInstance(dir / "app.lock").AnotherInstanceRunning(); }));
}

TEST(PosixSingleInstance, AProgramItStartedDoesNotKeepTheClaimAlive) {
    TempFolder dir;
    testing::WriteFileBytes(dir / "page.htm", "x");
    testing::WriteFileBytes(dir / "Dummy.hhp", testing::ProjectText(dir.path(), dir / "page.htm"));
    ::setenv("TEST_HHC_MODE", "hang", 1);
    const pid_t first = ::fork();
    if (first == 0) {
        // A viewer, which outlives us; a compiler dies with us.
        PosixSingleInstance instance(dir / "app.lock");
        PosixProcesses processes(TEST_HHC_PATH);
        ::_exit(!instance.AnotherInstanceRunning() && processes.OpenDocument(dir / "Dummy.hhp") ? 0 : 1);
    }
    ::unsetenv("TEST_HHC_MODE");
    int status = -1;
    ::waitpid(first, &status, 0);
    ASSERT_EQ(status, 0);
    // A loaded machine may show the started program in /proc a moment later.
    std::vector<pid_t> helper = testing::ProcessesWith(dir / "Dummy.hhp");
    for (int i = 0; i < 300 && helper.empty(); ++i) {
        ::usleep(10'000);
        helper = testing::ProcessesWith(dir / "Dummy.hhp");
    }
    ASSERT_EQ(helper.size(), 1u) << "the started program outlives the first instance";

    EXPECT_FALSE(PosixSingleInstance(dir / "app.lock").AnotherInstanceRunning());
    ::kill(helper.front(), SIGKILL);
}

TEST(PosixSingleInstance, AMissingFolderIsCreated) {
    TempFolder dir;
    PosixSingleInstance instance(dir / "runtime/app.lock");
    EXPECT_FALSE(instance.AnotherInstanceRunning());
    EXPECT_TRUE(testing::RunInChild([&] { return PosixSingleInstance(dir / "runtime/app.lock").AnotherInstanceRunning(); }));
}

TEST(PosixSingleInstance, DefaultLockFileFollowsTheRuntimeFolder) {
    ::setenv("XDG_RUNTIME_DIR", "/run/user/4242", 1);
    EXPECT_EQ(PosixSingleInstance::DefaultLockFile("Quillvane"), "/run/user/4242/Quillvane.lock");
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("XDG_CACHE_HOME", "/home/u/.cache", 1);
    EXPECT_EQ(PosixSingleInstance::DefaultLockFile("Quillvane"), "/home/u/.cache/Quillvane/instance.lock");
    ::unsetenv("XDG_CACHE_HOME");
}

}  // namespace
}  // namespace tess
