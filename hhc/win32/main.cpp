// hhc.exe: our help compiler on Windows, the same compiler as hhc on Linux. Takes the project
// file as its one argument; the command line is read as UTF-16, so any path arrives whole.
#include <cstdio>
#include <string>

#include "platform/win32/wide_text.h"
#include "hhc/compile.h"
#include "hhc/process.h"

int wmain(int argc, wchar_t** argv) {
    hhc::PrepareProcess();
    if (argc != 2) {
        std::fputs(hhc::kUsage, stderr);
        std::fputs("A path with blanks goes in double quotes.\n", stderr);
        return hhc::kNoLog;
    }
    return hhc::ExitStatus(hhc::CompileProject(hhc::ProjectArgument(tess::win32::Narrow(argv[1]))));
}
