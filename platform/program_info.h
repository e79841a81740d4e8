// Facts about the running program and the user's folders.
#pragma once

#include <string>

namespace tess {

class ProgramInfo {
public:
    virtual ~ProgramInfo() = default;
    // Folder of the program's own executable, as the system reports it (no separator added).
    virtual std::string ExecutableFolder() = 0;
    // Per-user folder for work files when the program's folder cannot be written; ends in a separator.
    virtual std::string UserWorkFolder(const std::string& app) = 0;
};

}  // namespace tess
