// What every window of the program shares: the platform and the settings.
#pragma once

#include <string>

#include "app/identity.h"
#include "convert/compiler_run.h"
#include "platform/platform.h"
#include "settings/settings_store.h"

namespace tess {

struct App {
    explicit App(Platform& p) : platform(p), settings(p.settings, kAppTitle) {}

    WindowSystem& windows() { return platform.windows; }

    // Stores a choice; a store that cannot be written is said plainly rather than lost unnoticed.
    void Store(const std::string& key, const std::string& value, WindowId owner = kNoWindow);

    Platform& platform;
    SettingsStore settings;
    WaitLimits limits;
};

}  // namespace tess
