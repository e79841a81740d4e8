#include "platform/win32/win32_registry.h"

#include <windows.h>

namespace tess::win32 {

long Win32Registry::OpenKey(RegRoot root, const std::string& path, std::uint32_t access, RegKey* key) {
    HKEY opened = nullptr;
    HKEY base = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    LONG status = RegOpenKeyExA(base, path.c_str(), 0, access, &opened);
    *key = status == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
    return status;
}

long Win32Registry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                               unsigned char* buffer, std::uint32_t* size) {
    DWORD value_type = 0;
    DWORD bytes = *size;
    LONG status = RegQueryValueExA(reinterpret_cast<HKEY>(key), name.c_str(), nullptr,
                                   type ? &value_type : nullptr, buffer, &bytes);
    if (type) *type = value_type;
    *size = bytes;
    return status;
}

void Win32Registry::CloseKey(RegKey key) {
    if (key) RegCloseKey(reinterpret_cast<HKEY>(key));
}

}  // namespace tess::win32
