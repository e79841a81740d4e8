#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <cstring>
#include <optional>

#include "platform/win32/wide_text.h"

namespace tess::win32 {
namespace {

constexpr const char* kWorkshopKey = "Software\\Microsoft\\HTML Help Workshop";
constexpr const char* kInstallDir = "InstallDir";
constexpr const wchar_t* kCompilerName = L"hhc.exe";

// Stands for the workshop's key when only the shipped compiler answers for it; its address
// is never a registry handle.
const char shipped_key_tag = 0;
const RegKey kShippedKey = reinterpret_cast<RegKey>(&shipped_key_tag);

// Registry names ignore ASCII case, and a key path may end in a separator.
bool SameName(std::string a, const std::string& b) {
    if (a.size() == b.size() + 1 && a.back() == '\\') a.pop_back();
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The text as RegQueryValueExA gives a stored string: in the system's ANSI code page, and
// only when it comes back unchanged from there (no substitute, no best-fit look-alike).
std::optional<std::string> AnsiForm(const std::wstring& wide) {
    if (wide.empty()) return std::string();
    const UINT page = GetACP();
    const bool utf8 = page == CP_UTF8;
    BOOL used_default = FALSE;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    const int length = static_cast<int>(wide.size());
    int n = WideCharToMultiByte(page, flags, wide.data(), length, nullptr, 0, nullptr, utf8 ? nullptr : &used_default);
    if (n <= 0 || used_default) return std::nullopt;
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(page, flags, wide.data(), length, bytes.data(), n, nullptr, utf8 ? nullptr : &used_default);
    int back = MultiByteToWideChar(page, 0, bytes.data(), n, nullptr, 0);
    std::wstring round(static_cast<size_t>(back), L'\0');
    MultiByteToWideChar(page, 0, bytes.data(), n, round.data(), back);
    if (used_default || round != wide) return std::nullopt;
    return bytes;
}

}  // namespace

Win32Registry::Win32Registry(std::wstring program_folder) : program_folder_(std::move(program_folder)) {
    // A drive's root ("C:\") is named without its separator, so that the compiler's path,
    // folder + "\hhc.exe", has one backslash.
    while (!program_folder_.empty() && (program_folder_.back() == L'\\' || program_folder_.back() == L'/'))
        program_folder_.pop_back();
}

bool Win32Registry::HasShippedCompiler() const {
    if (program_folder_.empty()) return false;
    const DWORD attributes = GetFileAttributesW((program_folder_ + L"\\" + kCompilerName).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

long Win32Registry::OpenKey(RegRoot root, const std::string& path, std::uint32_t access, RegKey* key) {
    HKEY opened = nullptr;
    HKEY base = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    LONG status = RegOpenKeyExA(base, path.c_str(), 0, access, &opened);
    *key = status == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
    const bool workshop = root == RegRoot::current_user && SameName(path, kWorkshopKey);
    if (workshop && status == ERROR_SUCCESS) workshop_keys_.insert(*key);
    if (workshop && status == ERROR_FILE_NOT_FOUND && HasShippedCompiler()) {
        *key = kShippedKey;
        return ERROR_SUCCESS;
    }
    return status;
}

long Win32Registry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                               unsigned char* buffer, std::uint32_t* size) {
    if (key == kShippedKey)
        return SameName(name, kInstallDir) ? AnswerShippedFolder(type, buffer, size) : ERROR_FILE_NOT_FOUND;
    DWORD value_type = 0;
    DWORD bytes = size ? *size : 0;
    LONG status = RegQueryValueExA(reinterpret_cast<HKEY>(key), name.c_str(), nullptr,
                                   type ? &value_type : nullptr, buffer, size ? &bytes : nullptr);
    if (status == ERROR_FILE_NOT_FOUND && workshop_keys_.count(key) && SameName(name, kInstallDir))
        return AnswerShippedFolder(type, buffer, size);
    if (type) *type = value_type;
    if (size) *size = bytes;
    return status;
}

long Win32Registry::AnswerShippedFolder(std::uint32_t* type, unsigned char* buffer, std::uint32_t* size) const {
    if (!HasShippedCompiler()) return ERROR_FILE_NOT_FOUND;
    std::optional<std::string> ansi = AnsiForm(program_folder_);
    if (!ansi) return ERROR_FILE_NOT_FOUND;
    const std::string data = *ansi + '\0';
    const auto needed = static_cast<std::uint32_t>(data.size());
    if (type) *type = REG_SZ;
    if (!size) return buffer ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    if (!buffer) {
        *size = needed;
        return ERROR_SUCCESS;
    }
    if (needed > *size) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(buffer, data.data(), data.size());
    *size = needed;
    return ERROR_SUCCESS;
}

void Win32Registry::CloseKey(RegKey key) {
    if (!key || key == kShippedKey) return;
    workshop_keys_.erase(key);
    RegCloseKey(reinterpret_cast<HKEY>(key));
}

}  // namespace tess::win32
