#include "tools/hhc/win32/held_log.h"

#include "tools/hhc/log_line.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace hhc::win32 {
namespace {

using tess::win32::UniqueHandle;

constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

bool RenameHeld(HANDLE h, const std::wstring& to) {
    wchar_t full[MAX_PATH + 1];
    DWORD n = GetFullPathNameW(to.c_str(), MAX_PATH + 1, full, nullptr);
    if (n == 0 || n > MAX_PATH) return false;
    std::wstring target = L"\\??\\" + std::wstring(full, n);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = TRUE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    target.copy(info->FileName, target.size());
    return SetFileInformationByHandle(h, FileRenameInfo, info, static_cast<DWORD>(buffer.size())) != 0;
}

}  // namespace

tess::Result<HeldLog> HeldLog::Create(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    std::wstring folder = slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
    std::wstring temp = folder + L"~hhc-log-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    UniqueHandle held(CreateFileW(temp.c_str(), GENERIC_WRITE | DELETE, kShareReadWrite, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (held && RenameHeld(held.get(), path)) return HeldLog(std::move(held));
    if (held) {
        FILE_DISPOSITION_INFO gone{TRUE};
        SetFileInformationByHandle(held.get(), FileDispositionInfo, &gone, sizeof gone);
        held.Reset();
    }
    UniqueHandle direct(CreateFileW(path.c_str(), GENERIC_WRITE, kShareReadWrite, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!direct) return tess::win32::LastError("The log " + tess::win32::Narrow(path) + " cannot be created");
    return HeldLog(std::move(direct));
}

tess::Status HeldLog::WriteLine(std::string_view bytes) { return Append(Harmless(std::string(bytes))); }

tess::Status HeldLog::WriteSuccessLine(std::string_view bytes) { return Append(std::string(bytes)); }

tess::Status HeldLog::Append(std::string line) {
    line += "\r\n";
    DWORD written = 0;
    if (!handle_ || !WriteFile(handle_.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ||
        written != line.size())
        return tess::win32::LastError("The log cannot be written");
    return {};
}

}  // namespace hhc::win32
