#include "platform/posix/posix_single_instance.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/posix/path_text.h"
#include "platform/posix/xdg_folders.h"

namespace tess {

PosixSingleInstance::PosixSingleInstance(std::string lock_file) : lock_file_(std::move(lock_file)) {}

std::string PosixSingleInstance::DefaultLockFile(const std::string& app) {
    const std::string runtime = RuntimeFolder();
    if (!runtime.empty()) return runtime + "/" + app + ".lock";
    return CacheHome() + "/" + app + "/instance.lock";
}

bool PosixSingleInstance::AnotherInstanceRunning() {
    if (held_) return false;
    std::error_code ignored;
    std::filesystem::create_directories(FolderOf(lock_file_), ignored);
    // Close-on-exec: a program we start must not keep our claim alive after we end.
    UniqueFd fd(::open(lock_file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0600));
    // Without a lock file we cannot tell; starting is better than refusing for good.
    if (!fd) return false;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return errno == EWOULDBLOCK;
    held_ = std::move(fd);
    return false;
}

}  // namespace tess
