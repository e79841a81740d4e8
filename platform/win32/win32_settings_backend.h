// Settings as string values in the per-application area of HKEY_CURRENT_USER that the
// platform's own settings functions use, so values kept by earlier versions are read.
#pragma once

#include "platform/settings_backend.h"

namespace tess::win32 {

// HKEY_CURRENT_USER\<kSettingsRoot>\<app>\<section>, one REG_SZ value per key.
inline constexpr const wchar_t* kSettingsRoot = L"Software\\VB and VBA Program Settings";

class Win32SettingsBackend final : public SettingsBackend {
public:
    std::string Get(const std::string& app, const std::string& section, const std::string& key) override;
    Status Set(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;
};

}  // namespace tess::win32
