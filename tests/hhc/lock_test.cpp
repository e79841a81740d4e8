#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "hhc_fixture.h"

namespace {

using namespace hhc_test;
using Clock = std::chrono::steady_clock;

// What the program's rename probe does on Linux: a file someone holds a flock on is in use.
enum class Probe { missing, in_use, free };

Probe ProbeLock(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Probe::missing;
    int r = flock(fd, LOCK_EX | LOCK_NB);
    int err = errno;
    close(fd);
    if (r == 0) return Probe::free;
    EXPECT_EQ(err, EWOULDBLOCK);
    return Probe::in_use;
}

class Lock : public HhcFixture {
protected:
    void SetUp() override {
        page = tree.Write("ページ 集/p.html", "<title>x</title><p>y</p>");
        go = tree.Path("go");
        // The engine waits for the test's word before it compiles.
        WriteScript(tree.Path("slow engine.sh"),
                    "while [ ! -e \"$HHC_TEST_GO\" ]; do sleep 0.01; done\nexec chmcmd \"$@\"");
        options.env["TESSALINE_CHMCMD"] = tree.Path("slow engine.sh");
        options.env["HHC_TEST_GO"] = go;
    }

    // Polls without pause until the log shows up; every sighting must find it locked.
    bool AwaitLockedLog(pid_t pid) {
        auto deadline = Clock::now() + std::chrono::seconds(20);
        while (Clock::now() < deadline) {
            Probe p = ProbeLock(Log());
            if (p == Probe::in_use) return true;
            EXPECT_NE(p, Probe::free) << "the log was seen unlocked while hhc works";
            if (p == Probe::free) return false;
            if (waitpid(pid, nullptr, WNOHANG) == pid) return false;
        }
        return false;
    }

    std::string page, go;
};

TEST_F(Lock, LogIsHeldWhileTheEngineRunsAndFreeAfterwards) {
    pid_t pid = StartHhc(ProjectFor(page), options);
    ASSERT_TRUE(AwaitLockedLog(pid));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(ProbeLock(Log()), Probe::in_use);

    tree.Write("go", "");
    Exit exit = WaitProcess(pid);
    ASSERT_EQ(exit.code, 0) << ReadLog(Log());
    EXPECT_EQ(ProbeLock(Log()), Probe::free);
    // The probe's rename and its way back now succeed, and the log has the success line.
    ASSERT_EQ(std::rename(Log().c_str(), (Log() + ".bak").c_str()), 0);
    ASSERT_EQ(std::rename((Log() + ".bak").c_str(), Log().c_str()), 0);
    EXPECT_NE(ReadLog(Log()).find("Created"), std::string::npos);
}

// The log is made locked under another name and renamed into place, so even a probe that
// races hhc's start never finds it free.
TEST_F(Lock, LogIsNeverVisibleUnlocked) {
    for (int round = 0; round < 15; ++round) {
        std::remove(Log().c_str());
        std::remove(go.c_str());
        pid_t pid = StartHhc(ProjectFor(page), options);
        ASSERT_TRUE(AwaitLockedLog(pid)) << "round " << round;
        tree.Write("go", "");
        ASSERT_EQ(WaitProcess(pid).code, 0);
    }
    ExpectNoTemporaries();
}

TEST_F(Lock, StopRequestEndsTheEngineAndLeavesAReason) {
    tree.Write("プログラム フォルダ/Dummy.chm", "older");
    pid_t pid = StartHhc(ProjectFor(page), options);
    ASSERT_TRUE(AwaitLockedLog(pid));
    kill(pid, SIGTERM);
    Exit exit = WaitProcess(pid);
    EXPECT_EQ(exit.code, 1);
    std::string log = ReadLog(Log());
    EXPECT_NE(log.find("stopped"), std::string::npos) << log;
    EXPECT_EQ(log.find("Created"), std::string::npos);
    EXPECT_EQ(ReadFile(Chm()), "older");
    EXPECT_EQ(ProbeLock(Log()), Probe::free);
    ExpectNoTemporaries();
}

TEST_F(Lock, LogIsReleasedAfterAFailureToo) {
    options.env["TESSALINE_CHMCMD"] = WriteScript(tree.Path("bad.sh"), "exit 9");
    ASSERT_EQ(RunHhc(ProjectFor(page), options).code, 1);
    EXPECT_EQ(ProbeLock(Log()), Probe::free);
}

}  // namespace
