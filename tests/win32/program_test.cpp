// The Windows program itself, started as a user starts it: its first windows, its settings
// in the registry, and the refusal of a second instance. Windows are read and answered from
// here as a user would, through their titles and buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "app/identity.h"

#include "child_process.h"
#include "program_windows.h"
#include "temp_folder.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_settings_backend.h"

namespace tess::testing {
namespace {

using win32::Narrow;
using win32::Widen;

std::string BuiltProgram() {
    std::string path = ChildProgram();
    return path.substr(0, path.find_last_of('\\') + 1) + "tessaline.exe";
}

class Program {
public:
    explicit Program(const std::string& path = BuiltProgram()) {
        std::wstring line = L"\"" + Widen(path) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_);
    }
    ~Program() {
        if (!started_) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 9);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    bool started() const { return started_; }
    DWORD pid() const { return info_.dwProcessId; }
    bool Ended(DWORD ms = 30000) { return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }
    void Kill() { TerminateProcess(info_.hProcess, 9); }

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

void Click(HWND window, const std::string& caption) {
    HWND button = FindWindowExW(window, nullptr, L"Button", Widen(caption).c_str());
    ASSERT_NE(button, nullptr) << caption;
    PostMessageW(button, BM_CLICK, 0, 0);
}

std::string MessageText(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);
    if (!text) text = GetDlgItem(box, 100);
    wchar_t buffer[512] = {};
    if (text) GetWindowTextW(text, buffer, 512);
    return Narrow(buffer);
}

class Win32WindowProgramTest : public ::testing::Test {
protected:
    win32::Win32SettingsBackend settings;

    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
        ASSERT_TRUE(SetWorkshopFolder("C:\\HTML Help Workshop"));
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, kWorkshopKey);
    }
};

TEST_F(Win32WindowProgramTest, TheSplashLeadsToTheMainWindowAndStoresItsChoice) {
    Program program;
    ASSERT_TRUE(program.started());
    HWND splash = WaitForWindow(program.pid(), "Tessaline ");
    ASSERT_NE(splash, nullptr) << "no splash";
    Click(splash, "OK");
    HWND main = WaitForWindow(program.pid(), "Tessaline  Ver 1. 1");
    ASSERT_NE(main, nullptr) << "no main window";
    EXPECT_EQ(settings.Get("Quillvane", "info", "StartSplash"), "ON");
    EXPECT_EQ(settings.Get("Quillvane", "info", "EndOption"), "open");
    EXPECT_EQ(settings.Get("Quillvane", "info", "InstallPath"), "C:\\HTML Help Workshop\\hhc.exe");
    EXPECT_EQ(settings.Get("Quillvane", "info", "InstallPathF"), "C:\\HTML Help Workshop");
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.Ended());
}

TEST_F(Win32WindowProgramTest, ASecondInstanceWarnsAndEndsWhileTheFirstRunsOn) {
    ASSERT_TRUE(settings.Set("Quillvane", "info", "StartSplash", "OFF").ok());
    Program first;
    ASSERT_TRUE(first.started());
    HWND main = WaitForWindow(first.pid(), "Tessaline  Ver 1. 1");
    ASSERT_NE(main, nullptr) << "no main window";

    Program second;
    ASSERT_TRUE(second.started());
    HWND warning = WaitForWindow(second.pid(), "Quillvane", L"#32770");
    ASSERT_NE(warning, nullptr) << "no warning";
    EXPECT_EQ(MessageText(warning), "すでに「Quillvane」は起動されています。");
    PostMessageW(warning, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(second.Ended());
    EXPECT_FALSE(first.Ended(0));
    EXPECT_TRUE(IsWindow(main));

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.Ended());
}

