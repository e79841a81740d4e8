// Everything the shared code reaches of the system, in one bundle.
#pragma once

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/program_info.h"
#include "platform/registry.h"
#include "platform/settings_backend.h"
#include "platform/single_instance.h"
#include "platform/text_codec.h"
#include "platform/window_system.h"

namespace tess {

struct Platform {
    Files& files;
    Registry& registry;
    SettingsBackend& settings;
    Processes& processes;
    SingleInstance& instance;
    Clock& clock;
    TextCodec& codec;
    ProgramInfo& program;
    WindowSystem& windows;
};

}  // namespace tess
