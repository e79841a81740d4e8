// hhc.exe: our help compiler on Windows, the same compiler as hhc on Linux. Takes the project
// file as its one argument; the command line is read as UTF-16, so any path arrives whole.
#include <cstdio>
#include <string>

#include "platform/win32/wide_text.h"
#include <vector>

#include "hhc/command_line.h"
#include "hhc/compile.h"
#include "hhc/process.h"

int wmain(int argc, wchar_t** argv) {
    hhc::PrepareProcess();
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(tess::win32::Narrow(argv[i]));
    auto line = hhc::ParseCommandLine(args);
    if (!line) {
        if (argc > 1) std::fprintf(stderr, "hhc: %s\n", line.error().message.c_str());
        std::fputs(hhc::kUsage, stderr);
        std::fputs("A path with blanks goes in double quotes.\n", stderr);
        return hhc::kNoLog;
    }
    return hhc::ExitStatus(hhc::CompileProject(hhc::ProjectArgument(line->project), line->threads));
}
