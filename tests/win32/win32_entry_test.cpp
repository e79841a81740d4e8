// The program entries hand the Windows services to the shared code and return its status.
#include <gtest/gtest.h>

#include "app/identity.h"
#include "platform/console/console_window_system.h"
#include "platform/entry.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_settings_backend.h"
#include "platform/win32/win32_text_codec.h"
#include "platform/win32/win32_window_system.h"

namespace tess::testing {
namespace {

TEST(Win32EntryTest, TheDesktopGetsTheWin32WindowSystem) {
    bool seen = false;
    int code = RunDesktop(0, nullptr, Names(), [&](Platform& p) {
        seen = dynamic_cast<win32::Win32WindowSystem*>(&p.windows) != nullptr &&
               dynamic_cast<win32::Win32Files*>(&p.files) != nullptr &&
               dynamic_cast<win32::Win32SettingsBackend*>(&p.settings) != nullptr &&
               dynamic_cast<win32::Win32TextCodec*>(&p.codec) != nullptr;
        return 7;
    });
    EXPECT_TRUE(seen);
    EXPECT_EQ(code, 7);
}

TEST(Win32EntryTest, AConsoleProgramReportsOnStandardErrorInsteadOfWindows) {
    bool console = false;
    int code = RunConsole(0, nullptr, Names(), [&](Platform& p) {
        console = dynamic_cast<ConsoleWindowSystem*>(&p.windows) != nullptr;
        return 3;
    });
    EXPECT_TRUE(console);
    EXPECT_EQ(code, 3);
}

}  // namespace
}  // namespace tess::testing
