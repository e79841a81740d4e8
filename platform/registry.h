// Registry reads with the semantics of RegOpenKeyExA / RegQueryValueExA / RegCloseKey.
// Key paths, value names and value data are in the system ANSI code page.
#pragma once

#include <cstdint>
#include <string>

namespace tess {

enum class RegRoot : std::uint32_t {
    current_user = 0x80000001u,
    local_machine = 0x80000002u,
};

constexpr std::uint32_t kKeyQueryValue = 0x1;
// KEY_READ: read control, query value, enumerate sub-keys, notify.
constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeyReadWrite = 0x2003F;

constexpr long kRegSuccess = 0;
constexpr long kRegFileNotFound = 2;
constexpr long kRegAccessDenied = 5;
constexpr long kRegMoreData = 234;

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

using RegKey = std::uintptr_t;

class Registry {
public:
    virtual ~Registry() = default;

    virtual long OpenKey(RegRoot root, const std::string& path, std::uint32_t access, RegKey* key) = 0;
    // Copies the value's data into `buffer` (of `*size` bytes) and sets `*size` to the bytes
    // written. Data longer than the buffer gives kRegMoreData. `type` may be null.
    virtual long QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                            unsigned char* buffer, std::uint32_t* size) = 0;
    virtual void CloseKey(RegKey key) = 0;
};

}  // namespace tess