TEST_F(Win32WindowProgramTest, APageDroppedOnTheMainWindowBecomesAHelpFileBesideIt) {
    TempFolder dir;
    const std::string page = dir / "ガイド.htm";
    const std::string html = "<html><body><p>テスト</p></body></html>";
    WriteText(page, html);
    const std::string record = dir / "hhc-command.txt";
    SetEnvironmentVariableW(L"TEST_HHC_RECORD", Widen(record).c_str());

    // The Workshop's folder: the test compiler's, beside the test program.
    std::string workshop = ChildProgram();
    workshop = workshop.substr(0, workshop.find_last_of('\\')) + "\\test-workshop";
    ASSERT_TRUE(SetWorkshopFolder(workshop));
    ASSERT_TRUE(settings.Set("Quillvane", "info", "StartSplash", "OFF").ok());

    Program program;
    ASSERT_TRUE(program.started());
    HWND main = WaitForWindow(program.pid(), "Tessaline  Ver 1. 1");
    ASSERT_NE(main, nullptr) << "no main window";
    HWND frame = FindChild(main, L"Button", "ここへHtmlファイルをドラッグ&&ドロップしてください");
    ASSERT_NE(frame, nullptr) << "no drop frame";

    // The run shows its notice inside the drop; a user answers it while the drag waits.
    std::atomic<bool> notice_seen{false};
    std::thread user([&] {
        HWND notice = WaitForWindow(program.pid(), "変換処理完了");
        if (!notice) {
            program.Kill();  // never leave the drag waiting for ever
            return;
        }
        notice_seen = true;
        HWND ok = FindChild(notice, L"Button", "OK");
        if (ok) PostMessageW(ok, BM_CLICK, 0, 0);
    });

    DWORD effect = 0;
    const HRESULT result = DragFilesOnto(frame, {page}, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    user.join();
    SetEnvironmentVariableW(L"TEST_HHC_RECORD", nullptr);

    EXPECT_EQ(result, DRAGDROP_S_DROP);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_TRUE(notice_seen);
    EXPECT_EQ(FileText(dir / "ガイド.chm"), "TESTCHM\n" + html);
    EXPECT_NE(FindChild(main, L"Static", "変換終了"), nullptr);
    // The compiler got the project as its one quoted argument.
    std::string command = FileText(record);
    EXPECT_NE(command.find(" \""), std::string::npos) << command;
    ASSERT_GT(command.size(), 10u) << command;
    EXPECT_EQ(command.substr(command.size() - std::string("Dummy.hhp\"").size()), "Dummy.hhp\"") << command;

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.Ended());
}

TEST_F(Win32WindowProgramTest, ACloseAskedForDuringARunIsCarriedOutAfterTheNotice) {
    TempFolder dir;
    const std::string page = dir / "page.htm";
    WriteText(page, "<html><body><p>x</p></body></html>");
    std::string workshop = ChildProgram();
    workshop = workshop.substr(0, workshop.find_last_of('\\')) + "\\test-workshop";
    ASSERT_TRUE(SetWorkshopFolder(workshop));
    ASSERT_TRUE(settings.Set("Quillvane", "info", "StartSplash", "OFF").ok());

    Program program;
    ASSERT_TRUE(program.started());
    HWND main = WaitForWindow(program.pid(), "Tessaline  Ver 1. 1");
    ASSERT_NE(main, nullptr) << "no main window";
    HWND frame = FindChild(main, L"Button", "ここへHtmlファイルをドラッグ&&ドロップしてください");
    ASSERT_NE(frame, nullptr) << "no drop frame";

    // While the notice is up the user closes the main window (as Alt+F4 or the taskbar would),
    // then answers the notice.
    std::atomic<bool> notice_seen{false};
    std::atomic<bool> main_kept{false};
    std::thread user([&] {
        HWND notice = WaitForWindow(program.pid(), "変換処理完了");
        if (!notice) {
            program.Kill();
            return;
        }
        notice_seen = true;
        PostMessageW(main, WM_CLOSE, 0, 0);
        // Two round trips through the program's message loop: the close has been handled after them.
        DWORD_PTR ignored = 0;
        for (int i = 0; i < 2; ++i) SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
        main_kept = IsWindow(main) && IsWindowVisible(main) && IsWindow(notice);
        HWND ok = FindChild(notice, L"Button", "OK");
        if (ok) PostMessageW(ok, BM_CLICK, 0, 0);
    });

    DragFilesOnto(frame, {page}, DROPEFFECT_COPY);
    user.join();

    EXPECT_TRUE(notice_seen);
    EXPECT_TRUE(main_kept) << "the main window went while the run and its notice were still up";
    // Nobody asks again: the close that was asked for ends the program once the run is over.
    EXPECT_TRUE(program.Ended());
    EXPECT_NE(FileText(dir / "page.chm"), "<missing>");
}

