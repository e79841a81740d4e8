#include "platform/win32/win32_settings_backend.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace tess::win32 {
namespace {

std::wstring KeyPath(const std::string& app, const std::string& section) {
    return std::wstring(kSettingsRoot) + L"\\" + Widen(app) + L"\\" + Widen(section);
}

}  // namespace

std::string Win32SettingsBackend::Get(const std::string& app, const std::string& section,
                                      const std::string& key) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS)
        return {};
    std::wstring name = Widen(key);
    std::string result;
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(h, name.c_str(), nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD room = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        if (RegQueryValueExW(h, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &room) ==
                ERROR_SUCCESS &&
            type == REG_SZ) {
            // The stored data may or may not carry its terminator.
            size_t n = room / sizeof(wchar_t);
            while (n > 0 && data[n - 1] == L'\0') --n;
            result = Narrow(std::wstring_view(data.data(), n));
        }
    }
    RegCloseKey(h);
    return result;
}

Status Win32SettingsBackend::Set(const std::string& app, const std::string& section, const std::string& key,
                                 const std::string& value) {
    HKEY h = nullptr;
    LONG status = RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &h, nullptr);
    if (status != ERROR_SUCCESS) return ErrorFrom("Cannot store the setting " + key, static_cast<DWORD>(status));
    std::wstring data = Widen(value);
    status = RegSetValueExW(h, Widen(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(h);
    if (status != ERROR_SUCCESS) return ErrorFrom("Cannot store the setting " + key, static_cast<DWORD>(status));
    return {};
}

}  // namespace tess::win32
