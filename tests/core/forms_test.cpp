#include <gtest/gtest.h>

#include "app/form1.h"
#include "app/identity.h"
#include "app/frmstart.h"
#include "windows/dialog.h"
#include "tests/core/app_fixture.h"
#include "windows/dia_end.h"
#include "windows/frm_about.h"

namespace tess {
namespace {

using testing::AppTest;

class StartTest : public AppTest {};

TEST_F(StartTest, SecondInstanceIsWarnedAndNothingElseHappens) {
    fake.instance.other_running = true;
    EXPECT_EQ(TessalineMain(fake.platform), 0);
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    EXPECT_EQ(fake.windows.messages[0].text, "すでに「Quillvane」は起動されています。");
    EXPECT_EQ(fake.windows.messages[0].caption, "Quillvane");
    EXPECT_EQ(fake.windows.messages[0].icon, MessageIcon::exclamation);
    EXPECT_TRUE(fake.windows.shown.empty());
    EXPECT_TRUE(fake.settings.writes.empty());
    EXPECT_FALSE(fake.windows.run_called);
}

TEST_F(StartTest, SplashShowsUnlessExactlyOff) {
    for (const char* value : {"", "ON", "off", "Off"}) {
        testing::FakePlatform local;
        local.settings.SetInfo("StartSplash", value);
        App local_app(local.platform, Identity());
        FrmStart start(local_app);
        start.Load();
        EXPECT_TRUE(start.loaded()) << value;
        const WindowId splash = local.windows.Find("frmstart");
        ASSERT_NE(splash, kNoWindow);
        EXPECT_TRUE(local.windows.Window(splash).visible);
        EXPECT_TRUE(local.windows.Checked(splash, "Check1"));
        EXPECT_FALSE(local.windows.IsLoaded("Form1"));
        EXPECT_EQ(local.windows.Window(splash).caption, "Tessaline ");
    }
}

TEST_F(StartTest, SplashOkStoresTheChoiceOpensTheMainWindowAndUnloads) {
    const std::pair<bool, const char*> cases[] = {{true, "ON"}, {false, "OFF"}};
    for (auto [keep_checked, stored] : cases) {
        testing::FakePlatform local;
        App local_app(local.platform, Identity());
        FrmStart start(local_app);
        start.Load();
        ASSERT_TRUE(start.loaded());
        const WindowId splash = local.windows.Find("frmstart");
        if (!keep_checked) local.windows.UserClick(splash, "Check1");
        local.windows.UserClick(splash, "Command1");
        EXPECT_EQ(local.settings.Info("StartSplash"), stored);
        EXPECT_FALSE(local.windows.IsLoaded("frmstart"));
        const WindowId main = local.windows.Find("Form1");
        ASSERT_NE(main, kNoWindow);
        EXPECT_TRUE(local.windows.Window(main).visible);
        EXPECT_FALSE(local.windows.Window(main).modal);
    }
}

TEST_F(StartTest, SplashCloseBoxEndsWithoutWritingOrOpening) {
    fake.settings.SetInfo("StartSplash", "ON");
    FrmStart start(app);
    start.Load();
    ASSERT_TRUE(start.loaded());
    fake.windows.UserClose(fake.windows.Find("frmstart"));
    EXPECT_FALSE(fake.windows.IsLoaded("Form1"));
    EXPECT_EQ(fake.settings.Info("StartSplash"), "ON");
    EXPECT_EQ(std::count(fake.settings.writes.begin(), fake.settings.writes.end(), "StartSplash=ON"), 0);
}

TEST_F(StartTest, OffGoesStraightToTheMainWindowModally) {
    fake.settings.SetInfo("StartSplash", "OFF");
    bool main_was_modal = false;
    fake.windows.on_modal["Form1"] = [&](WindowId id) {
        main_was_modal = true;
        EXPECT_FALSE(fake.windows.Window(fake.windows.Find("frmstart")).visible);
        fake.windows.UserClick(id, "coClose");
    };
    EXPECT_EQ(TessalineMain(fake.platform), 0);
    EXPECT_TRUE(main_was_modal);
    EXPECT_TRUE(fake.windows.quit);
    EXPECT_FALSE(fake.windows.IsLoaded("frmstart"));
    EXPECT_EQ(fake.windows.shown, std::vector<std::string>{"Form1"});
}

TEST_F(StartTest, StartFormIsCentred) {
    FrmStart start(app);
    start.Load();
    ASSERT_TRUE(start.loaded());
    const auto& w = fake.windows.Window(fake.windows.Find("frmstart"));
    // (15360 - 7410) / 2, (11520 - 5085) / 2 with the fake's frame
    EXPECT_EQ(w.left, 3975);
    EXPECT_EQ(w.top, 3217);
}

class MainWindowTest : public AppTest {
protected:
    WindowId Open() {
        main = std::make_unique<Form1>(app);
        main->ShowModeless();
        return main->id();
    }
    std::unique_ptr<Form1> main;
};

TEST_F(MainWindowTest, LoadSetsCaptionFolderCompilerAndEndOption) {
    fake.program.executable_folder = "/opt/tessaline";
    const WindowId w = Open();
    EXPECT_EQ(fake.windows.Window(w).caption, "Tessaline  Ver 1. 1");
    EXPECT_EQ(main->ProgramFolder(), "/opt/tessaline/");
    EXPECT_EQ(fake.settings.writes, (std::vector<std::string>{"InstallPath=/opt/workshop/hhc",
                                                              "InstallPathF=/opt/workshop", "EndOption=open"}));
    EXPECT_EQ(fake.windows.CaptionOf("Form1", "Text1"), "/opt/workshop");
    EXPECT_EQ(fake.windows.CaptionOf("Form1", "Label2"), "");
    EXPECT_EQ(fake.windows.Window(w).left, (15360 - 4485) / 2);
}

TEST_F(MainWindowTest, RootFolderKeepsItsSingleSeparatorAndCloseIsKept) {
    fake.program.executable_folder = "/";
    fake.settings.SetInfo("EndOption", "close");
    Open();
    EXPECT_EQ(main->ProgramFolder(), "/");
    EXPECT_EQ(fake.settings.Info("EndOption"), "close");
}

TEST_F(MainWindowTest, MissingCompilerIsToldBeforeTheWindowShows) {
    fake.registry.keys.clear();
    Open();
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    EXPECT_EQ(fake.windows.messages[0].caption, "Vellastro");
    EXPECT_EQ(fake.windows.shown, std::vector<std::string>{"Form1"});  // opens normally after it
    EXPECT_EQ(fake.settings.Info("EndOption"), "open");
}

TEST_F(MainWindowTest, ResizeSetsARoundedRegionEachTime) {
    const WindowId w = Open();
    fake.windows.Window(w).events->Resize();
    fake.windows.Window(w).events->Resize();
    EXPECT_EQ(fake.windows.Window(w).regions.size(), 2u);
    EXPECT_EQ(fake.windows.Window(w).regions[0], (std::vector<int>{299, 231, 20, 20}));
}

TEST_F(MainWindowTest, CloseEndsTheProgramWithoutAQuestion) {
    const WindowId w = Open();
    fake.windows.UserClick(w, "coClose");
    EXPECT_TRUE(fake.windows.quit);
    EXPECT_TRUE(fake.windows.messages.empty());
}

TEST_F(MainWindowTest, OptionAndHelpOpenTheirBoxesModally) {
    const WindowId w = Open();
    fake.windows.on_modal["Dialog"] = [&](WindowId id) { fake.windows.UserClick(id, "CancelButton"); };
    fake.windows.on_modal["frmAbout"] = [&](WindowId id) { fake.windows.UserClick(id, "cmdOK"); };
    fake.windows.UserClick(w, "coOption");
    fake.windows.UserClick(w, "coHelp");
    EXPECT_EQ(fake.windows.shown, (std::vector<std::string>{"Form1", "Dialog", "frmAbout"}));
    EXPECT_FALSE(fake.windows.IsLoaded("Dialog"));
    EXPECT_FALSE(fake.windows.IsLoaded("frmAbout"));
}

TEST(Form1Table, ControlsInTabOrderWithTheirTooltips) {
    const FormSpec f = Form1Spec();
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"coClose", "終了"}, {"coHelp", "バージョンとヘルプ"}, {"Frame1", "ドラッグ&ドロップしてください"},
        {"coOption", "設定"}, {"Label2", ""}, {"Text1", ""}};
    ASSERT_EQ(f.controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(f.controls[i].name, expected[i].first);
        EXPECT_EQ(f.controls[i].tooltip, expected[i].second);
        EXPECT_EQ(f.controls[i].tab_index, static_cast<int>(i));
    }
    EXPECT_EQ(f.Find("Frame1")->caption, "ここへHtmlファイルをドラッグ&&ドロップしてください");
    EXPECT_EQ(f.Find("Label2")->fore_color, 0x000040C0u);
    EXPECT_EQ(f.client_width, 4395);
    EXPECT_FALSE(f.in_taskbar);
}

