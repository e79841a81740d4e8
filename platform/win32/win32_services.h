// One of each Windows service, wired together; an entry adds its window system and bundles them.
#pragma once

#include "platform/platform.h"
#include "platform/program_names.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_program_info.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_settings_backend.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_text_codec.h"
#include "platform/win32/wide_text.h"

namespace tess::win32 {

struct Win32Services {
    explicit Win32Services(const ProgramNames& names) : instance(InstanceMutexName(names)) {}
    Win32Services(const Win32Services&) = delete;
    Win32Services& operator=(const Win32Services&) = delete;

    Platform Bundle(WindowSystem& windows) {
        return Platform{files, registry, settings, processes, instance, clock, codec, program, windows};
    }

    Win32Files files;
    Win32ProgramInfo program{files};
    // The compiler shipped beside the program stands in for a workshop that left no entry.
    Win32Registry registry{Widen(program.ExecutableFolder())};
    Win32SettingsBackend settings;
    Win32Processes processes;
    Win32SingleInstance instance;
    Win32Clock clock;
    Win32TextCodec codec;
};

}  // namespace tess::win32
