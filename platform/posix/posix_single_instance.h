// One running program per user: a flock on a lock file, which the system drops when the
// process ends, however it ends.
#pragma once

#include <string>

#include "platform/posix/unique_fd.h"
#include "platform/single_instance.h"

namespace tess {

class PosixSingleInstance final : public SingleInstance {
public:
    explicit PosixSingleInstance(std::string lock_file);

    // $XDG_RUNTIME_DIR/<app>.lock, else <cache home>/<app>/instance.lock.
    static std::string DefaultLockFile(const std::string& app);

    bool AnotherInstanceRunning() override;

private:
    std::string lock_file_;
    UniqueFd held_;
};

}  // namespace tess
