// The test compiler keeps the log protocol the conversion relies on.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "file_bytes.h"
#include "platform/posix/posix_files.h"
#include "project_file.h"
#include "temp_folder.h"

namespace tess {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

// Starts the test compiler on `project` with the given switches only.
pid_t StartTestHhc(const std::string& project, const std::vector<std::string>& switches) {
    std::vector<std::string> environment = switches;
    std::vector<char*> envp;
    for (auto& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = TEST_HHC_PATH;
    std::string argument = project;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return -1;
    return pid;
}

int Finish(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

bool LogHasCreated(const std::string& log) { return ReadFileBytes(log).find("Created") != std::string::npos; }

class TestHhc : public ::testing::Test {
protected:
    std::string Project(const std::string& page_name = "page.htm") {
        WriteFileBytes(dir_ / page_name, "<p>page</p>");
        WriteFileBytes(dir_ / "Dummy.hhp", testing::ProjectText(dir_.path(), dir_ / page_name));
        return dir_ / "Dummy.hhp";
    }
    std::string Log() const { return dir_ / "log1.log"; }
    std::string Chm() const { return dir_ / "Dummy.chm"; }

    TempFolder dir_;
};

TEST_F(TestHhc, CompilesAndReportsCreated) {
    const int status = Finish(StartTestHhc(Project(), {}));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadFileBytes(Chm()), "TESTCHM\n<p>page</p>");
    EXPECT_NE(ReadFileBytes(Log()).find("Created " + Chm() + ", 19 bytes\r\n"), std::string::npos)
        << ReadFileBytes(Log());
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Dummy.chm", "Dummy.hhp", "log1.log", "page.htm"}));
}

TEST_F(TestHhc, ReadsJapanesePathsFromTheCodePageProject) {
    const int status = Finish(StartTestHhc(Project("ページ.htm"), {}));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadFileBytes(Chm()), "TESTCHM\n<p>page</p>");
}

TEST_F(TestHhc, TheLogIsLockedFromTheMomentItAppears) {
    PosixFiles files;
    const pid_t pid = StartTestHhc(Project(), {"TEST_HHC_DELAY_MS=400"});
    while (!files.Exists(Log())) {
        ASSERT_EQ(::waitpid(pid, nullptr, WNOHANG), 0) << "ended without a log";
    }
    EXPECT_EQ(files.Rename(Log(), Log() + ".bak"), RenameResult::in_use);
    EXPECT_FALSE(LogHasCreated(Log()));
    EXPECT_EQ(WEXITSTATUS(Finish(pid)), 0);
    EXPECT_EQ(files.Rename(Log(), Log() + ".bak"), RenameResult::ok);
    EXPECT_TRUE(LogHasCreated(Log() + ".bak"));
}

TEST_F(TestHhc, HangHoldsTheLogUntilKilled) {
    PosixFiles files;
    const pid_t pid = StartTestHhc(Project(), {"TEST_HHC_MODE=hang"});
    while (!files.Exists(Log())) {
        ASSERT_EQ(::waitpid(pid, nullptr, WNOHANG), 0);
    }
    EXPECT_EQ(files.Rename(Log(), Log() + ".bak"), RenameResult::in_use);
    ::kill(pid, SIGKILL);
    Finish(pid);
    EXPECT_EQ(files.Rename(Log(), Log() + ".bak"), RenameResult::ok);
    EXPECT_FALSE(LogHasCreated(Log() + ".bak"));
}

struct ModeCase {
    const char* mode;
    int exit_code;   // -1: killed by a signal
    bool log;
    bool created;
    bool new_chm;
};

// Names the case in test listings.
void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.mode; }

class TestHhcModes : public TestHhc, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(TestHhcModes, BehaveAsAsked) {
    WriteFileBytes(Chm(), "stale");
    const int status = Finish(StartTestHhc(Project(), {std::string("TEST_HHC_MODE=") + GetParam().mode}));
    if (GetParam().exit_code < 0) {
        EXPECT_TRUE(WIFSIGNALED(status));
    } else {
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), GetParam().exit_code);
    }
    EXPECT_EQ(std::filesystem::exists(Log()), GetParam().log);
    EXPECT_EQ(LogHasCreated(Log()), GetParam().created);
    EXPECT_EQ(ReadFileBytes(Chm()), GetParam().new_chm ? "TESTCHM\n<p>page</p>" : "stale");
}

INSTANTIATE_TEST_SUITE_P(Posix, TestHhcModes,
                         ::testing::Values(ModeCase{"ok", 0, true, true, true}, ModeCase{"fail", 1, true, false, false},
                                           ModeCase{"crash", -1, true, false, false},
                                           ModeCase{"nolog", 3, false, false, false},
                                           ModeCase{"nocreated", 0, true, false, true},
                                           ModeCase{"unknown", 1, true, false, false}),
                         [](const auto& info) { return std::string(info.param.mode); });

TEST_F(TestHhc, AMissingPageFailsWithAReasonInTheLog) {
    WriteFileBytes(dir_ / "Dummy.hhp", testing::ProjectText(dir_.path(), dir_ / "gone.htm"));
    const int status = Finish(StartTestHhc(dir_ / "Dummy.hhp", {}));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(ReadFileBytes(Log()).find("gone.htm"), std::string::npos);
    EXPECT_FALSE(LogHasCreated(Log()));
}

TEST_F(TestHhc, RecordsItsArguments) {
    const std::string project = Project();
    Finish(StartTestHhc(project, {"TEST_HHC_RECORD=" + (dir_ / "argv.txt")}));
    Finish(StartTestHhc(project, {"TEST_HHC_RECORD=" + (dir_ / "argv.txt")}));
    EXPECT_EQ(ReadFileBytes(dir_ / "argv.txt"), project + "\n" + project + "\n");
}

}  // namespace
}  // namespace tess
