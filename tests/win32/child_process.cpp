#include "child_process.h"

#include <windows.h>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_program_info.h"
#include "platform/win32/win32_files.h"

namespace tess::testing {

std::string ChildProgram() {
    win32::Win32Files files;
    win32::Win32ProgramInfo info(files);
    std::string folder = info.ExecutableFolder();
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder + "win32_test_child.exe";
}

int RunChild(const std::vector<std::string>& arguments, int timeout_ms) {
    std::wstring line = L"\"" + win32::Widen(ChildProgram()) + L"\"";
    for (const auto& a : arguments) line += L" \"" + win32::Widen(a) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    CloseHandle(process.hThread);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeout_ms)) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 9);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

bool WaitUntil(const std::function<bool()>& done, int timeout_ms) {
    ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeout_ms);
    while (!done()) {
        if (GetTickCount64() > end) return false;
        Sleep(10);
    }
    return true;
}

}  // namespace tess::testing
