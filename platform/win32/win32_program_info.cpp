#include "platform/win32/win32_program_info.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace tess::win32 {
namespace {

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring Environment(const wchar_t* name) {
    DWORD n = GetEnvironmentVariableW(name, nullptr, 0);
    if (n == 0) return {};
    std::wstring value(n, L'\0');
    n = GetEnvironmentVariableW(name, value.data(), n);
    value.resize(n);
    return value;
}

}  // namespace

std::string Win32ProgramInfo::ExecutableFolder() {
    std::wstring path = ModulePath();
    size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    bool root = slash == 2 && path[1] == L':';
    return Narrow(path.substr(0, root ? slash + 1 : slash));
}

std::string Win32ProgramInfo::UserWorkFolder(const std::string& app) {
    std::wstring base = Environment(L"LOCALAPPDATA");
    if (base.empty()) base = Environment(L"APPDATA");
    if (base.empty()) base = Environment(L"TEMP");
    if (!base.empty() && base.back() != L'\\') base += L'\\';
    std::string folder = Narrow(base) + app + "\\";
    (void)files_.MakeFolders(folder);  // one that cannot be made shows up as a failed write
    return folder;
}

Result<std::string> Win32ProgramInfo::PlainWorkFolder(const std::string& app) {
    const std::wstring folder = Widen(UserWorkFolder(app));
    DWORD n = GetShortPathNameW(folder.c_str(), nullptr, 0);
    if (n == 0) return LastError("Cannot find the short name of " + Narrow(folder));
    std::wstring shortened(n, L'\0');
    n = GetShortPathNameW(folder.c_str(), shortened.data(), n);
    if (n == 0) return LastError("Cannot find the short name of " + Narrow(folder));
    shortened.resize(n);
    if (shortened.back() != L'\\') shortened += L'\\';
    return Narrow(shortened);
}

}  // namespace tess::win32
