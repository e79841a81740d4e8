// Where the program lives and where its per-user work files go.
#pragma once

#include <string>

#include "platform/program_info.h"

namespace tess {

class PosixProgramInfo final : public ProgramInfo {
public:
    // `cache_home` holds one work folder per application ($XDG_CACHE_HOME).
    explicit PosixProgramInfo(std::string cache_home);

    // From /proc/self/exe, symlinks resolved.
    std::string ExecutableFolder() override;
    // <cache home>/<app>/, created when missing.
    std::string UserWorkFolder(const std::string& app) override;

private:
    std::string cache_home_;
};

}  // namespace tess