class OptionsTest : public AppTest {
protected:
    // Opens the dialog, lets `act` play the user, returns what the controls showed at load.
    std::map<std::string, std::string> Run(const std::function<void(WindowId)>& act) {
        std::map<std::string, std::string> seen;
        fake.windows.on_modal["Dialog"] = [&](WindowId id) {
            for (const char* c : {"Check1", "Check2", "Check3"})
                seen[c] = fake.windows.Checked(id, c) ? "checked" : "unchecked";
            seen["Label1"] = fake.windows.Caption(id, "Label1");
            act(id);
        };
        Dialog dialog(app);
        dialog.ShowModal();
        return seen;
    }
};

TEST_F(OptionsTest, NothingStoredOpensWithDefaultsAndOkStoresThem) {
    auto seen = Run([&](WindowId id) { fake.windows.UserClick(id, "OKButton"); });
    EXPECT_EQ(seen["Check1"], "unchecked");
    EXPECT_EQ(seen["Check2"], "unchecked");
    EXPECT_EQ(seen["Check3"], "checked");
    EXPECT_EQ(seen["Label1"], "");
    EXPECT_EQ(fake.settings.writes, (std::vector<std::string>{"EndOption=open", "StartSplash=OFF", "Message=ON"}));
    EXPECT_FALSE(fake.windows.IsLoaded("Dialog"));
}

