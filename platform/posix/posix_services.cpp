#include "platform/posix/posix_services.h"

#include "platform/posix/xdg_folders.h"

namespace tess {

namespace {

// Where the per-user files of the program live; the settings store's own address is separate.
constexpr const char* kAppFolder = "Quillvane";

}  // namespace

PosixServices::PosixServices()
    : program(CacheHome()),
      registry(codec, PosixRegistry::DefaultFile(), program.ExecutableFolder()),
      settings(ConfigHome()),
      instance(PosixSingleInstance::DefaultLockFile(kAppFolder)) {}

Platform PosixServices::Bundle(WindowSystem& windows) {
    return Platform{files, registry, settings, processes, instance, clock, codec, program, windows};
}

}  // namespace tess
