#include <gtest/gtest.h>

#include "app/form1.h"
#include "convert/project_file.h"
#include "tests/core/app_fixture.h"
#include "tests/support/compiler_faults.h"

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

// Each fault as the fake compiler acts it out, over an earlier page's compiled file.
TEST_F(DropRunTest, EachCompilerFaultIsToldAndNothingIsPlaced) {
    using testing::CompilerBehaviour;
    using testing::CompilerFault;
    for (const auto& c : testing::kCompilerFaults) {
        SCOPED_TRACE(c.name);
        compiler.Install();
        switch (c.fault) {
        case CompilerFault::fails: compiler.behaviour = CompilerBehaviour::fail; break;
        case CompilerFault::crashes: compiler.behaviour = CompilerBehaviour::crash; break;
        case CompilerFault::ends_without_created: compiler.behaviour = CompilerBehaviour::no_created; break;
        case CompilerFault::never_writes_log: compiler.behaviour = CompilerBehaviour::no_log; break;
        case CompilerFault::hangs: compiler.behaviour = CompilerBehaviour::hang; break;
        case CompilerFault::misread_created: compiler.behaviour = CompilerBehaviour::misread; break;
        case CompilerFault::cannot_start:
            fake.processes.on_start = [](const auto&) -> Result<ProcessId> { return Error{"No such file"}; };
            break;
        }
        fake.windows.messages.clear();
        notices = 0;
        fake.files.files["/opt/tessaline/Dummy.chm"] = "an earlier page's private content";
        const std::string page = "/pages/" + std::string(c.name) + ".htm";
        AddPage(page);
        Drop({page});
        EXPECT_FALSE(fake.files.files.count("/pages/" + std::string(c.name) + ".chm"));
        EXPECT_NE(fake.files.files["/opt/tessaline/Dummy.chm"], "an earlier page's private content");
        EXPECT_EQ(fake.windows.messages.size(), 1u);  // no ASSERT: the next rows must still run
        const std::string told = fake.windows.messages.empty() ? "" : fake.windows.messages[0].text;
        EXPECT_NE(told.find(page), std::string::npos) << told;
        EXPECT_NE(told.find(c.told), std::string::npos) << told;
        if (c.log_shown) {
            EXPECT_NE(told.find(c.log_shown), std::string::npos) << told;
        }
        EXPECT_EQ(fake.windows.messages.empty() ? "" : fake.windows.messages[0].caption, "Quillvane");
        EXPECT_EQ(notices, 0);  // no "finished" notice for a run that failed
        EXPECT_EQ(Status(), "変換終了");
        EXPECT_TRUE(fake.processes.running.empty());  // none left to finish over the next page
    }
}

TEST_F(DropRunTest, AFailedPageIsToldAndTheRunGoesOn) {
    compiler.behaviour = testing::CompilerBehaviour::fail;
    AddPage("/pages/a.htm");
    AddPage("/pages/b.htm");
    Drop({"/pages/a.htm", "/pages/b.htm"});
    ASSERT_EQ(fake.windows.messages.size(), 2u);
    EXPECT_NE(fake.windows.messages[1].text.find("/pages/b.htm"), std::string::npos);
}

TEST_F(DropRunTest, AWorkFolderWithoutACodePageFormFallsBackToAPrivateOne) {
    fake.files.read_only_folders = {"/opt/tessaline/", "/opt/workshop/"};
    fake.program.user_work_folder = "/home/Jos\xc3\xa9/.cache/Quillvane/";
    AddPage("/pages/a.htm");
    Drop({"/pages/a.htm"});
    EXPECT_EQ(fake.processes.started.at(0).arguments, std::vector<std::string>{"/tmp/Quillvane-1000/Dummy.hhp"});
    EXPECT_EQ(fake.files.files["/pages/a.chm"], "ITSF:/pages/a.htm");
}

TEST_F(DropRunTest, AHangingCompilerIsStoppedAtTheTimeLimit) {
    compiler.behaviour = testing::CompilerBehaviour::hang;
    AddPage("/pages/a.htm");
    Drop({"/pages/a.htm"});
    EXPECT_GE(fake.clock.slept, app.limits.time_limit_ms);
    EXPECT_EQ(fake.processes.stopped.size(), 1u);
    EXPECT_LT(fake.clock.slept, app.limits.time_limit_ms + 2100);
}

TEST_F(DropRunTest, CompilerThatNeverWritesItsLogIsToldWithoutWaitingTheLimit) {
    compiler.behaviour = testing::CompilerBehaviour::no_log;
    compiler.log_delay_ms = 300;
    AddPage("/pages/a.htm");
    Drop({"/pages/a.htm"});
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    EXPECT_LT(fake.clock.slept, 1000);
}

TEST_F(DropRunTest, ACompilerThatCannotStartIsNamed) {
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
