// hhc: the help compiler that stands in where the help workshop's compiler is not
// available. Takes the project file as its one argument.
#include <cstdio>

#include "hhc/compile.h"
#include "hhc/process.h"

int main(int argc, char** argv) {
    hhc::PrepareProcess();
    if (argc != 2) {
        std::fputs(hhc::kUsage, stderr);
        return hhc::kNoLog;
    }
    return hhc::ExitStatus(hhc::CompileProject(hhc::ProjectArgument(argv[1])));
}
