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

// The log appears only once the outcome is known, already locked, and is let go once its
// final line is written; the compiled file takes its place while the log is held.
class Lock : public HhcFixture {
protected:
    void SetUp() override {
        page = tree.Write("ページ 集/p.html", "<title>x</title><p>y</p>");
        // Incompressible bytes keep hhc compiling long enough to be watched at work.
        slow_page = tree.Write("ページ 集/slow.html", "<title>x</title><img src=\"big.bin\">");
        tree.Write("ページ 集/big.bin", NoiseBytes(kBig, 9));
    }

    // hhc has read its inputs and is compiling.
    bool AwaitCompiling(pid_t pid) { return AwaitBytesRead(pid, kBig); }

    static constexpr size_t kBig = 2 << 20;

    struct Sightings {
        int in_use = 0;
        int free = 0;
    };

    // Probes without pause until hhc ends. A log found free must hold its final line, and
    // a new compiled file is never there before the log. `old_chm` is what Dummy.chm held.
    Sightings Watch(pid_t pid, const std::string& old_chm) {
        Sightings seen;
        for (;;) {
            bool ended = waitpid(pid, &status, WNOHANG) == pid;
            bool chm_new = ReadFile(Chm()) != old_chm;
            Probe p = ProbeLock(Log());
            if (chm_new) {
                EXPECT_NE(p, Probe::missing) << "the compiled file was placed before the log was made";
            }
            if (p == Probe::in_use) ++seen.in_use;
            if (p == Probe::free) {
                ++seen.free;
                std::string log = ReadLog(Log());
                EXPECT_TRUE(log.find("Created") != std::string::npos || log.find("Error:") != std::string::npos)
                    << "the log was seen unlocked without its final line: " << log;
            }
            if (ended) return seen;
        }
    }

    int status = 0;
    std::string page, slow_page;
};

TEST_F(Lock, NoLogWhileItCompilesThenAFinishedOne) {
    tree.Write("プログラム フォルダ/Dummy.chm", "older");
    pid_t pid = StartHhc(ProjectFor(slow_page), options);
    ASSERT_TRUE(AwaitCompiling(pid));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(ProbeLock(Log()), Probe::missing);
    EXPECT_EQ(ReadFile(Chm()), "older");

    Sightings seen = Watch(pid, "older");
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kCreatedStatus) << ReadLog(Log());
    EXPECT_GT(seen.free, 0);
    EXPECT_EQ(ProbeLock(Log()), Probe::free);
    // The probe's rename and its way back now succeed, and the log has the success line.
    ASSERT_EQ(std::rename(Log().c_str(), (Log() + ".bak").c_str()), 0);
    ASSERT_EQ(std::rename((Log() + ".bak").c_str(), Log().c_str()), 0);
    EXPECT_NE(ReadLog(Log()).find("Created"), std::string::npos);
    EXPECT_NE(ReadFile(Chm()), "older");
}

// The log is made locked under another name and renamed into place, so even a probe that
// races hhc's end never finds it free before its last line.
TEST_F(Lock, LogIsNeverVisibleUnlockedWithoutItsFinalLine) {
    int held = 0;
    for (int round = 0; round < 30; ++round) {
        std::remove(Log().c_str());
        std::string old = "round " + std::to_string(round);
        tree.Write("プログラム フォルダ/Dummy.chm", old);
        pid_t pid = StartHhc(ProjectFor(page), options);
        held += Watch(pid, old).in_use;
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kCreatedStatus) << "round " << round;
    }
    RecordProperty("held_sightings", held);
    // Short as it is, the hold is there to be met .
    EXPECT_GT(held, 0);
    ExpectNoTemporaries();
}

TEST_F(Lock, StopRequestLeavesAReasonAndNothingElse) {
    tree.Write("プログラム フォルダ/Dummy.chm", "older");
    pid_t pid = StartHhc(ProjectFor(slow_page), options);
    ASSERT_TRUE(AwaitCompiling(pid));
    kill(pid, SIGTERM);
    Exit exit = WaitProcess(pid);
    EXPECT_EQ(exit.code, kFailedStatus);
    std::string log = ReadLog(Log());
    EXPECT_NE(log.find("stopped"), std::string::npos) << log;
    EXPECT_EQ(log.find("Created"), std::string::npos);
    EXPECT_EQ(ReadFile(Chm()), "older");
    EXPECT_EQ(ProbeLock(Log()), Probe::free);
    ExpectNoTemporaries();
}

TEST_F(Lock, LogIsReleasedAfterAFailureToo) {
    ASSERT_EQ(RunHhc(ProjectFor(pages + "gone.html"), options).code, kFailedStatus);
    EXPECT_EQ(ProbeLock(Log()), Probe::free);
}

}  // namespace
