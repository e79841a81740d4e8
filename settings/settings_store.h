// The per-user settings: one application title, sections, keys, string values.
#pragma once

#include <string>

#include "platform/settings_backend.h"
#include "platform/window_system.h"

namespace tess {

inline constexpr const char* kSectionInfo = "info";
inline constexpr const char* kKeyInstallPath = "InstallPath";
inline constexpr const char* kKeyInstallPathF = "InstallPathF";
inline constexpr const char* kKeyEndOption = "EndOption";
inline constexpr const char* kKeyStartSplash = "StartSplash";
inline constexpr const char* kKeyMessage = "Message";

class SettingsStore {
public:
    // `app` names the settings and captions the message of a write that fails.
    SettingsStore(SettingsBackend& backend, WindowSystem& windows, std::string app)
        : backend_(backend), windows_(windows), app_(std::move(app)) {}

    // A missing key reads as "".
    std::string ReadSetting(const std::string& section, const std::string& key) const {
        return backend_.Get(app_, section, key);
    }
    // The one way a setting is written: a store that cannot be written is said plainly, in a
    // message over `owner`, rather than lost unnoticed. False when it was not written.
    bool WriteSetting(const std::string& section, const std::string& key, const std::string& value,
                      WindowId owner = kNoWindow);

    std::string Read(const std::string& key) const { return ReadSetting(kSectionInfo, key); }
    bool Write(const std::string& key, const std::string& value, WindowId owner = kNoWindow) {
        return WriteSetting(kSectionInfo, key, value, owner);
    }

    const std::string& app() const { return app_; }

private:
    SettingsBackend& backend_;
    WindowSystem& windows_;
    std::string app_;
};

}  // namespace tess
