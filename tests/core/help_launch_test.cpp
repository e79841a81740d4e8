#include "windows/help_launch.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_services.h"

namespace tess {
namespace {

using testing::FakePlatform;
using Value = testing::FakeRegistry::Value;

TEST(GetKeyValue, CutsTheTerminatorOnTheBytesAndHonoursTheTypes) {
    struct Case {
        Value stored;
        bool ok;
        std::string text;
    };
    const Case cases[] = {
        {{kRegSz, std::string("ABCDEFGH\0", 9)}, true, "ABCDEFGH"},
        {{kRegSz, "ABCDEFGH"}, true, "ABCDEFGH"},
        {{kRegSz, std::string("C:\\\x93\xfa\x96\x7b\0", 8)}, true, "C:\\日本"},
        {{kRegDword, std::string("\x2a\x00\x00\x00", 4)}, true, "42"},
        {{kRegExpandSz, std::string("%X%\0", 4)}, true, "before"},  // other types leave the text alone
        {{kRegSz, std::string(1023, 'a') + '\0'}, true, std::string(1023, 'a')},
        {{kRegSz, std::string(1024, 'a') + '\0'}, false, ""},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        fake.registry.SetValue(RegRoot::local_machine, kSysInfoPathKey, kSysInfoPathValue, c.stored);
        std::string text = "before";
        EXPECT_EQ(GetKeyValue(fake.platform, RegRoot::local_machine, kSysInfoPathKey, kSysInfoPathValue, text), c.ok);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(fake.registry.open_keys, 0);  // closed on every path
        EXPECT_EQ(fake.registry.access_asked, std::vector<std::uint32_t>{kKeyRead});
    }
    FakePlatform none;
    std::string text = "before";
    EXPECT_FALSE(GetKeyValue(none.platform, RegRoot::local_machine, "No\\Such\\Key", "X", text));
    EXPECT_EQ(text, "");
}

class SysInfoTest : public ::testing::Test {
protected:
    void Path(const std::string& path) {
        fake.registry.SetString(RegRoot::local_machine, kSysInfoPathKey, kSysInfoPathValue, path);
    }
    void Folder(const std::string& folder) {
        fake.registry.SetString(RegRoot::local_machine, kSysInfoFolderKey, kSysInfoFolderValue, folder);
    }
    bool ToldUnavailable() {
        return fake.windows.messages.size() == 1 && fake.windows.messages[0].text == "現時点ではｼｽﾃﾑ情報を使用できません" &&
               fake.windows.messages[0].caption == "Quillvane" && fake.windows.messages[0].icon == MessageIcon::none;
    }
    FakePlatform fake;
};

TEST_F(SysInfoTest, ANormallyStartedProgramFindsTheToolUnderTheMachineKeys) {
    for (bool read_only : {true, false}) {
        FakePlatform user;
        user.registry.machine_keys_read_only = read_only;
        user.registry.SetString(RegRoot::local_machine, kSysInfoFolderKey, kSysInfoFolderValue, "/tools");
        user.files.files["/tools/MSINFO32.EXE"] = "x";
        user.processes.startable.insert("/tools/MSINFO32.EXE");
        StartSysInfo(user.platform, kNoWindow, "Quillvane");
        EXPECT_EQ(user.processes.command_lines, std::vector<std::string>{"/tools/MSINFO32.EXE"}) << read_only;
        EXPECT_TRUE(user.windows.messages.empty()) << read_only;
    }
}

TEST_F(SysInfoTest, PathValueIsStartedAsItIs) {
    Path("/usr/bin/sysinfo tool");
    fake.processes.startable.insert("/usr/bin/sysinfo tool");
    StartSysInfo(fake.platform, kNoWindow, "Quillvane");
    EXPECT_EQ(fake.processes.command_lines, std::vector<std::string>{"/usr/bin/sysinfo tool"});
    EXPECT_TRUE(fake.windows.messages.empty());
}

TEST_F(SysInfoTest, PathThatCannotStartIsToldAndTheFolderIsNotTried) {
    Path("/missing/tool");
    Folder("/tools");
    fake.files.files["/tools/MSINFO32.EXE"] = "x";
    fake.processes.startable.insert("/tools/MSINFO32.EXE");
    StartSysInfo(fake.platform, kNoWindow, "Quillvane");
    EXPECT_EQ(fake.processes.command_lines, std::vector<std::string>{"/missing/tool"});
    EXPECT_TRUE(ToldUnavailable());
}

TEST_F(SysInfoTest, FolderValueWithTheToolInsideIsStarted) {
    Folder("/tools");
    fake.files.files["/tools/MSINFO32.EXE"] = "x";
    fake.processes.startable.insert("/tools/MSINFO32.EXE");
    StartSysInfo(fake.platform, kNoWindow, "Quillvane");
    EXPECT_EQ(fake.processes.command_lines, std::vector<std::string>{"/tools/MSINFO32.EXE"});
}

TEST_F(SysInfoTest, FolderWithoutAVisibleToolOrNothingAtAllIsTold) {
    Folder("/tools");
    StartSysInfo(fake.platform, kNoWindow, "Quillvane");
    EXPECT_TRUE(ToldUnavailable());
    EXPECT_TRUE(fake.processes.command_lines.empty());
}

TEST_F(SysInfoTest, AValueOfAnotherTypeStartsNothingAndIsTold) {
    fake.registry.SetValue(RegRoot::local_machine, kSysInfoPathKey, kSysInfoPathValue,
                           {kRegExpandSz, std::string("%SystemRoot%\\x.exe\0", 19)});
    StartSysInfo(fake.platform, kNoWindow, "Quillvane");
    EXPECT_EQ(fake.processes.command_lines, std::vector<std::string>{""});
    EXPECT_TRUE(ToldUnavailable());
}

}  // namespace
}  // namespace tess
