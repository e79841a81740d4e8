#include "platform/posix/posix_processes.h"

#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "file_bytes.h"
#include "project_file.h"
#include "scoped_env.h"
#include "temp_folder.h"

namespace tess {
namespace {

using testing::ReadFileBytes;
using testing::ScopedEnv;
using testing::TempFolder;
using testing::WriteFileBytes;

void Pause1Ms() {
    timespec pause{0, 1'000'000};
    ::nanosleep(&pause, nullptr);
}

// Polls `done` with 1 ms pauses for up to five seconds.
template <class Condition>
bool Eventually(Condition done) {
    for (int i = 0; i < 5000; ++i) {
        if (done()) return true;
        Pause1Ms();
    }
    return done();
}

bool ProcessGone(ProcessId id) { return ::kill(static_cast<pid_t>(id), 0) != 0 && errno == ESRCH; }

std::string Script(const TempFolder& dir, const std::string& name, const std::string& body) {
    const std::string path = dir / name;
    WriteFileBytes(path, "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), 0755);
    return path;
}

class Processes : public ::testing::Test {
protected:
    // A project whose page exists, for the test compiler.
    std::string Project() {
        WriteFileBytes(dir_ / "page.htm", "<p>x</p>");
        WriteFileBytes(dir_ / "Dummy.hhp", testing::ProjectText(dir_.path(), dir_ / "page.htm"));
        return dir_ / "Dummy.hhp";
    }

    TempFolder dir_;
    PosixProcesses processes_{};
};

TEST_F(Processes, AMissingProgramIsAnErrorInPlainWords) {
    const auto started = processes_.StartHidden(dir_ / "no-such-hhc", {"x"});
    ASSERT_FALSE(started);
    EXPECT_NE(started.error().message.find("no-such-hhc"), std::string::npos);
    EXPECT_NE(started.error().message.find("No such file"), std::string::npos);
}

TEST_F(Processes, AProgramThatCannotRunIsAnError) {
    WriteFileBytes(dir_ / "not-executable", "#!/bin/sh\n");
    EXPECT_FALSE(processes_.StartHidden(dir_ / "not-executable", {}));
    EXPECT_FALSE(processes_.StartHidden(dir_.path(), {}));
    EXPECT_FALSE(processes_.StartHidden("", {}));
}

TEST_F(Processes, StartedProgramEndsAndIsReapedLeavingNoZombie) {
    const auto started = processes_.StartHidden(TEST_HHC_PATH, {Project()});
    ASSERT_TRUE(started) << started.error().message;
    EXPECT_TRUE(Eventually([&] { return !processes_.IsRunning(*started); }));
    EXPECT_TRUE(ProcessGone(*started)) << "a zombie is left behind";
    EXPECT_FALSE(processes_.IsRunning(*started));
    EXPECT_EQ(ReadFileBytes(dir_ / "Dummy.chm"), "TESTCHM\n<p>x</p>");
}

TEST_F(Processes, AChildNobodyAsksAboutIsStillReaped) {
    const auto started = processes_.StartHidden(TEST_HHC_PATH, {Project()});
    ASSERT_TRUE(started);
    EXPECT_TRUE(Eventually([&] {
        processes_.IsRunning(0);
        return ProcessGone(*started);
    }));
}

TEST_F(Processes, EachArgumentArrivesWhole) {
    ScopedEnv record("TEST_HHC_RECORD", dir_ / "argv.txt");
    const auto started = processes_.StartHidden(TEST_HHC_PATH, {"with blanks \"and quotes\" $HOME *"});
    ASSERT_TRUE(started);
    EXPECT_TRUE(Eventually([&] { return !processes_.IsRunning(*started); }));
    EXPECT_EQ(ReadFileBytes(dir_ / "argv.txt"), "with blanks \"and quotes\" $HOME *\n");
}

TEST_F(Processes, AHiddenProgramWritesNowhereAndRunsUntilStopped) {
    ScopedEnv mode("TEST_HHC_MODE", "hang");
    const auto started = processes_.StartHidden(TEST_HHC_PATH, {Project()});
    ASSERT_TRUE(started);
    ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(dir_ / "log1.log"); }));
    const std::string fd_folder = "/proc/" + std::to_string(*started) + "/fd/";
    for (const char* fd : {"0", "1", "2"})
        EXPECT_EQ(std::filesystem::read_symlink(fd_folder + fd).string(), "/dev/null") << fd;
    EXPECT_TRUE(processes_.IsRunning(*started));

    ::kill(static_cast<pid_t>(*started), SIGKILL);
    EXPECT_TRUE(Eventually([&] { return !processes_.IsRunning(*started); }));
    EXPECT_TRUE(ProcessGone(*started));
}

TEST_F(Processes, StartCommandLineRunsThePathDetachedAndReapsIt) {
    const std::string tool = Script(dir_, "sysinfo tool", "echo $$ > \"" + (dir_ / "pid") + "\"");
    ASSERT_TRUE(processes_.StartCommandLine(tool));
    ASSERT_TRUE(Eventually([&] { return !ReadFileBytes(dir_ / "pid").empty(); }));
    const pid_t pid = std::stoi(ReadFileBytes(dir_ / "pid"));
    EXPECT_NE(::getsid(pid), ::getsid(0));
    // Any later call reaps it.
    EXPECT_TRUE(Eventually([&] {
        processes_.IsRunning(0);
        return ProcessGone(pid);
    }));
}

TEST_F(Processes, StartCommandLineThatCannotStartIsAnError) {
    EXPECT_FALSE(processes_.StartCommandLine(dir_ / "MSINFO32.EXE"));
    EXPECT_FALSE(processes_.StartCommandLine(""));
}

TEST_F(Processes, OpenDocumentHandsThePathToTheOpener) {
    const std::string opener = Script(dir_, "opener", "printf '%s|' \"$@\" > \"" + (dir_ / "opened") + "\"");
    PosixProcesses processes(opener);
    ASSERT_TRUE(processes.OpenDocument(dir_ / "Help.chm"));
    EXPECT_TRUE(Eventually([&] { return !ReadFileBytes(dir_ / "opened").empty(); }));
    EXPECT_EQ(ReadFileBytes(dir_ / "opened"), (dir_ / "Help.chm") + "|");
}

TEST_F(Processes, OpenDocumentWithoutAnOpenerIsAnError) {
    PosixProcesses processes(dir_ / "no-opener");
    EXPECT_FALSE(processes.OpenDocument(dir_ / "Help.chm"));
}

}  // namespace
}  // namespace tess
