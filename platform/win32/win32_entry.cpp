// Program entry on Windows: the services of this folder, handed to the shared code.
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
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_program_info.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_settings_backend.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_text_codec.h"
#include "platform/win32/win32_window_system.h"
#include "platform/win32/wide_text.h"

namespace tess {
namespace {

// Everything but the window system, alive for the whole program.
struct Services {
    explicit Services(const ProgramNames& names) : instance(win32::InstanceMutexName(names)) {}

    win32::Win32Files files;
    win32::Win32Registry registry;
    win32::Win32SettingsBackend settings;
    win32::Win32Processes processes;
    win32::Win32SingleInstance instance;
    win32::Win32Clock clock;
    win32::Win32TextCodec codec;
    win32::Win32ProgramInfo program{files};

    Platform With(WindowSystem& windows) {
        return Platform{files, registry, settings, processes, instance, clock, codec, program, windows};
    }
};

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

int RunDesktop(int, char**, const ProgramNames& names, const ProgramBody& body) {
    // Drops arrive through OLE, which wants a single-threaded apartment on the window thread.
    HRESULT ole = OleInitialize(nullptr);
    int code = 0;
    {
        Services services(names);
        win32::Win32WindowSystem windows;
        Platform platform = services.With(windows);
        code = body(platform);
    }
    if (SUCCEEDED(ole)) OleUninitialize();
    return code;
}

int RunConsole(int, char**, const ProgramNames& names, const ProgramBody& body) {
    // Not SetConsoleOutputCP: that would leave the user's console in another code page.
    win32::Utf8StandardStreams streams;
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int code = 0;
    {
        Services services(names);
        ConsoleWindowSystem windows(std::cerr);
        Platform platform = services.With(windows);
        code = body(platform);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return code;
}

std::vector<std::string> ProgramArguments(int, char**) { return win32::CommandLineArguments(); }

}  // namespace tess
