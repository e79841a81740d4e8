// hhc: the help compiler that stands in where the help workshop's compiler is not
// available. Takes the project file, and optionally a thread count.
#include <cstdio>
#include <string>
#include <vector>

#include "hhc/command_line.h"

#include "hhc/compile.h"
#include "hhc/process.h"

int main(int argc, char** argv) {
    hhc::PrepareProcess();
    auto line = hhc::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!line) {
        if (argc > 1) std::fprintf(stderr, "hhc: %s\n", line.error().message.c_str());
        std::fputs(hhc::kUsage, stderr);
        return hhc::kNoLog;
    }
    return hhc::ExitStatus(hhc::CompileProject(hhc::ProjectArgument(line->project), line->threads));
}
