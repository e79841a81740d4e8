#include "platform/posix/posix_services.h"

#include "platform/posix/xdg_folders.h"

namespace tess {

PosixServices::PosixServices(const ProgramNames& names)
    : program(CacheHome()),
      registry(codec, PosixRegistry::DefaultFile(names.app), program.ExecutableFolder()),
      settings(ConfigHome()),
      instance(PosixSingleInstance::DefaultLockFile(names.app)) {}

Platform PosixServices::Bundle(WindowSystem& windows) {
    return Platform{files, registry, settings, processes, instance, clock, codec, program, windows};
}

}  // namespace tess
