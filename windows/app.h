// What every window of the program shares: who the program is, the platform and the settings.
#pragma once

#include <string>

#include "convert/wait_limits.h"
#include "platform/platform.h"
#include "settings/settings_store.h"

namespace tess {

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

struct ProgramIdentity {
    std::string display_title;  // window captions and the About box
    std::string app_title;      // the settings' address and the caption of untitled message boxes
    Version version;
};

struct App {
    App(Platform& p, ProgramIdentity who)
        : platform(p), identity(std::move(who)), settings(p.settings, p.windows, identity.app_title) {}

    WindowSystem& windows() { return platform.windows; }

    Platform& platform;
    const ProgramIdentity identity;
    SettingsStore settings;
    WaitLimits limits;
};

}  // namespace tess
