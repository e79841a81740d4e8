// What hhc is asked on its command line: the project, and how many threads compress it.
#pragma once

#include <string>
#include <vector>

#include "platform/result.h"

namespace hhc {

struct CommandLine {
    std::string project;
    unsigned threads = 0;  // 0: one per core
};

// The arguments after the program's name: "[-j N | --threads N] <project file>".
tess::Result<CommandLine> ParseCommandLine(const std::vector<std::string>& args);

}  // namespace hhc