TEST(Win32ProgramVersionTest, TheVersionRecordSpellsTheVersionAsTheAboutBoxHasIt) {
    std::wstring path = Widen(ChildProgram());
    path = path.substr(0, path.find_last_of(L'\\') + 1) + L"tessaline.exe";
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    ASSERT_GT(size, 0u) << "no version record in tessaline.exe";
    std::vector<char> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, record.data()));
    // Major, a dot, and the minor number in two digits: version 1.1 is "1.01".
    char minor[8];
    std::snprintf(minor, sizeof minor, "%02d", kVersion.minor);
    const std::string expected = std::to_string(kVersion.major) + "." + minor;
    for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
        wchar_t* text = nullptr;
        UINT length = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
        ASSERT_TRUE(VerQueryValueW(record.data(), query.c_str(), reinterpret_cast<void**>(&text), &length))
            << Narrow(name);
        EXPECT_EQ(Narrow(text), expected) << Narrow(name);
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), kVersion.major);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), kVersion.minor);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), kVersion.revision);
}

// A fresh install from the zip: no workshop entry, the program alone in its folder or with
// the hhc.exe shipped beside it.
TEST_F(Win32WindowProgramTest, WithNoWorkshopEntryTheCompilerBesideTheProgramIsFoundElseTheMessageShows) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kWorkshopKey);
    for (bool shipped : {true, false}) {
        SCOPED_TRACE(shipped ? "hhc.exe beside the program" : "the program alone");
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
        ASSERT_TRUE(settings.Set("Quillvane", "info", "StartSplash", "OFF").ok());
        TempFolder install;
        const std::string program_path = install / "tessaline.exe";
        ASSERT_TRUE(CopyFileW(Widen(BuiltProgram()).c_str(), Widen(program_path).c_str(), FALSE));
        if (shipped) WriteText(install / "hhc.exe", "");

        Program program(program_path);
        ASSERT_TRUE(program.started());
        if (!shipped) {
            HWND missing = WaitForWindow(program.pid(), "Vellastro", L"#32770");
            ASSERT_NE(missing, nullptr) << "no compiler-missing message";
            EXPECT_EQ(MessageText(missing),
                      "『HTML Help Workshop』のインストールが確認できません。\r\n"
                      "『HTML Help Workshop』をインストールされていない端末では\r\n"
                      "このソフトは実行できません。\r\n"
                      "インストール方法は本ソフトウェアのヘルプに記載されています。");
            PostMessageW(missing, WM_COMMAND, IDOK, 0);
        }
        HWND main = WaitForWindow(program.pid(), "Tessaline  Ver 1. 1");
        ASSERT_NE(main, nullptr) << "no main window";
        // The location runs before the main window shows: any message would be up by now.
        if (shipped) {
            EXPECT_EQ(WaitForWindow(program.pid(), "Vellastro", L"#32770", 100), nullptr);
        }
        EXPECT_EQ(settings.Get("Quillvane", "info", "InstallPath"), shipped ? install / "hhc.exe" : "");
        EXPECT_EQ(settings.Get("Quillvane", "info", "InstallPathF"), shipped ? install.path() : "");
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program.Ended());
    }
}

}  // namespace
}  // namespace tess::testing
