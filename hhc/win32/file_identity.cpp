#include "hhc/file_identity.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace hhc {
namespace {

// A folder is opened only for its identity: no rights asked, every sharing allowed.
std::string KeyOf(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    BY_HANDLE_FILE_INFORMATION info{};
    BOOL ok = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    if (!ok) return {};
    return std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(info.nFileIndexHigh) + ":" +
           std::to_string(info.nFileIndexLow);
}

}  // namespace

std::string FileIdentity(const std::string& path) {
    std::wstring wide = tess::win32::Widen(path);
    if (std::string key = KeyOf(wide); !key.empty()) return key;
    size_t slash = wide.find_last_of(L"\\/");
    std::wstring folder = slash == std::wstring::npos ? L"." : wide.substr(0, slash + 1);
    std::wstring name = slash == std::wstring::npos ? wide : wide.substr(slash + 1);
    if (name.empty() || name == L"." || name == L"..") return {};
    std::string key = KeyOf(folder);
    if (key.empty()) return {};
    // NTFS and FAT names ignore case.
    CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
    return key + "/" + tess::win32::Narrow(name);
}

}  // namespace hhc
