#include "settings/compiler_location.h"

#include <gtest/gtest.h>

#include "settings/compiler_missing_message.h"
#include "tests/fakes/fake_services.h"

namespace tess {
namespace {

using testing::FakePlatform;

class CompilerLocationTest : public ::testing::Test {
protected:
    void Install(const std::string& ansi_folder) {
        fake.registry.SetString(RegRoot::current_user, kHelpWorkshopKey, kInstallDirValue, ansi_folder);
    }
    WindowId Window() {
        static FormEvents events;
        FormSpec table;
        table.name = "caller";
        table.controls = {{.name = "Text1", .kind = ControlKind::text_box}, {.name = "Label1"}};
        return fake.windows.Create(table, events);
    }

    FakePlatform fake;
    SettingsStore settings{fake.settings, fake.windows, "Quillvane"};
};

TEST_F(CompilerLocationTest, FirstStartStoresPathAndFolderAndShowsTheFolder) {
    Install("/opt/workshop");
    const WindowId w = Window();
    LocateHelpCompiler(fake.platform, settings, LocateCaller::main_window, w);
    EXPECT_EQ(fake.settings.writes,
              (std::vector<std::string>{"InstallPath=/opt/workshop/hhc", "InstallPathF=/opt/workshop"}));
    EXPECT_EQ(fake.windows.Window(w).captions["Text1"], "/opt/workshop");
    EXPECT_TRUE(fake.windows.messages.empty());
    EXPECT_EQ(fake.registry.access_asked, std::vector<std::uint32_t>{kKeyQueryValue});
    EXPECT_EQ(fake.registry.open_keys, 0);
}

TEST_F(CompilerLocationTest, MainWindowNeverReplacesAStoredPath) {
    Install("/new/place");
    fake.settings.SetInfo("InstallPath", "/old/hhc");
    const WindowId w = Window();
    LocateHelpCompiler(fake.platform, settings, LocateCaller::main_window, w);
    EXPECT_TRUE(fake.settings.writes.empty());
    EXPECT_EQ(fake.windows.Window(w).captions["Text1"], "/new/place");  // shown whatever is stored
}

TEST_F(CompilerLocationTest, DialogAlwaysReplacesAndShowsTheFullPath) {
    Install("/new/place/");
    fake.settings.SetInfo("InstallPath", "/old/hhc");
    const WindowId w = Window();
    const int turns = fake.windows.pending_event_turns;
    LocateHelpCompiler(fake.platform, settings, LocateCaller::options_dialog, w);
    // A folder ending in a separator keeps it, and the full path gets two.
    EXPECT_EQ(fake.settings.Info("InstallPath"), "/new/place//hhc");
    EXPECT_EQ(fake.settings.Info("InstallPathF"), "/new/place/");
    EXPECT_EQ(fake.windows.Window(w).captions["Label1"], "/new/place//hhc");
    EXPECT_EQ(fake.windows.pending_event_turns, turns + 1);
}

TEST_F(CompilerLocationTest, BufferOf250BytesHoldsA249ByteFolder) {
    const std::pair<std::size_t, bool> cases[] = {{249, true}, {250, false}, {400, false}, {0, true}};
    for (auto [length, found] : cases) {
        FakePlatform local;
        local.registry.SetString(RegRoot::current_user, kHelpWorkshopKey, kInstallDirValue, std::string(length, 'a'));
        EXPECT_EQ(FindHelpCompiler(local.platform).has_value(), found) << length;
    }
    FakePlatform empty;
    empty.registry.SetString(RegRoot::current_user, kHelpWorkshopKey, kInstallDirValue, "");
    EXPECT_EQ(FindHelpCompiler(empty.platform)->program, "/hhc");  // an empty folder is still a success
}

TEST_F(CompilerLocationTest, FolderEndsAtTheFirstNulAndIsDecodedFromCodePage932) {
    fake.registry.SetValue(RegRoot::current_user, kHelpWorkshopKey, kInstallDirValue,
                           {kRegSz, std::string("/opt/\x93\xfa\x96\x7b\0junk", 14)});
    EXPECT_EQ(FindHelpCompiler(fake.platform)->folder, "/opt/日本");
}

TEST_F(CompilerLocationTest, MissingCompilerShowsTheFourLineMessageAndStoresNothing) {
    fake.settings.SetInfo("InstallPath", "/old/hhc");
    const WindowId w = Window();
    fake.windows.Window(w).captions["Label1"] = "/old/hhc";
    LocateHelpCompiler(fake.platform, settings, LocateCaller::options_dialog, w);
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    const auto& m = fake.windows.messages[0];
    EXPECT_EQ(m.caption, "Vellastro");
    EXPECT_EQ(m.icon, MessageIcon::question);
    EXPECT_EQ(m.text,
              "『HTML Help Workshop』のインストールが確認できません。\r\n"
              "『HTML Help Workshop』をインストールされていない端末では\r\n"
              "このソフトは実行できません。\r\n"
              "インストール方法は本ソフトウェアのヘルプに記載されています。");
    EXPECT_TRUE(fake.settings.writes.empty());
    EXPECT_EQ(fake.settings.Info("InstallPath"), "/old/hhc");
    EXPECT_EQ(fake.windows.Window(w).captions["Label1"], "");  // blank although the stored path stays
}

}  // namespace
}  // namespace tess
