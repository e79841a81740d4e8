#include <gtest/gtest.h>

#include "app/form1.h"
#include "convert/project_file.h"
#include "tests/core/app_fixture.h"

namespace tess {
namespace {

class DropRunTest : public testing::AppTest {
protected:
    DropRunTest() {
        fake.program.executable_folder = "/opt/tessaline";
        main = std::make_unique<Form1>(app);
        main->ShowModeless();
        window = main->id();
        fake.settings.writes.clear();
        fake.windows.on_modal["diaEnd"] = [this](WindowId id) {
            ++notices;
            fake.windows.UserClick(id, "OKButton");
        };
    }
    void Drop(const std::vector<std::string>& pages) { fake.windows.UserDrop(window, "Frame1", pages); }
    std::string Status() { return fake.windows.CaptionOf("Form1", "Label2"); }

    std::unique_ptr<Form1> main;
    WindowId window = kNoWindow;
    int notices = 0;
};

TEST_F(DropRunTest, PagesBecomeChmFilesBesideThemUnderFreeNames) {
    AddPage("/pages/report.htm");
    fake.files.files["/pages/report.chm"] = "earlier";
    fake.files.files["/pages/report(1).chm"] = "earlier 1";
    AddPage("/pages/PAGE.HTM");
    AddPage("/pages/index.old.html");
    Drop({"/pages/report.htm", "/pages/PAGE.HTM", "/pages/index.old.html", "/pages/report.htm"});
    EXPECT_EQ(fake.files.files["/pages/report.chm"], "earlier");
    EXPECT_EQ(fake.files.files["/pages/report(1).chm"], "earlier 1");
    EXPECT_EQ(fake.files.files["/pages/report(2).chm"], "ITSF:/pages/report.htm");
    EXPECT_EQ(fake.files.files["/pages/report(3).chm"], "ITSF:/pages/report.htm");
    EXPECT_EQ(fake.files.files["/pages/PAGE.chm"], "ITSF:/pages/PAGE.HTM");
    EXPECT_EQ(fake.files.files["/pages/index.old.chm"], "ITSF:/pages/index.old.html");
    EXPECT_EQ(Status(), "変換終了");
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{});
    EXPECT_EQ(fake.settings.writes, std::vector<std::string>{"Message=ON"});  // only the notice writes
}

TEST_F(DropRunTest, CompilerIsStartedHiddenOnTheProjectBesideIt) {
    AddPage("/pages/a.htm");
    Drop({"/pages/a.htm"});
    ASSERT_EQ(fake.processes.started.size(), 1u);
    EXPECT_EQ(fake.processes.started[0].program, "/opt/workshop/hhc");
    EXPECT_EQ(fake.processes.started[0].arguments, std::vector<std::string>{"/opt/workshop/Dummy.hhp"});
    EXPECT_EQ(fake.files.files["/opt/workshop/Dummy.hhp"], fake.files.files["/opt/tessaline/Dummy.hhp"]);
    EXPECT_EQ(compiler.last_project, *fake.codec->ToAnsi(ProjectFileText("/opt/tessaline/", "/pages/a.htm")));
    // Work files stay for the next run.
    EXPECT_TRUE(fake.files.files.count("/opt/tessaline/Dummy.chm"));
    EXPECT_TRUE(fake.files.files.count("/opt/tessaline/log1.log"));
}

TEST_F(DropRunTest, ReadOnlyPlacesUseThePerUserWorkFolder) {
    fake.files.read_only_folders = {"/opt/tessaline/", "/opt/workshop/"};
    AddPage("/pages/a.htm");
    Drop({"/pages/a.htm"});
    EXPECT_EQ(fake.processes.started.at(0).arguments,
              std::vector<std::string>{"/home/user/.cache/Quillvane/Dummy.hhp"});
    EXPECT_EQ(fake.files.files["/pages/a.chm"], "ITSF:/pages/a.htm");
}

TEST_F(DropRunTest, HeldLogCostsTheTwoSecondPauseWithoutRealSleeping) {
    compiler.work_ms = 4500;
    AddPage("/pages/a.htm");
    const int turns = fake.windows.pending_event_turns;
    Drop({"/pages/a.htm"});
    EXPECT_EQ(fake.files.files["/pages/a.chm"], "ITSF:/pages/a.htm");
    // A short settling moment, then three probes met the held log: three pauses of 2000 ms,
    // slept in slices so the window paints.
    EXPECT_EQ(fake.clock.slept, app.limits.settle_ms + 6000);
    EXPECT_GT(fake.windows.pending_event_turns - turns, 100);
}

TEST_F(DropRunTest, NoCompilerStoredRefusesEveryDropBeforeLookingAtFiles) {
    fake.settings.SetInfo("InstallPath", "");
    for (int drop = 0; drop < 2; ++drop) Drop({"/pages/a.txt"});
    ASSERT_EQ(fake.windows.messages.size(), 2u);
    EXPECT_EQ(fake.windows.messages[1].caption, "Vellastro");
    EXPECT_EQ(fake.windows.messages[1].icon, MessageIcon::question);
    EXPECT_EQ(Status(), "変換中");
    EXPECT_TRUE(fake.processes.started.empty());
}

TEST_F(DropRunTest, AFileThatIsNotAPageStopsTheRunThere) {
    fake.settings.SetInfo("EndOption", "close");
    AddPage("/pages/a.htm");
    AddPage("/pages/c.html");
    Drop({"/pages/a.htm", "/pages/b.txt", "/pages/c.html"});
    EXPECT_TRUE(fake.files.files.count("/pages/a.chm"));
    EXPECT_FALSE(fake.files.files.count("/pages/c.chm"));
    EXPECT_EQ(Status(), "変換中");
    EXPECT_EQ(notices, 0);
    EXPECT_TRUE(fake.windows.IsLoaded("Form1"));  // EndOption is not applied
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    EXPECT_NE(fake.windows.messages[0].text.find("/pages/b.txt"), std::string::npos);
}

TEST_F(DropRunTest, ExtensionsOtherThanHtmAndHtmlAreRefused) {
    for (const char* page : {"/pages/a.shtml", "/pages/a.xhtml", "/pages/a.htm ", "/pages/a", "/pages/a.htm.",
                             "/docs.old/readme"}) {
        fake.windows.messages.clear();
        Drop({page});
        EXPECT_EQ(fake.windows.messages.size(), 1u) << page;
    }
    EXPECT_TRUE(fake.processes.started.empty());
}

TEST_F(DropRunTest, AnEmptyDropEndsNormally) {
    Drop({});
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(Status(), "変換終了");
}

TEST_F(DropRunTest, MessageOffSkipsTheNoticeOnlyWhenExact) {
    const std::pair<const char*, int> cases[] = {{"OFF", 0}, {"off", 1}, {"", 1}, {"ON", 1}};
    for (auto [value, expected] : cases) {
        notices = 0;
        fake.settings.SetInfo("Message", value);
        Drop({});
        EXPECT_EQ(notices, expected) << value;
    }
}

TEST_F(DropRunTest, CloseAfterTheNoticeEndsTheMainWindow) {
    fake.settings.SetInfo("EndOption", "Close");
    Drop({});
    EXPECT_TRUE(fake.windows.IsLoaded("Form1"));
    fake.settings.SetInfo("EndOption", "close");
    bool open_during_notice = false;
    fake.windows.on_modal["diaEnd"] = [&](WindowId id) {
        open_during_notice = fake.windows.IsLoaded("Form1");
        fake.windows.UserClick(id, "OKButton");
    };
    Drop({});
    EXPECT_TRUE(open_during_notice);
    EXPECT_FALSE(fake.windows.IsLoaded("Form1"));
}

TEST_F(DropRunTest, FailedCompilationIsToldAndTheStaleOutputIsNeverCopied) {
    fake.files.files["/opt/tessaline/Dummy.chm"] = "stale from an earlier page";
    compiler.behaviour = testing::CompilerBehaviour::fail;
    AddPage("/pages/a.htm");
    AddPage("/pages/b.htm");
    Drop({"/pages/a.htm", "/pages/b.htm"});
    EXPECT_FALSE(fake.files.files.count("/pages/a.chm"));
    ASSERT_EQ(fake.windows.messages.size(), 2u);  // each page is told, the run goes on
    EXPECT_NE(fake.windows.messages[0].text.find("/pages/a.htm"), std::string::npos);
    EXPECT_NE(fake.windows.messages[0].text.find("HHC5003: Error"), std::string::npos);
    EXPECT_EQ(fake.windows.messages[0].caption, "Quillvane");
    EXPECT_EQ(notices, 0);  // no "finished" notice for a run that failed
    EXPECT_EQ(Status(), "変換終了");
}

// The log test alone cannot tell such a line from success: the old file must not be there.
TEST_F(DropRunTest, AStaleCompiledFileIsNeverCopiedWhateverTheLogSays) {
    fake.files.files["/opt/tessaline/Dummy.chm"] = "an earlier page's private content";
    compiler.behaviour = testing::CompilerBehaviour::misread;
    AddPage("/pages/a.htm");
    Drop({"/pages/a.htm"});
    EXPECT_FALSE(fake.files.files.count("/pages/a.chm"));
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    EXPECT_NE(fake.windows.messages[0].text.find("/pages/a.htm"), std::string::npos);
}

TEST_F(DropRunTest, AWorkFolderWithoutACodePageFormFallsBackToAPrivateOne) {
    fake.files.read_only_folders = {"/opt/tessaline/", "/opt/workshop/"};
    fake.program.user_work_folder = "/home/Jos\xc3\xa9/.cache/Quillvane/";
    AddPage("/pages/a.htm");
    Drop({"/pages/a.htm"});
    EXPECT_EQ(fake.processes.started.at(0).arguments, std::vector<std::string>{"/tmp/Quillvane-1000/Dummy.hhp"});
    EXPECT_EQ(fake.files.files["/pages/a.chm"], "ITSF:/pages/a.htm");
}

TEST_F(DropRunTest, HangingCompilerMeetsTheTimeLimit) {
    compiler.behaviour = testing::CompilerBehaviour::hang;
    fake.files.files["/opt/tessaline/Dummy.chm"] = "stale";
    AddPage("/pages/a.htm");
    Drop({"/pages/a.htm"});
    EXPECT_FALSE(fake.files.files.count("/pages/a.chm"));
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    EXPECT_NE(fake.windows.messages[0].text.find("制限時間"), std::string::npos);
    EXPECT_GE(fake.clock.slept, app.limits.time_limit_ms);
    EXPECT_EQ(fake.processes.stopped.size(), 1u);  // it cannot finish later over the next page
    EXPECT_LT(fake.clock.slept, app.limits.time_limit_ms + 2100);
}

TEST_F(DropRunTest, CompilerThatNeverWritesItsLogIsToldWithoutWaitingTheLimit) {
    compiler.behaviour = testing::CompilerBehaviour::no_log;
    compiler.log_delay_ms = 300;
    AddPage("/pages/a.htm");
    Drop({"/pages/a.htm"});
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    EXPECT_NE(fake.windows.messages[0].text.find("ログを作成せずに"), std::string::npos);
    EXPECT_LT(fake.clock.slept, 1000);
}

TEST_F(DropRunTest, CompilerThatCannotStartIsTold) {
    fake.processes.on_start = [](const auto&) -> Result<ProcessId> { return Error{"No such file"}; };
    AddPage("/pages/a.htm");
    Drop({"/pages/a.htm"});
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    EXPECT_NE(fake.windows.messages[0].text.find("/opt/workshop/hhc"), std::string::npos);
}

TEST_F(DropRunTest, StaleLogsFromAnEarlierRunAreClearedFirst) {
    fake.files.files["/opt/tessaline/log1.log"] = "Created /opt/tessaline/Dummy.chm (old)\r\n";
    fake.files.files["/opt/tessaline/log1.log.bak"] = "left by a crash\r\n";
    fake.files.files["/opt/tessaline/Dummy.chm"] = "stale";
    compiler.behaviour = testing::CompilerBehaviour::fail;
    compiler.log_delay_ms = 500;  // the old log would be read before the compiler makes its own
    AddPage("/pages/a.htm");
    Drop({"/pages/a.htm"});
    EXPECT_FALSE(fake.files.files.count("/pages/a.chm"));  // the old "Created" was not believed
    EXPECT_FALSE(fake.files.files.count("/opt/tessaline/log1.log.bak"));
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    // The failure told is this run's own, read from the compiler's new log.
    EXPECT_NE(fake.windows.messages[0].text.find("HHC5003"), std::string::npos) << fake.windows.messages[0].text;
}

TEST_F(DropRunTest, MissingPagesAndFoldersAreToldAndNothingIsWritten) {
    fake.files.folders.insert("/pages/folder.htm");
    const auto files_before = fake.files.files;
    Drop({"/pages/gone.htm", "/pages/folder.htm"});
    EXPECT_EQ(fake.windows.messages.size(), 2u);
    EXPECT_EQ(fake.files.files, files_before);
    EXPECT_TRUE(fake.processes.started.empty());
}

TEST_F(DropRunTest, NamesWithoutACodePageFormAreRefusedBeforeAnythingIsWritten) {
    AddPage("/pages/wave\xe3\x80\x9c.htm");
    AddPage("/pages/line\nbreak.htm");
    Drop({"/pages/wave\xe3\x80\x9c.htm", "/pages/line\nbreak.htm"});
    EXPECT_EQ(fake.windows.messages.size(), 2u);
    EXPECT_FALSE(fake.files.files.count("/opt/tessaline/Dummy.hhp"));
    EXPECT_TRUE(fake.processes.started.empty());
}

TEST_F(DropRunTest, OutputNeverReplacesAFileThatAppearsMeanwhile) {
    AddPage("/pages/a.htm");
    fake.files.folders.insert("/pages/a.chm");  // a folder does not count as taken, but cannot be replaced
    fake.files.files["/pages/a(1).chm"] = "hidden or read-only, still taken";
    Drop({"/pages/a.htm"});
    EXPECT_EQ(fake.files.files["/pages/a(1).chm"], "hidden or read-only, still taken");
    EXPECT_EQ(fake.files.files["/pages/a(2).chm"], "ITSF:/pages/a.htm");
}

TEST_F(DropRunTest, OutputFolderThatCannotBeWrittenIsTold) {
    AddPage("/ro/a.htm");
    fake.files.read_only_folders.insert("/ro/");
    Drop({"/ro/a.htm"});
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    EXPECT_NE(fake.windows.messages[0].text.find("/ro/a.chm"), std::string::npos);
}

TEST_F(DropRunTest, ASecondDropDuringARunIsNotTaken) {
    AddPage("/pages/a.htm");
    AddPage("/pages/b.htm");
    bool nested = false;
    fake.clock.on_advance = [&, inner = fake.clock.on_advance](std::int64_t now) {
        inner(now);
        if (!nested) {
            nested = true;
            fake.windows.UserDrop(window, "Frame1", {"/pages/b.htm"});
            fake.windows.UserClick(window, "coClose");
        }
    };
    Drop({"/pages/a.htm"});
    EXPECT_TRUE(fake.files.files.count("/pages/a.chm"));
    EXPECT_FALSE(fake.files.files.count("/pages/b.chm"));
    EXPECT_FALSE(fake.windows.quit);
}

}  // namespace
}  // namespace tess
