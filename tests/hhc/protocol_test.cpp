// The program's own file layer against the real hhc: the log shows up only when hhc is
// nearly done, and a rename probe that succeeds always finds the success line.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "hhc_fixture.h"
#include "platform/posix/posix_files.h"

namespace {

using namespace hhc_test;

class Protocol : public HhcFixture {
protected:
    void SetUp() override {
        page = tree.Write("ページ 集/説明.html", "<title>説明</title><p>本文</p>");
        slow_page = tree.Write("ページ 集/長い.html", "<title>説明</title><img src=\"big.bin\">");
        tree.Write("ページ 集/big.bin", NoiseBytes(kBig, 11));
    }
    static constexpr size_t kBig = 2 << 20;

    // hhc may well be done by the time the log is seen; it is left to WaitProcess.
    bool AwaitLog(pid_t pid) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!files.Exists(Log())) {
            siginfo_t info{};
            bool ended = waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid;
            if (ended) return files.Exists(Log());
            if (std::chrono::steady_clock::now() > deadline) return false;
        }
        return true;
    }

    tess::PosixFiles files;
    std::string page, slow_page;
};

// The program's probe, without its pause: whenever the rename succeeds, the success line
// is already there and the compiled file is in place.
TEST_F(Protocol, ASuccessfulRenameProbeAlwaysFindsTheSuccessLine) {
    for (int round = 0; round < 10; ++round) {
        (void)files.Delete(Log());  // absent in the first round
        (void)files.Delete(Chm());
        pid_t pid = StartHhc(ProjectFor(page), options);
        ASSERT_TRUE(AwaitLog(pid)) << "round " << round;
        for (;;) {
            tess::RenameResult renamed = files.Rename(Log(), Log() + ".bak");
            if (renamed == tess::RenameResult::in_use) continue;
            ASSERT_EQ(renamed, tess::RenameResult::ok);
            ASSERT_EQ(files.Rename(Log() + ".bak", Log()), tess::RenameResult::ok);
            break;
        }
        auto lines = files.ReadLines(Log());
        ASSERT_TRUE(lines.ok());
        EXPECT_TRUE(std::any_of(lines->begin(), lines->end(),
                                [](const std::string& l) { return l.find("Created") != std::string::npos; }));
        EXPECT_TRUE(files.Exists(Chm()));
        ASSERT_EQ(WaitProcess(pid).code, kCreatedStatus);
    }
}

TEST_F(Protocol, NoLogWhileItCompiles) {
    pid_t pid = StartHhc(ProjectFor(slow_page), options);
    ASSERT_TRUE(AwaitBytesRead(pid, kBig));
    for (int i = 0; i < 50; ++i) EXPECT_FALSE(files.Exists(Log()));
    ASSERT_TRUE(AwaitLog(pid));
    ASSERT_EQ(WaitProcess(pid).code, kCreatedStatus);
}

TEST_F(Protocol, AFailedCompilationLetsGoWithoutTheSuccessLine) {
    pid_t pid = StartHhc(ProjectFor(pages + "gone.html"), options);
    ASSERT_EQ(WaitProcess(pid).code, kFailedStatus);
    ASSERT_EQ(files.Rename(Log(), Log() + ".bak"), tess::RenameResult::ok);
    auto lines = files.ReadLines(Log() + ".bak");
    ASSERT_TRUE(lines.ok());
    ASSERT_FALSE(lines->empty());
    for (const auto& l : *lines) EXPECT_EQ(l.find("Created"), std::string::npos) << l;
}

}  // namespace
