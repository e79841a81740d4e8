#include "tools/hhc/win32/linux_run.h"

#include <windows.h>

#include <cstdlib>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace hhc::win32 {
namespace {

using tess::win32::LastError;
using tess::win32::Narrow;
using tess::win32::UniqueHandle;
using tess::win32::Widen;

constexpr DWORD kPollMs = 5;

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH + 1];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
    std::wstring whole(path, n);
    return whole.substr(0, whole.find_last_of(L"\\/"));
}

tess::Result<std::string> ReadSmallFile(const std::wstring& path) {
    UniqueHandle h(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, 0, nullptr));
    if (!h) return LastError(Narrow(path) + " cannot be read");
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

tess::Status WriteSmallFile(const std::wstring& path, const std::string& bytes) {
    UniqueHandle h(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!h || !WriteFile(h.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        return LastError(Narrow(path) + " cannot be written");
    return {};
}

std::string Trimmed(std::string s) {
    const char* blanks = " \t\r\n";
    s.erase(s.find_last_not_of(blanks) + 1);
    s.erase(0, s.find_first_not_of(blanks));
    return s;
}

// A word for the shell, whatever it holds.
std::string Quoted(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

tess::Result<std::string> LocateLinuxHhc() {
    wchar_t value[2048];
    DWORD n = GetEnvironmentVariableW(L"TESSALINE_LINUX_HHC", value, 2048);
    if (n > 0 && n < 2048) return Narrow(std::wstring(value, n));
    std::wstring beside = ProgramFolder() + L"\\hhc.linux";
    auto named = ReadSmallFile(beside);
    if (named && !Trimmed(*named).empty()) return Trimmed(*named);
    return tess::Error{"The Linux help compiler is not named: set TESSALINE_LINUX_HHC to its Linux path, "
                       "or write that path into " + Narrow(beside) + "."};
}

tess::Result<int> RunLinux(const LinuxRun& run, const UnixPathFn& unix_of) {
    auto folder = unix_of(run.work_folder);
    if (!folder) return folder.error();
    const std::wstring marker = run.work_folder + L"\\status";
    // The status shows up whole, by a rename; the compiler's own work folder stays in ours.
    std::string script = "TMPDIR=" + Quoted(*folder) + "; export TMPDIR\n" + Quoted(run.program) + " " +
                         Quoted(run.project) + " >" + Quoted(*folder + "/hhc-output.txt") + " 2>&1\n" +
                         "echo $? >" + Quoted(*folder + "/status.tmp") + " && mv " +
                         Quoted(*folder + "/status.tmp") + " " + Quoted(*folder + "/status") + "\n";
    if (auto written = WriteSmallFile(run.work_folder + L"\\run.sh", script); !written) return written.error();

    std::wstring line = L"\"Z:\\bin\\sh\" \"" + Widen(*folder) + L"/run.sh\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &info))
        return LastError("The Linux shell /bin/sh cannot be started");
    // Wine gives no usable handles for a Linux process.
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);

    for (DWORD start = GetTickCount(); GetFileAttributesW(marker.c_str()) == INVALID_FILE_ATTRIBUTES;) {
        if (GetTickCount() - start > run.timeout_ms)
            return tess::Error{"The Linux help compiler did not finish within " + std::to_string(run.timeout_ms / 1000) +
                               " seconds."};
        Sleep(kPollMs);
    }
    auto status = ReadSmallFile(marker);
    if (!status) return status.error();
    return std::atoi(Trimmed(*status).c_str());
}

}  // namespace hhc::win32
