#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/form1.h"
#include "tests/e2e/quick_clock.h"
#include "tests/fakes/real_files_program.h"
#include "tests/posix/child_process.h"
#include "tests/posix/running_processes.h"
#include "tests/posix/temp_folder.h"
#include "tests/support/compiler_faults.h"

namespace tess {
namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void Spit(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// The desktop run on real files and processes; only the windows, settings and clock are stand-ins.
class DropRunE2ETest : public ::testing::Test,
                       protected testing::RealFilesProgram<testing::QuickClock, testing::FakeWindowSystem> {
protected:
    DropRunE2ETest() {
        std::filesystem::create_directories(temp / "prog");
        std::filesystem::create_directories(temp / "compiler");
        std::filesystem::create_directories(temp / "my pages/日本語 フォルダ");
        program.executable_folder = temp / "prog";
        settings.SetInfo("InstallPath", TEST_HHC_PATH);
        settings.SetInfo("InstallPathF", temp / "compiler");
        settings.SetInfo("Message", "OFF");
        ::setenv("TEST_HHC_MODE", "ok", 1);
        ::setenv("TEST_HHC_DELAY_MS", "0", 1);
        app.limits.time_limit_ms = 3000;
        main = std::make_unique<Form1>(app);
        main->ShowModeless();
        windows.messages.clear();  // no workshop in the stand-in registry: the start says so
    }
    ~DropRunE2ETest() override {
        testing::KillProcessesWith(temp.path());  // a compiler left hanging by a test goes with it
        ::unsetenv("TEST_HHC_MODE");
        ::unsetenv("TEST_HHC_DELAY_MS");
        ::unsetenv("TEST_HHC_RECORD");
        ::unsetenv("TEST_HHC_MISREAD_PAGE");
    }

    std::string Page(const std::string& name, const std::string& text = "<html><body>page</body></html>") {
        const std::string path = temp / ("my pages/日本語 フォルダ/" + name);
        Spit(path, text);
        return path;
    }
    void Drop(const std::vector<std::string>& pages) { windows.UserDrop(main->id(), "Frame1", pages); }
    std::string Status() { return windows.CaptionOf("Form1", "Label2"); }

    testing::TempFolder temp;
    std::unique_ptr<Form1> main;
};

TEST_F(DropRunE2ETest, SeveralPagesLandBesideThemUnderFreeNamesReplacingNothing) {
    const std::string a = Page("a page.htm", "<html>A</html>");
    const std::string b = Page("ページ.HTML", "<html>B</html>");
    const std::string hidden = Page(".hidden.htm", "<html>H</html>");
    const std::string dir = temp / "my pages/日本語 フォルダ/";
    Spit(dir + "a page.chm", "kept: plain");
    Spit(dir + "ページ.chm", "kept: read-only");
    ::chmod((dir + "ページ.chm").c_str(), 0444);
    Spit(dir + ".hidden.chm", "kept: hidden");

    Drop({a, b, hidden, a});

    EXPECT_EQ(windows.messages.size(), 0u) << windows.messages[0].text;
    EXPECT_EQ(Status(), "変換終了");
    EXPECT_EQ(Slurp(dir + "a page.chm"), "kept: plain");
    EXPECT_EQ(Slurp(dir + "ページ.chm"), "kept: read-only");
    EXPECT_EQ(Slurp(dir + ".hidden.chm"), "kept: hidden");
    EXPECT_EQ(Slurp(dir + "a page(1).chm"), "TESTCHM\n<html>A</html>");
    EXPECT_EQ(Slurp(dir + "a page(2).chm"), "TESTCHM\n<html>A</html>");
    EXPECT_EQ(Slurp(dir + "ページ(1).chm"), "TESTCHM\n<html>B</html>");
    EXPECT_EQ(Slurp(dir + ".hidden(1).chm"), "TESTCHM\n<html>H</html>");
    // The compiler was started on the copy beside it, and the work files stay.
    EXPECT_TRUE(Exists(temp / "compiler/Dummy.hhp"));
    EXPECT_TRUE(Exists(temp / "prog/Dummy.chm"));
    EXPECT_TRUE(Exists(temp / "prog/log1.log"));
    EXPECT_FALSE(Exists(temp / "prog/log1.log.bak"));
}

TEST_F(DropRunE2ETest, AHeldLogCostsPausesThatAreCountedNotSlept) {
    ::setenv("TEST_HHC_DELAY_MS", "300", 1);
    app.limits.time_limit_ms = 1 << 30;  // each counted pause moves the clock on by two seconds
    const std::string a = Page("a.htm");
    Drop({a});
    EXPECT_EQ(windows.messages.size(), 0u) << windows.messages[0].text;
    EXPECT_TRUE(Exists(temp / "my pages/日本語 フォルダ/a.chm"));
    EXPECT_GE(clock.PausedMs(), 2000);  // at least one probe met the held log
}

// Each fault as the test compiler acts it out, over an earlier page's compiled file.
TEST_F(DropRunE2ETest, EachCompilerFaultIsToldTheCompilerIsGoneAndNothingStaleIsPlaced) {
    const std::string folder = temp / "my pages/日本語 フォルダ";
    const std::string record = temp / "record.txt";
    ::setenv("TEST_HHC_RECORD", record.c_str(), 1);
    for (const auto& c : testing::kCompilerFaults) {
        SCOPED_TRACE(c.name);
        settings.SetInfo("InstallPath", TEST_HHC_PATH);
        ::unsetenv("TEST_HHC_MISREAD_PAGE");
        const std::string page = Page(std::string(c.name) + ".htm");
        switch (c.fault) {
        case testing::CompilerFault::fails: ::setenv("TEST_HHC_MODE", "fail", 1); break;
        case testing::CompilerFault::crashes: ::setenv("TEST_HHC_MODE", "crash", 1); break;
        case testing::CompilerFault::ends_without_created: ::setenv("TEST_HHC_MODE", "nocreated", 1); break;
        case testing::CompilerFault::never_writes_log: ::setenv("TEST_HHC_MODE", "nolog", 1); break;
        case testing::CompilerFault::hangs: ::setenv("TEST_HHC_MODE", "hang", 1); break;
        case testing::CompilerFault::misread_created: ::setenv("TEST_HHC_MISREAD_PAGE", c.name, 1); break;
        case testing::CompilerFault::cannot_start: settings.SetInfo("InstallPath", temp / "compiler/hhc"); break;
        }
        windows.messages.clear();
        Spit(temp / "prog/Dummy.chm", "stale from another page");
        std::filesystem::remove(record);
        Drop({page});
        ::setenv("TEST_HHC_MODE", "ok", 1);
        EXPECT_EQ(windows.messages.size(), 1u);  // no ASSERT: the next rows must still run
        const std::string told = windows.messages.empty() ? "" : windows.messages[0].text;
        EXPECT_NE(told.find(c.told), std::string::npos) << told;
        if (c.log_shown) {
            EXPECT_NE(told.find(c.log_shown), std::string::npos) << told;
        }
        EXPECT_NE(told.find(page), std::string::npos) << told;
        // The page folder holds the pages alone: the stale compiled file went nowhere.
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            EXPECT_EQ(entry.path().extension(), ".htm") << entry.path();
        // Removed before the compile, so no later page can ever receive it.
        EXPECT_NE(Slurp(temp / "prog/Dummy.chm"), "stale from another page");
        // A compiler that did start is not left running (one that ends by itself may take a moment).
        EXPECT_EQ(Exists(record), c.fault != testing::CompilerFault::cannot_start);
        for (int i = 0; i < 200 && !testing::ProcessesWith(temp / "compiler/Dummy.hhp").empty(); ++i) ::usleep(10000);
        EXPECT_EQ(testing::ProcessesWith(temp / "compiler/Dummy.hhp"), std::vector<pid_t>{});
    }
}

TEST_F(DropRunE2ETest, AStaleProbeFileFromACrashDoesNotStopTheRun) {
    Spit(temp / "prog/log1.log.bak", "left behind");
    Drop({Page("a.htm")});
    EXPECT_TRUE(windows.messages.empty());
    EXPECT_TRUE(Exists(temp / "my pages/日本語 フォルダ/a.chm"));
}

TEST_F(DropRunE2ETest, AReadOnlyPageFolderIsToldAndTheWorkFolderFallsBack) {
    const std::string a = Page("a.htm");
    ::chmod((temp / "my pages/日本語 フォルダ").c_str(), 0555);
    ::chmod((temp / "prog").c_str(), 0555);
    program.user_work_folder = temp / "cache/Quillvane/";
    // Root writes anywhere: the drop runs as an ordinary user.
    EXPECT_TRUE(testing::RunUnprivileged([&] {
        Drop({a});
        EXPECT_EQ(windows.messages.size(), 1u);
        EXPECT_NE(windows.messages.empty() ? std::string::npos : windows.messages[0].text.find("書き込めませんでした"),
                  std::string::npos);
        EXPECT_TRUE(Exists(temp / "cache/Quillvane/Dummy.hhp"));
        return true;
    }));
    ::chmod((temp / "my pages/日本語 フォルダ").c_str(), 0755);
}

}  // namespace
}  // namespace tess
