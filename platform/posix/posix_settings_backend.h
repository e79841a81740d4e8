// Settings in one text file per application: <config home>/<app>/settings.ini.
#pragma once

#include <string>

#include "platform/settings_backend.h"

namespace tess {

class PosixSettingsBackend final : public SettingsBackend {
public:
    // `config_home` is the folder that holds one folder per application ($XDG_CONFIG_HOME).
    explicit PosixSettingsBackend(std::string config_home);

    // Read afresh on every call. A corrupt or unreadable file reads as empty.
    std::string Get(const std::string& app, const std::string& section, const std::string& key) override;
    // Written atomically. A corrupt file is first kept aside, never silently replaced.
    Status Set(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;

    std::string FileFor(const std::string& app) const;

private:
    std::string config_home_;
};

}  // namespace tess
