// Where the program is and where its per-user work files go.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_program_info.h"

namespace tess::testing {
namespace {

TEST(Win32ProgramInfoTest, ExecutableFolderHoldsTheTestProgram) {
    win32::Win32Files files;
    win32::Win32ProgramInfo info(files);
    std::string folder = info.ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(files.Exists(folder + "\\tess_win32_tests.exe"));
}

TEST(Win32ProgramInfoTest, UserWorkFolderIsMadeUnderLocalAppData) {
    win32::Win32Files files;
    win32::Win32ProgramInfo info(files);
    std::string app = "TessalineTest" + std::to_string(GetCurrentProcessId());
    std::string folder = info.UserWorkFolder(app);
    wchar_t base[MAX_PATH];
    ASSERT_GT(GetEnvironmentVariableW(L"LOCALAPPDATA", base, MAX_PATH), 0u);
    EXPECT_EQ(folder, win32::Narrow(base) + "\\" + app + "\\");
    EXPECT_TRUE(files.CanWriteIn(folder));
    RemoveDirectoryW(win32::Widen(folder).c_str());
}

}  // namespace
}  // namespace tess::testing
