// A program on the real file and process services and code page; the registry, settings,
// instance claim and program folder are stand-ins, the clock and windows the test's choice.
#pragma once

#include "app/identity.h"
#include "platform/posix/iconv_text_codec.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_processes.h"
#include "tests/fakes/fake_services.h"
#include "windows/app.h"

namespace tess::testing {

template <class ClockT, class WindowsT>
struct RealFilesProgram {
    PosixFiles files;
    PosixProcesses processes;
    ClockT clock;
    IconvTextCodec codec;
    FakeRegistry registry;
    FakeSettings settings;
    FakeInstance instance;
    FakeProgramInfo program;
    WindowsT windows;
    Platform platform{files, registry, settings, processes, instance, clock, codec, program, windows};
    App app{platform, Identity()};
};

}  // namespace tess::testing
