// The log hhc.exe writes is refused to a rename while held, yet readable throughout.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/wide_text.h"
#include "tests/win32/temp_folder.h"
#include "tools/hhc/win32/held_log.h"

namespace tess::testing {
namespace {

using win32::Widen;

std::string ReadShared(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<unreadable>";
    char buffer[256];
    DWORD got = 0;
    ReadFile(h, buffer, sizeof buffer, &got, nullptr);
    CloseHandle(h);
    return std::string(buffer, got);
}

TEST(HhcHeldLog, ARenameIsRefusedWhileHeldAndAllowedOnceClosed) {
    TempFolder temp;
    const std::wstring log = Widen(temp / "log1.log");
    const std::wstring probe = log + L".bak";
    auto held = hhc::win32::HeldLog::Create(log);
    ASSERT_TRUE(held.ok()) << held.error().message;
    ASSERT_TRUE(held->WriteLine("Created C:\\x.chm, 1 bytes").ok());

    EXPECT_EQ(ReadShared(log), "Created C:\\x.chm, 1 bytes\r\n");
    EXPECT_FALSE(MoveFileW(log.c_str(), probe.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));

    held->Close();
    EXPECT_TRUE(MoveFileW(log.c_str(), probe.c_str()));
}

TEST(HhcHeldLog, AnOldLogIsReplacedAndNoTemporaryFileStays) {
    TempFolder temp;
    const std::wstring log = Widen(temp / "log1.log");
    HANDLE old = CreateFileW(log.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(old, "old\r\n", 5, &written, nullptr);
    CloseHandle(old);

    auto held = hhc::win32::HeldLog::Create(log);
    ASSERT_TRUE(held.ok()) << held.error().message;
    EXPECT_TRUE(held->WriteLine("new").ok());
    held->Close();
    EXPECT_EQ(ReadShared(log), "new\r\n");

    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(Widen(temp / "*").c_str(), &found);
    int files = 0;
    if (h != INVALID_HANDLE_VALUE) {
        do files += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
        while (FindNextFileW(h, &found));
        FindClose(h);
    }
    EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace tess::testing
