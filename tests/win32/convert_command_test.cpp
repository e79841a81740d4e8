// tessaline-convert.exe on a Western Windows (code page 1252), as a user runs it from a command
// prompt: names outside that code page arrive whole, the paths it prints are UTF-8 when its
// output is redirected, and a name with no code-page-932 form is refused with the plain reason.
// Run by its own test, which starts Wine with code page 1252.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "child_process.h"
#include "program_windows.h"
#include "temp_folder.h"
#include "platform/win32/wide_text.h"

namespace tess::testing {
namespace {

using win32::Narrow;
using win32::Widen;

std::string BesideTests(const std::string& name) {
    const std::string child = ChildProgram();
    return child.substr(0, child.find_last_of('\\') + 1) + name;
}

struct CommandRun {
    int code = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char chunk[4096];
    DWORD n = 0;
    while (ReadFile(pipe, chunk, sizeof chunk, &n, nullptr) && n > 0) text.append(chunk, n);
    return text;
}

// Starts the command in `folder` with its output and errors going to pipes, as "> file" would.
CommandRun RunConvert(const std::wstring& arguments, const std::string& folder) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out_read, out_write, err_read, err_write;
    CreatePipe(&out_read, &out_write, &inherit, 0);
    CreatePipe(&err_read, &err_write, &inherit, 0);
    SetHandleInformation(out_read, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(err_read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out_write;
    startup.hStdError = err_write;
    std::wstring line = L"\"" + Widen(BesideTests("tessaline-convert.exe")) + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    CommandRun run;
    const BOOL started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        Widen(folder).c_str(), &startup, &process);
    CloseHandle(out_write);
    CloseHandle(err_write);
    if (started) {
        // Both pipes drained at once, so a full one never stalls the command.
        std::thread errors([&] { run.err = ReadAll(err_read); });
        run.out = ReadAll(out_read);
        errors.join();
        WaitForSingleObject(process.hProcess, 60000);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        run.code = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out_read);
    CloseHandle(err_read);
    return run;
}

class Win32ConvertCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
        // The Workshop's folder: the test compiler's, beside the test program.
        ASSERT_TRUE(SetWorkshopFolder(BesideTests("test-workshop")));
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, kWorkshopKey);
    }
};

TEST_F(Win32ConvertCommandTest, NamesOutsideTheSystemCodePageAreConvertedAndPrintedWhole) {
    ASSERT_EQ(GetACP(), 1252u) << "this test needs a Western system code page";
    TempFolder dir;
    const std::string html = "<html><body><p>テスト</p></body></html>";
    CreateDirectoryW(Widen(dir / "日本語 フォルダ").c_str(), nullptr);
    for (const char* page : {"ガイド.htm", "日本語 フォルダ\\ページ.html", "Résumé.htm"}) WriteText(dir / page, html);

    // Relative names, from the folder that holds them.
    const CommandRun run = RunConvert(L"ガイド.htm \"日本語 フォルダ\\ページ.html\" Résumé.htm", dir.path());

    EXPECT_EQ(run.code, 1) << run.err;  // one page failed
    EXPECT_EQ(run.out, dir / "ガイド.chm\r\n" + dir / "日本語 フォルダ\\ページ.chm\r\n");
    EXPECT_EQ(FileText(dir / "ガイド.chm"), "TESTCHM\n" + html);
    EXPECT_EQ(FileText(dir / "日本語 フォルダ\\ページ.chm"), "TESTCHM\n" + html);
    EXPECT_EQ(FileText(dir / "Résumé.chm"), "<missing>");
    EXPECT_NE(run.err.find("パスにシフトJIS(コードページ932)で表せない文字が含まれているため、変換できません: " +
                           dir / "Résumé.htm"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("ページが見つかりません"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("ガイド"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace tess::testing