TEST_F(OptionsTest, OnlyExactValuesCheckTheBoxes) {
    struct Case {
        const char *end, *splash, *message, *c1, *c2, *c3;
    };
    const Case cases[] = {{"close", "ON", "OFF", "checked", "checked", "unchecked"},
                          {"Close", "on", "off", "unchecked", "unchecked", "checked"}};
    for (const auto& c : cases) {
        fake.settings.SetInfo("EndOption", c.end);
        fake.settings.SetInfo("StartSplash", c.splash);
        fake.settings.SetInfo("Message", c.message);
        fake.settings.SetInfo("InstallPath", "/x/hhc");
        auto seen = Run([&](WindowId id) { fake.windows.UserClick(id, "CancelButton"); });
        EXPECT_EQ(seen["Check1"], c.c1);
        EXPECT_EQ(seen["Check2"], c.c2);
        EXPECT_EQ(seen["Check3"], c.c3);
        EXPECT_EQ(seen["Label1"], "/x/hhc");
    }
    EXPECT_TRUE(fake.settings.writes.empty());  // Cancel writes nothing
}

TEST_F(OptionsTest, OkTurnsWhatTheBoxesShowIntoRecognisedValues) {
    fake.settings.SetInfo("EndOption", "Close");
    Run([&](WindowId id) {
        fake.windows.UserClick(id, "Check1");
        fake.windows.UserClick(id, "Check2");
        fake.windows.UserClick(id, "Check3");
        fake.windows.UserClick(id, "OKButton");
    });
    EXPECT_EQ(fake.settings.writes, (std::vector<std::string>{"EndOption=close", "StartSplash=ON", "Message=OFF"}));
}

TEST_F(OptionsTest, CloseBoxWritesNothing) {
    Run([&](WindowId id) { fake.windows.UserClose(id); });
    EXPECT_TRUE(fake.settings.writes.empty());
}

TEST_F(OptionsTest, RedetectStoresAtOnceEvenWhenCancelled) {
    fake.settings.SetInfo("InstallPath", "/old/hhc");
    std::string label;
    Run([&](WindowId id) {
        fake.windows.UserClick(id, "Command1");
        label = fake.windows.Caption(id, "Label1");
        EXPECT_EQ(fake.windows.Caption(id, "Text1"), "/opt/workshop");
        fake.windows.UserClick(id, "CancelButton");
    });
    EXPECT_EQ(label, "/opt/workshop/hhc");
    EXPECT_EQ(fake.settings.Info("InstallPath"), "/opt/workshop/hhc");
    EXPECT_EQ(fake.settings.Info("InstallPathF"), "/opt/workshop");
}

TEST_F(OptionsTest, RedetectWithoutCompilerBlanksTheLabelAndKeepsTheStore) {
    fake.registry.keys.clear();
    fake.settings.SetInfo("InstallPath", "/old/hhc");
    std::string label = "unset";
    Run([&](WindowId id) {
        fake.windows.UserClick(id, "Command1");
        label = fake.windows.Caption(id, "Label1");
        EXPECT_TRUE(fake.windows.IsLoaded("Dialog"));  // the dialog stays open
        fake.windows.UserClick(id, "OKButton");
    });
    EXPECT_EQ(label, "");
    EXPECT_EQ(fake.windows.messages.size(), 1u);
    EXPECT_EQ(fake.settings.Info("InstallPath"), "/old/hhc");
}

