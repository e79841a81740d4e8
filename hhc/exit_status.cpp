#include <cstdlib>
#include <string_view>

#include "hhc/compile.h"

namespace hhc {

const char* const kUsage =
    "usage: hhc [-j N | --threads N] <project file>\n"
    "Compiles the help project (.hhp) into the compiled file it names (.chm).\n"
    "-j N, --threads N: compress on N threads (default: one per core); the file is the same.\n"
    "Exit status, as Microsoft's compiler: 1 when the compiled file was created, 0 when not\n"
    "(the project's log or standard error says why), 2 when no log could be written.\n"
    "With HHC_SUCCESS_STATUS=0 in the environment: 0 when created, 1 when not.\n";

int ExitStatus(int status) {
    const char* wanted = std::getenv("HHC_SUCCESS_STATUS");
    if (!wanted || std::string_view(wanted) != "0" || status == kNoLog) return status;
    return status == kCreated ? 0 : 1;
}

}  // namespace hhc
