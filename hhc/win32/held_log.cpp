#include "hhc/held_log.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text.h"
#include "hhc/log_line.h"

// The log is shared for reading and writing but not for delete or rename: the program's
// rename probe meets "in use" for as long as the log is held.
namespace hhc {
namespace {

constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

HANDLE AsHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

std::wstring FullPath(const std::wstring& path) {
    DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0) return {};
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    full.resize(n);
    return full;
}

// Renamed through its own handle, so the log is never seen by its name unheld.
bool RenameHeld(HANDLE h, const std::wstring& to) {
    std::wstring full = FullPath(to);
    if (full.empty()) return false;
    std::wstring target = L"\\??\\" + full;
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = TRUE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    target.copy(info->FileName, target.size());
    return SetFileInformationByHandle(h, FileRenameInfo, info, static_cast<DWORD>(buffer.size())) != 0;
}

}  // namespace

tess::Result<HeldLog> HeldLog::Create(const std::string& path) {
    const std::wstring wide = tess::win32::Widen(path);
    const size_t slash = wide.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"" : wide.substr(0, slash + 1);
    const std::wstring temp = folder + L"~hhc-log-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    HANDLE held = CreateFileW(temp.c_str(), GENERIC_WRITE | DELETE, kShareReadWrite, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held != INVALID_HANDLE_VALUE && RenameHeld(held, wide)) return HeldLog(reinterpret_cast<std::intptr_t>(held));
    if (held != INVALID_HANDLE_VALUE) {
        FILE_DISPOSITION_INFO gone{TRUE};
        SetFileInformationByHandle(held, FileDispositionInfo, &gone, sizeof gone);
        CloseHandle(held);
    }
    // Where a rename by handle is refused (some network shares), the log is made in place:
    // held from its first moment all the same.
    HANDLE direct = CreateFileW(wide.c_str(), GENERIC_WRITE, kShareReadWrite, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (direct == INVALID_HANDLE_VALUE) return tess::win32::LastError("The log " + path + " cannot be created");
    return HeldLog(reinterpret_cast<std::intptr_t>(direct));
}

HeldLog::HeldLog(HeldLog&& other) noexcept : handle_(other.handle_) { other.handle_ = 0; }

HeldLog::~HeldLog() { Release(); }

tess::Status HeldLog::WriteLine(std::string_view bytes) { return Append(Harmless(std::string(bytes))); }

tess::Status HeldLog::WriteSuccessLine(std::string_view bytes) { return Append(std::string(bytes)); }

tess::Status HeldLog::Append(std::string line) {
    if (!handle_) return tess::Error{"The log is closed."};
    line += "\r\n";
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle_), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ||
        written != line.size())
        return tess::win32::LastError("The log cannot be written");
    return {};
}

void HeldLog::Release() {
    if (!handle_) return;
    CloseHandle(AsHandle(handle_));
    handle_ = 0;
}

}  // namespace hhc
