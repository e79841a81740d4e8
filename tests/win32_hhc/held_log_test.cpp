// The log hhc.exe writes is refused to a rename while held, yet readable throughout, and only
// its success line may carry "Created".
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/wide_text.h"
#include "tests/win32/program_windows.h"
#include "tests/win32/temp_folder.h"
#include "hhc/held_log.h"

namespace tess::testing {
namespace {

using win32::Widen;

std::string ReadShared(const std::string& path) {
    HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<unreadable>";
    char buffer[256];
    DWORD got = 0;
    ReadFile(h, buffer, sizeof buffer, &got, nullptr);
    CloseHandle(h);
    return std::string(buffer, got);
}

int FilesIn(const TempFolder& folder) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(Widen(folder / "*").c_str(), &found);
    int files = 0;
    if (h != INVALID_HANDLE_VALUE) {
        do files += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
        while (FindNextFileW(h, &found));
        FindClose(h);
    }
    return files;
}

TEST(HhcHeldLog, ARenameIsRefusedWhileHeldAndAllowedOnceReleased) {
    TempFolder temp;
    // A name with no code page 932 form: the path is taken as UTF-8 throughout.
    const std::string log = temp / "log \xc3\xbc\xe1\x83\x90.log";
    const std::wstring probe = Widen(log + ".bak");
    auto held = hhc::HeldLog::Create(log);
    ASSERT_TRUE(held.ok()) << held.error().message;
    ASSERT_TRUE(held->WriteLine("Warning: one").ok());
    ASSERT_TRUE(held->WriteSuccessLine("Created C:\\x.chm, 1 bytes").ok());

    EXPECT_EQ(ReadShared(log), "Warning: one\r\nCreated C:\\x.chm, 1 bytes\r\n");
    EXPECT_FALSE(MoveFileW(Widen(log).c_str(), probe.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(DeleteFileW(Widen(log).c_str()));

    held->Release();
    EXPECT_FALSE(held->WriteLine("late").ok());
    EXPECT_TRUE(MoveFileW(Widen(log).c_str(), probe.c_str()));
}

TEST(HhcHeldLog, AnOldLogIsReplacedNoTemporaryFileStaysAndOtherLinesNeverSayCreated) {
    TempFolder temp;
    const std::string log = temp / "log1.log";
    WriteText(log, "old\r\nCreated C:\\old.chm, 9 bytes\r\n");

    {
        auto held = hhc::HeldLog::Create(log);
        ASSERT_TRUE(held.ok()) << held.error().message;
        ASSERT_TRUE(held->WriteLine("Error: Created\r\nby a page").ok());
    }  // released when it goes
    EXPECT_EQ(ReadShared(log), "Error: created  by a page\r\n");
    EXPECT_EQ(FilesIn(temp), 1);
}

TEST(HhcHeldLog, ALogInAMissingFolderIsAnErrorThatNamesIt) {
    TempFolder temp;
    auto held = hhc::HeldLog::Create(temp / "no such folder\\log1.log");
    ASSERT_FALSE(held.ok());
    EXPECT_NE(held.error().message.find("no such folder"), std::string::npos) << held.error().message;
}

}  // namespace
}  // namespace tess::testing
