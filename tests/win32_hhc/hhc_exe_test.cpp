// hhc.exe as the program meets it: started on a project the program would write, for a
// Japanese page in a folder whose name has blanks, it leaves a compiled file and a log.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32/wide_text.h"
#include "tests/win32/temp_folder.h"

namespace tess::testing {
namespace {

using win32::Narrow;
using win32::Widen;

std::string Ansi(const std::string& utf8) {
    std::wstring wide = Widen(utf8);
    int n = WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string ReadAll(const std::string& path) {
    HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "";
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

void WriteAll(const std::string& path, const std::string& bytes) {
    HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    ASSERT_EQ(written, bytes.size());
}

std::string HhcExe() {
    wchar_t path[MAX_PATH + 1];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
    std::string self = Narrow(std::wstring(path, n));
    return self.substr(0, self.find_last_of('\\') + 1) + "hhc.exe";
}

// The project as the program writes it: code page 932, CR LF, absolute paths.
std::string ProjectText(const std::string& folder, const std::string& page) {
    std::string text;
    for (const std::string& line :
         {std::string("[OPTIONS]"), std::string("Compatibility = 1.1 Or later"), "Compiled file=" + folder + "\\Dummy.chm",
          "Default topic=" + page, std::string("Display compile progress=No"), "Error log file=" + folder + "\\log1.log",
          std::string("Language=0x411 日本語"), std::string(), std::string(), std::string("[FILES]"), page, std::string(),
          std::string("[INFOTYPES]"), std::string()})
        text += line + "\r\n";
    return Ansi(text);
}

class HhcExeTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* linux_hhc = std::getenv("TESSALINE_LINUX_HHC");
        linux_hhc_ = linux_hhc ? linux_hhc : "";
        if (linux_hhc_.empty())
            GTEST_FAIL() << "TESSALINE_LINUX_HHC names no Linux hhc for hhc.exe to drive "
                            "(configure with -DTESSALINE_LINUX_HHC=<Linux build>/hhc; scripts/wine-test.sh does)";
        folder_ = temp_ / "my pages 日本語";
        ASSERT_TRUE(CreateDirectoryW(Widen(folder_).c_str(), nullptr));
        page_ = folder_ + "\\ページ 一.html";
        WriteAll(page_, "<html><head><meta charset=\"utf-8\"><title>日本語のページ</title></head>"
                        "<body><p>こんにちは、世界。</p></body></html>\n");
    }

    // hhc.exe's exit status, with the project's path quoted as a whole as the program passes it.
    DWORD RunHhc(const std::string& project, const std::string& exe = HhcExe()) {
        std::wstring line = L"\"" + Widen(exe) + L"\" \"" + Widen(project) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        ULONGLONG start = GetTickCount64();
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return 9999;
        DWORD code = 9998;
        if (WaitForSingleObject(info.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
        std::printf("hhc.exe ran for %llu ms\n", static_cast<unsigned long long>(GetTickCount64() - start));
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        return code;
    }

    TempFolder temp_;
    std::string linux_hhc_;
    std::string folder_;
    std::string page_;
};

TEST_F(HhcExeTest, CompilesAJapanesePageInAFolderWithBlanks) {
    const std::string project = folder_ + "\\Dummy.hhp";
    WriteAll(project, ProjectText(folder_, page_));

    EXPECT_EQ(RunHhc(project), 0u);
    std::string compiled = ReadAll(folder_ + "\\Dummy.chm");
    EXPECT_EQ(compiled.substr(0, 4), "ITSF");
    std::string log = ReadAll(folder_ + "\\log1.log");
    EXPECT_NE(log.find("Created " + Ansi(folder_ + "\\Dummy.chm") + ", "), std::string::npos) << log;
    EXPECT_EQ(log.find("Error:"), std::string::npos) << log;
}

TEST_F(HhcExeTest, AMissingPageLeavesTheOldCompiledFileAndSaysWhy) {
    const std::string old_bytes = "an earlier compiled file\r\n";
    WriteAll(folder_ + "\\Dummy.chm", old_bytes);
    const std::string project = folder_ + "\\Dummy.hhp";
    WriteAll(project, ProjectText(folder_, folder_ + "\\ありません.html"));

    EXPECT_EQ(RunHhc(project), 1u);
    EXPECT_EQ(ReadAll(folder_ + "\\Dummy.chm"), old_bytes);
    std::string log = ReadAll(folder_ + "\\log1.log");
    EXPECT_NE(log.find("Error:"), std::string::npos) << log;
    EXPECT_EQ(log.find("Created"), std::string::npos) << log;
}

TEST_F(HhcExeTest, ANamelessLinuxCompilerIsAFailureWithAReason) {
    SetEnvironmentVariableW(L"TESSALINE_LINUX_HHC", nullptr);
    const std::string project = folder_ + "\\Dummy.hhp";
    WriteAll(project, ProjectText(folder_, page_));

    // A copy of hhc.exe in a folder of its own: no hhc.linux beside it names the compiler either.
    const std::string alone = temp_ / "hhc.exe";
    ASSERT_TRUE(CopyFileW(Widen(HhcExe()).c_str(), Widen(alone).c_str(), TRUE));
    DWORD code = RunHhc(project, alone);
    SetEnvironmentVariableW(L"TESSALINE_LINUX_HHC", Widen(linux_hhc_).c_str());
    std::string log = ReadAll(folder_ + "\\log1.log");
    EXPECT_EQ(code, 1u);
    EXPECT_NE(log.find("Error: The Linux help compiler is not named"), std::string::npos) << log;
    EXPECT_EQ(log.find("Created"), std::string::npos) << log;
}

}  // namespace
}  // namespace tess::testing
