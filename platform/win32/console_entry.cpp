// Entry of the console programs on Windows, and what they share with the desktop one.
#include <windows.h>
#include <ole2.h>

#include <filesystem>
#include <iostream>
#include <mutex>
#include <string>

#include "platform/console/console_window_system.h"
#include "platform/entry.h"
#include "platform/win32/command_line.h"
#include "platform/win32/console_text.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/wide_text.h"

namespace tess {
namespace {

std::mutex stop_mutex;
std::wstring stop_folder;

// Runs on a thread of its own when Ctrl+C or a close reaches the console: the folder goes
// before the default handler ends us (the compilers' job ends with our handles).
BOOL WINAPI OnConsoleStop(DWORD) {
    std::lock_guard<std::mutex> lock(stop_mutex);
    if (!stop_folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(stop_folder, ignored);
    }
    return FALSE;
}

}  // namespace

void RemoveOnStop(const std::string& folder) {
    std::lock_guard<std::mutex> lock(stop_mutex);
    stop_folder = folder.empty() ? std::wstring() : win32::Widen(folder);
    static const bool installed = SetConsoleCtrlHandler(OnConsoleStop, TRUE);
    (void)installed;
}

int RunConsole(int, char**, const ProgramNames& names, const ProgramBody& body) {
    // Not SetConsoleOutputCP: that would leave the user's console in another code page.
    win32::Utf8StandardStreams streams;
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int code = 0;
    {
        win32::Win32Services services(names);
        ConsoleWindowSystem windows(std::cerr);
        Platform platform = services.Bundle(windows);
        code = body(platform);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return code;
}

std::vector<std::string> ProgramArguments(int, char**) { return win32::CommandLineArguments(); }

}  // namespace tess
