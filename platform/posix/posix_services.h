// One of each Linux service, wired together; an entry adds its window system and bundles them.
#pragma once

#include "platform/platform.h"
#include "platform/program_names.h"
#include "platform/posix/iconv_text_codec.h"
#include "platform/posix/posix_clock.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_processes.h"
#include "platform/posix/posix_program_info.h"
#include "platform/posix/posix_registry.h"
#include "platform/posix/posix_settings_backend.h"
#include "platform/posix/posix_single_instance.h"

namespace tess {

struct PosixServices {
    // Folders come from the XDG variables of the environment the program was started in, named
    // for `names.app`.
    explicit PosixServices(const ProgramNames& names);
    PosixServices(const PosixServices&) = delete;
    PosixServices& operator=(const PosixServices&) = delete;

    Platform Bundle(WindowSystem& windows);

    // Declared in the order they are built: the registry needs the codec and the program's folder.
    IconvTextCodec codec;
    PosixProgramInfo program;
    PosixFiles files;
    PosixRegistry registry;
    PosixSettingsBackend settings;
    PosixProcesses processes;
    PosixSingleInstance instance;
    PosixClock clock;
};

}  // namespace tess
