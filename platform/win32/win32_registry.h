// Registry reads straight through the ANSI registry functions.
#pragma once

#include "platform/registry.h"

namespace tess::win32 {

class Win32Registry final : public Registry {
public:
    long OpenKey(RegRoot root, const std::string& path, std::uint32_t access, RegKey* key) override;
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, unsigned char* buffer,
                    std::uint32_t* size) override;
    void CloseKey(RegKey key) override;
};

}  // namespace tess::win32
