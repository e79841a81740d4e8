// Starting programs: hidden with quoted arguments, by command line, and documents.
#include <windows.h>

#include <gtest/gtest.h>

#include "child_process.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_processes.h"
#include "temp_folder.h"

namespace tess::testing {
namespace {

std::string Contents(const std::string& path) {
    win32::Win32Files files;
    auto lines = files.ReadLines(path);
    return lines.ok() && !lines->empty() ? (*lines)[0] : std::string();
}

TEST(Win32QuoteArguments, EachArgumentIsQuotedAsAWhole) {
    EXPECT_EQ(win32::QuoteArguments({"C:\\Program Files\\Dummy.hhp"}), "\"C:\\Program Files\\Dummy.hhp\"");
    EXPECT_EQ(win32::QuoteArguments({"a", "b c"}), "\"a\" \"b c\"");
    EXPECT_EQ(win32::QuoteArguments({}), "");
}

class Win32ProcessesTest : public ::testing::Test {
protected:
    TempFolder dir;
    win32::Win32Processes processes;
    win32::Win32Files files;
};

TEST_F(Win32ProcessesTest, StartHiddenPassesOneQuotedArgument) {
    std::string out = dir / "command line.txt";
    auto id = processes.StartHidden(ChildProgram(), {out});
    ASSERT_TRUE(id.ok()) << id.error().message;
    ASSERT_TRUE(WaitUntil([&] { return !processes.IsRunning(*id); }, 30000));
    std::string line = Contents(out);
    std::string tail = " \"";
    tail += out;
    tail += '"';
    ASSERT_GE(line.size(), tail.size()) << line;
    EXPECT_EQ(line.substr(line.size() - tail.size()), tail) << line;
}

TEST_F(Win32ProcessesTest, IsRunningFollowsTheProcess) {
    auto id = processes.StartHidden(ChildProgram(), {"sleep", "1500"});
    ASSERT_TRUE(id.ok()) << id.error().message;
    EXPECT_TRUE(processes.IsRunning(*id));
    EXPECT_TRUE(WaitUntil([&] { return !processes.IsRunning(*id); }, 30000));
    EXPECT_FALSE(processes.IsRunning(*id));
    EXPECT_FALSE(processes.IsRunning(987654321));
}

TEST_F(Win32ProcessesTest, StopEndsAProcessGivenUpOn) {
    auto id = processes.StartHidden(ChildProgram(), {"sleep", "60000"});
    ASSERT_TRUE(id.ok()) << id.error().message;
    ASSERT_TRUE(processes.IsRunning(*id));
    HANDLE watched = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(*id));
    ASSERT_NE(watched, nullptr);
    processes.Stop(*id);
    EXPECT_EQ(WaitForSingleObject(watched, 10000), WAIT_OBJECT_0);
    CloseHandle(watched);
    EXPECT_FALSE(processes.IsRunning(*id));
    processes.Stop(*id);  // a second stop is harmless
}

TEST_F(Win32ProcessesTest, StartHiddenReportsAMissingProgram) {
    auto id = processes.StartHidden(dir / "no-such-compiler.exe", {"x"});
    ASSERT_FALSE(id.ok());
    EXPECT_FALSE(id.error().message.empty());
}

TEST_F(Win32ProcessesTest, StartCommandLineStartsWithoutWaiting) {
    std::string out = dir / "started.txt";
    std::string line = "\"";
    line.append(ChildProgram()).append("\" \"").append(out).append("\"");
    ASSERT_TRUE(processes.StartCommandLine(line).ok());
    EXPECT_TRUE(WaitUntil([&] { return files.Exists(out) && !Contents(out).empty(); }, 30000));
}

TEST_F(Win32ProcessesTest, StartCommandLineFailsForMissingProgramsAndEmptyLines) {
    EXPECT_FALSE(processes.StartCommandLine(dir / "MSINFO32.EXE").ok());
    EXPECT_FALSE(processes.StartCommandLine("").ok());
}

TEST_F(Win32ProcessesTest, OpenDocumentReportsAMissingFile) {
    EXPECT_FALSE(processes.OpenDocument(dir / "Help.chm").ok());
}

}  // namespace
}  // namespace tess::testing
