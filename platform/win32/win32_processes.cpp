#include "platform/win32/win32_processes.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide_text.h"

namespace tess::win32 {

std::string QuoteArguments(const std::vector<std::string>& arguments) {
    std::string parameters;
    for (const auto& a : arguments) {
        if (!parameters.empty()) parameters += ' ';
        parameters += '"' + a + '"';
    }
    return parameters;
}

Result<ProcessId> Win32Processes::StartHidden(const std::string& program,
                                              const std::vector<std::string>& arguments) {
    std::wstring file = Widen(program);
    std::wstring parameters = Widen(QuoteArguments(arguments));
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // No error dialogs of the shell's own: the caller reports failures.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.hwnd = GetDesktopWindow();
    info.lpVerb = nullptr;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = nullptr;
    info.nShow = SW_HIDE;
    if (!ShellExecuteExW(&info)) return LastError("Cannot start " + program);
    ProcessId id = info.hProcess ? static_cast<ProcessId>(GetProcessId(info.hProcess)) : 0;
    if (id == 0) id = next_anonymous_--;
    Started& entry = started_[id];
    entry.process = UniqueHandle(info.hProcess);
    if (entry.process) {
        // A job holds the compiler's own children too, so a stop reaches all of them.
        entry.job = UniqueHandle(CreateJobObjectW(nullptr, nullptr));
        // And a program of ours that is ended takes its compilers with it.
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (entry.job)
            SetInformationJobObject(entry.job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
        if (entry.job && !AssignProcessToJobObject(entry.job.get(), entry.process.get())) entry.job.Reset();
    }
    return id;
}

bool Win32Processes::IsRunning(ProcessId id) {
    auto it = started_.find(id);
    if (it == started_.end()) return false;
    if (!it->second.process) return true;
    DWORD r = WaitForSingleObject(it->second.process.get(), 0);
    if (r == WAIT_OBJECT_0) {
        started_.erase(it);
        return false;
    }
    return true;
}

void Win32Processes::Stop(ProcessId id) {
    auto it = started_.find(id);
    if (it == started_.end()) return;
    if (it->second.job) TerminateJobObject(it->second.job.get(), 1);
    if (it->second.process) {
        TerminateProcess(it->second.process.get(), 1);
        WaitForSingleObject(it->second.process.get(), 5000);
    }
    started_.erase(it);
}

Status Win32Processes::OpenDocument(const std::string& path) {
    auto r = reinterpret_cast<INT_PTR>(
        ShellExecuteW(GetActiveWindow(), nullptr, Widen(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (r <= 32) return ErrorFrom("Cannot open " + path, static_cast<DWORD>(r == 0 ? ERROR_OUTOFMEMORY : r));
    return {};
}

Status Win32Processes::StartCommandLine(const std::string& command_line) {
    std::wstring line = Widen(command_line);
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (command_line.empty()) return Error{"Cannot start an empty command line"};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return LastError("Cannot start " + command_line);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {};
}

}  // namespace tess::win32
