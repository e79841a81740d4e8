// The names the program goes by, handed to the platform by the program's entry: the services
// spell none of their own.
#pragma once

#include <string>

namespace tess {

struct ProgramNames {
    std::string app;      // the settings, the per-user folders and files, the single-instance claim
    std::string display;  // what the desktop shows for the program
};

}  // namespace tess
