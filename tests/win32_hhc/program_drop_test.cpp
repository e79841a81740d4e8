// The whole run under Wine as a fresh install from the zip meets it: no help workshop entry
// in the registry, hhc.exe beside tessaline.exe, and a page dragged onto the running program
// becomes a real compiled file beside it.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_settings_backend.h"
#include "tests/win32/program_windows.h"
#include "tests/win32/temp_folder.h"

namespace tess::testing {
namespace {

using win32::Narrow;
using win32::Widen;

std::string BuildFolder() {
    wchar_t path[MAX_PATH + 1];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
    std::string self = Narrow(std::wstring(path, n));
    return self.substr(0, self.find_last_of('\\'));
}

void SetSetting(const wchar_t* name, const wchar_t* value) {
    HKEY h = nullptr;
    std::wstring key = std::wstring(kSettingsKey) + L"\\info";
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExW(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
    RegCloseKey(h);
}

class ProgramWithHhcExeTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
        // No workshop: the program finds the hhc.exe in the build folder, beside itself.
        RegDeleteTreeW(HKEY_CURRENT_USER, kWorkshopKey);
        SetSetting(L"StartSplash", L"OFF");
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, kWorkshopKey);
    }
};

TEST_F(ProgramWithHhcExeTest, ADroppedJapanesePageBecomesACompiledFileBesideIt) {
    TempFolder temp;
    const std::string dir = temp / "my pages";
    ASSERT_TRUE(CreateDirectoryW(Widen(dir).c_str(), nullptr));
    const std::string page = dir + "\\ガイド.htm";
    WriteText(page, "<html><head><meta charset=\"utf-8\"><title>ガイド</title></head><body><p>テスト</p></body></html>");

    std::wstring line = L"\"" + Widen(BuildFolder()) + L"\\tessaline.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program{};
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &program));
    HWND main = WaitForWindow(program.dwProcessId, "Tessaline  Ver 1. 1");
    HWND frame = main ? FindChild(main, L"Button", "ここへHtmlファイルをドラッグ&&ドロップしてください") : nullptr;

    std::atomic<bool> notice_seen{false};
    if (frame) {
        // The run shows its notice inside the drop; a user answers it while the drag waits.
        std::thread user([&] {
            HWND notice = WaitForWindow(program.dwProcessId, "変換処理完了", L"", 60000);
            if (!notice) {
                TerminateProcess(program.hProcess, 9);  // never leave the drag waiting for ever
                return;
            }
            notice_seen = true;
            HWND ok = FindChild(notice, L"Button", "OK");
            if (ok) PostMessageW(ok, BM_CLICK, 0, 0);
        });
        DragFilesOnto(frame, {page}, DROPEFFECT_COPY | DROPEFFECT_MOVE);
        user.join();
    }
    EXPECT_NE(main, nullptr) << "no main window";
    EXPECT_NE(frame, nullptr) << "no drop frame";
    EXPECT_TRUE(notice_seen);
    const std::string compiled = FileText(dir + "\\ガイド.chm");
    EXPECT_EQ(compiled.substr(0, 4), "ITSF");
    EXPECT_NE(compiled.find("/ガイド.htm"), std::string::npos);
    EXPECT_EQ(win32::Win32SettingsBackend().Get("Quillvane", "info", "InstallPath"), BuildFolder() + "\\hhc.exe");
    if (main) {
        EXPECT_NE(FindChild(main, L"Static", "変換終了"), nullptr);
    }

    if (main) PostMessageW(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(program.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(program.hProcess, 9);
    CloseHandle(program.hThread);
    CloseHandle(program.hProcess);
}

}  // namespace
}  // namespace tess::testing
