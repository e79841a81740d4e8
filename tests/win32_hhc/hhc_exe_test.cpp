// hhc.exe as the program meets it: started on a project the program would write, for a
// Japanese page in a folder whose name has blanks, it leaves a compiled file and a log; on
// failure it leaves the earlier compiled file and says why.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "tests/win32/program_windows.h"
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

std::string HhcExe() {
    wchar_t path[MAX_PATH + 1];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
    std::string self = Narrow(std::wstring(path, n));
    return self.substr(0, self.find_last_of('\\') + 1) + "hhc.exe";
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(Widen(folder + "\\*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = Narrow(found.cFileName);
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return names;
}

// The project as the program writes it: code page 932, CR LF. `folder` is prefixed to the
// outputs and the page; empty leaves them relative to the project's folder.
std::string ProjectText(const std::string& folder, const std::string& page) {
    const std::string at = folder.empty() ? "" : folder + "\\";
    std::string text;
    for (const std::string& line :
         {std::string("[OPTIONS]"), std::string("Compatibility = 1.1 Or later"), "Compiled file=" + at + "Dummy.chm",
          "Default topic=" + page, std::string("Display compile progress=No"), "Error log file=" + at + "log1.log",
          std::string("Language=0x411 日本語"), std::string(), std::string(), std::string("[FILES]"), page, std::string(),
          std::string("[INFOTYPES]"), std::string()})
        text += line + "\r\n";
    return Ansi(text);
}

const std::string kPage =
    "<html><head><meta charset=\"utf-8\"><title>日本語のページ</title>"
    "<link rel=\"stylesheet\" href=\"スタイル.css\"></head>"
    "<body><p>こんにちは、世界。</p><img src=\"画像/図 1.png\"></body></html>\n";

class HhcExeTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = temp_ / "my pages 日本語";
        ASSERT_TRUE(CreateDirectoryW(Widen(folder_).c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW(Widen(folder_ + "\\画像").c_str(), nullptr));
        page_ = folder_ + "\\ページ 一.html";
        WriteText(page_, kPage);
        WriteText(folder_ + "\\スタイル.css", "p { color: #336; }\n");
        WriteText(folder_ + "\\画像\\図 1.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    }

    // hhc.exe's exit status; the project's path is quoted as a whole, as the program passes it.
    static DWORD RunHhc(const std::wstring& arguments) {
        std::wstring line = L"\"" + Widen(HhcExe()) + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        ULONGLONG start = GetTickCount64();
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                            &startup, &info))
            return 9999;
        DWORD code = 9998;
        if (WaitForSingleObject(info.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
        std::printf("hhc.exe ran for %llu ms\n", static_cast<unsigned long long>(GetTickCount64() - start));
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        return code;
    }
    static DWORD RunHhcOn(const std::string& project) { return RunHhc(L"\"" + Widen(project) + L"\""); }

    TempFolder temp_;
    std::string folder_;
    std::string page_;
};

TEST_F(HhcExeTest, CompilesAJapanesePageInAFolderWithBlanks) {
    const std::string project = folder_ + "\\Dummy.hhp";
    WriteText(project, ProjectText(folder_, page_));

    EXPECT_EQ(RunHhcOn(project), 1u);  // created
    const std::string compiled = FileText(folder_ + "\\Dummy.chm");
    EXPECT_EQ(compiled.substr(0, 4), "ITSF");
    // The page and what it uses are stored under their own names (UTF-8 in the directory).
    for (const char* name : {"ページ 一.html", "スタイル.css", "画像/図 1.png"})
        EXPECT_NE(compiled.find(std::string("/") + name), std::string::npos) << name;
    const std::string log = FileText(folder_ + "\\log1.log");
    const std::string created = "Created " + Ansi(folder_ + "\\Dummy.chm") + ", ";
    ASSERT_NE(log.find(created), std::string::npos) << log;
    EXPECT_EQ(log.find("Error"), std::string::npos) << log;
    // The size the log gives is the file's.
    std::string size = log.substr(log.find(created) + created.size());
    size = size.substr(0, size.find(" bytes"));
    std::erase(size, ',');
    EXPECT_EQ(size, std::to_string(compiled.size()));
    // Nothing but the outputs is left beside the page.
    std::vector<std::string> names = Names(folder_);
    EXPECT_EQ(names.size(), 6u) << ::testing::PrintToString(names);
}

TEST_F(HhcExeTest, AProjectInAFolderWithoutACodePageFormIsFoundByItsWidePath) {
    // "ü" and Georgian letters have no code page 932 form; the project names its files relative
    // to its own folder, so only the command line carries that name.
    const std::string folder = temp_ / "Grüße \xe1\x83\x90";
    ASSERT_TRUE(CreateDirectoryW(Widen(folder).c_str(), nullptr));
    WriteText(folder + "\\page.htm", "<html><head><title>t</title></head><body><p>ok</p></body></html>");
    WriteText(folder + "\\Dummy.hhp", ProjectText("", "page.htm"));

    EXPECT_EQ(RunHhcOn(folder + "\\Dummy.hhp"), 1u);
    EXPECT_EQ(FileText(folder + "\\Dummy.chm").substr(0, 4), "ITSF");
    EXPECT_NE(FileText(folder + "\\log1.log").find("Created "), std::string::npos);
}

TEST_F(HhcExeTest, AFailureLeavesTheOldCompiledFileAndSaysWhy) {
    struct Case {
        const char* what;
        std::string page;  // the default topic
        bool hold_old_file;  // another program has the old compiled file open
    };
    const Case cases[] = {
        {"the page is missing", folder_ + "\\ありません.html", false},
        {"the old compiled file cannot be replaced", page_, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string old_bytes = "an earlier compiled file\r\n";
        WriteText(folder_ + "\\Dummy.chm", old_bytes);
        DeleteFileW(Widen(folder_ + "\\log1.log").c_str());
        const std::string project = folder_ + "\\Dummy.hhp";
        WriteText(project, ProjectText(folder_, c.page));
        HANDLE held = c.hold_old_file ? CreateFileW(Widen(folder_ + "\\Dummy.chm").c_str(), GENERIC_READ,
                                                     FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)
                                      : INVALID_HANDLE_VALUE;

        EXPECT_EQ(RunHhcOn(project), 0u);  // Microsoft's compiler's status: nothing created
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        EXPECT_EQ(FileText(folder_ + "\\Dummy.chm"), old_bytes);
        const std::string log = FileText(folder_ + "\\log1.log");
        EXPECT_NE(log.find("Error"), std::string::npos) << log;
        EXPECT_EQ(log.find("Created"), std::string::npos) << log;
        // No temporary copy of the compiled file is left behind.
        for (const std::string& name : Names(folder_)) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    }
}

TEST_F(HhcExeTest, WithoutExactlyOneArgumentItSaysHowToCallIt) {
    EXPECT_EQ(RunHhc(L""), 2u);
    EXPECT_EQ(RunHhc(L"a b"), 2u);
}

}  // namespace
}  // namespace tess::testing