class NoticeTest : public AppTest {};

TEST_F(NoticeTest, OkStoresTheChoiceCloseBoxStoresNothing) {
    struct Case {
        const char* stored;
        bool tick;
        bool ok;
        bool opened_checked;
        const char* after;
    };
    const Case cases[] = {{"", false, true, false, "ON"},     {"off", false, true, false, "ON"},
                          {"ON", true, true, false, "OFF"},   {"OFF", false, true, true, "OFF"},
                          {"ON", true, false, false, "ON"}};
    for (const auto& c : cases) {
        testing::FakePlatform local;
        App local_app(local.platform, Identity());
        local.settings.SetInfo("Message", c.stored);
        bool opened_checked = false;
        local.windows.on_modal["diaEnd"] = [&](WindowId id) {
            opened_checked = local.windows.Checked(id, "Check1");
            if (c.tick) local.windows.UserClick(id, "Check1");
            if (c.ok) local.windows.UserClick(id, "OKButton");
            else local.windows.UserClose(id);
        };
        DiaEnd notice(local_app);
        notice.ShowModal();
        EXPECT_EQ(opened_checked, c.opened_checked) << c.stored;
        EXPECT_EQ(local.settings.Info("Message"), c.after) << c.stored;
        EXPECT_FALSE(local.windows.IsLoaded("diaEnd"));
    }
}

class AboutTest : public AppTest {
protected:
    void Open(const std::function<void(WindowId)>& act) {
        fake.windows.on_modal["frmAbout"] = act;
        FrmAbout about(app);
        about.ShowModal();
    }
};

TEST_F(AboutTest, ShowsTitleAndVersionEveryTime) {
    for (int showing = 0; showing < 2; ++showing) {
        Open([&](WindowId id) {
            EXPECT_EQ(fake.windows.Window(id).caption, "Tessalineのﾊﾞｰｼﾞｮﾝ情報");
            EXPECT_EQ(fake.windows.Caption(id, "lblVersion"), "ﾊﾞｰｼﾞｮﾝ 1.1.0");
            EXPECT_EQ(fake.windows.Caption(id, "lblTitle"), "Tessaline");
            fake.windows.UserClick(id, "cmdOK");
        });
    }
    EXPECT_EQ(VersionLabel({2, 10, 7}), "ﾊﾞｰｼﾞｮﾝ 2.10.7");
    const FormSpec table = FrmAboutSpec();
    EXPECT_TRUE(table.Find("cmdOK")->is_default);
    EXPECT_TRUE(table.Find("cmdOK")->is_cancel);  // Enter and Escape both close
}

TEST_F(AboutTest, HelpOpensTheProgramsHelpFileAndStaysOpen) {
    fake.program.executable_folder = "/opt/tessaline";
    Open([&](WindowId id) {
        fake.windows.UserClick(id, "coHelp");
        fake.windows.UserClick(id, "coHelp");
        EXPECT_TRUE(fake.windows.IsLoaded("frmAbout"));
        fake.windows.UserClose(id);
    });
    EXPECT_EQ(fake.processes.documents_opened,
              (std::vector<std::string>{"/opt/tessaline/Help.chm", "/opt/tessaline/Help.chm"}));
    EXPECT_TRUE(fake.windows.messages.empty());
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

class AboutSysInfoTest : public testing::AppTest {};

TEST_F(AboutSysInfoTest, SystemInformationButtonStartsTheToolOrSaysItCannot) {
    fake.windows.on_modal["frmAbout"] = [&](WindowId id) {
        fake.windows.UserClick(id, "cmdSysInfo");  // nothing registered
        fake.registry.SetString(RegRoot::local_machine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                                "/usr/bin/sysinfo");
        fake.processes.startable.insert("/usr/bin/sysinfo");
        fake.windows.UserClick(id, "cmdSysInfo");
        EXPECT_TRUE(fake.windows.IsLoaded("frmAbout"));  // the box stays open and usable
        fake.windows.UserClick(id, "cmdOK");
    };
    FrmAbout about(app);
    about.ShowModal();
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    EXPECT_EQ(fake.windows.messages[0].text, "現時点ではｼｽﾃﾑ情報を使用できません");
    EXPECT_EQ(fake.processes.command_lines, std::vector<std::string>{"/usr/bin/sysinfo"});
}

}  // namespace
}  // namespace tess
