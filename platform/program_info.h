// Facts about the running program and the user's folders.
#pragma once

#include <string>

#include "platform/result.h"

namespace tess {

class ProgramInfo {
public:
    virtual ~ProgramInfo() = default;
    // Folder of the program's own executable, as the system reports it (no separator added).
    virtual std::string ExecutableFolder() = 0;
    // Per-user folder for work files when the program's folder cannot be written; ends in a separator.
    virtual std::string UserWorkFolder(const std::string& app) = 0;
    // A private per-user folder whose path has a code page 932 form, for when the per-user
    // work folder's path has none (a name such as José); ends in a separator.
    virtual Result<std::string> PlainWorkFolder(const std::string& app) = 0;
};

}  // namespace tess
