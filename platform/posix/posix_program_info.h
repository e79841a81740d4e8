// Where the program lives and where its per-user work files go.
#pragma once

#include <string>

#include "platform/program_info.h"

namespace tess {

class PosixProgramInfo final : public ProgramInfo {
public:
    // `cache_home` holds one work folder per application ($XDG_CACHE_HOME); `shared_temp` is
    // the system's shared temporary folder.
    explicit PosixProgramInfo(std::string cache_home, std::string shared_temp = "/tmp");

    // From /proc/self/exe, symlinks resolved.
    std::string ExecutableFolder() override;
    // <cache home>/<app>/, created when missing.
    std::string UserWorkFolder(const std::string& app) override;
    // <shared temp>/<app>-<uid>/: made mode 0700, or taken only when it is a folder (not a link) that
    // belongs to us and that no one else can enter.
    Result<std::string> PlainWorkFolder(const std::string& app) override;

private:
    std::string cache_home_;
    std::string shared_temp_;
};

}  // namespace tess
