// Where the help compiler is: the one shape its place takes, from the registry to the run.
#pragma once

#include <string>

namespace tess {

struct CompilerPaths {
    std::string program;  // the compiler itself: folder + separator + its file name
    std::string folder;   // exactly as the registry gave it
};

}  // namespace tess
