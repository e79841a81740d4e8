// The per-user settings: one application title, sections, keys, string values.
#pragma once

#include <string>

#include "platform/result.h"
#include "platform/settings_backend.h"

namespace tess {

inline constexpr const char* kSectionInfo = "info";
inline constexpr const char* kKeyInstallPath = "InstallPath";
inline constexpr const char* kKeyInstallPathF = "InstallPathF";
inline constexpr const char* kKeyEndOption = "EndOption";
inline constexpr const char* kKeyStartSplash = "StartSplash";
inline constexpr const char* kKeyMessage = "Message";

class SettingsStore {
public:
    SettingsStore(SettingsBackend& backend, std::string app) : backend_(backend), app_(std::move(app)) {}

    // A missing key reads as "".
    std::string ReadSetting(const std::string& section, const std::string& key) const {
        return backend_.Get(app_, section, key);
    }
    Status WriteSetting(const std::string& section, const std::string& key, const std::string& value) {
        return backend_.Set(app_, section, key, value);
    }

    std::string Read(const std::string& key) const { return ReadSetting(kSectionInfo, key); }
    Status Write(const std::string& key, const std::string& value) {
        return WriteSetting(kSectionInfo, key, value);
    }

private:
    SettingsBackend& backend_;
    std::string app_;
};

}  // namespace tess
