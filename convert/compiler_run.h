// Running the help compiler on the project and following its log to the end.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "convert/compiler_paths.h"
#include "convert/wait_limits.h"
#include "platform/path_style.h"
#include "platform/platform.h"

namespace tess {

// Everything one page's compilation touches.
struct CompilerRun {
    CompilerRun(Platform& platform, CompilerPaths compiler_paths, std::string folder)
        : files(platform.files), processes(platform.processes), clock(platform.clock), codec(platform.codec),
          compiler(std::move(compiler_paths)), work_folder(std::move(folder)) {}

    Files& files;
    Processes& processes;
    Clock& clock;
    TextCodec& codec;
    CompilerPaths compiler;             // the caller's: the desktop reads it afresh for every page
    std::string work_folder;            // holds Dummy.hhp, Dummy.chm and log1.log; ends in a separator
    bool copy_beside_compiler = true;   // also place the project in the compiler's folder when it can be written
    std::function<void()> pump = [] {}; // lets the window paint
    WaitLimits limits;
    PathSyntax paths = kNativePaths;
    // The warning lines of the last successful compilation's log (files left out and why), UTF-8.
    std::vector<std::string> warnings;
};

struct StartedCompiler {
    ProcessId process = 0;
    std::int64_t started_ms = 0;
};

// Copies the project to the compiler's side, removes the old log and starts the compiler hidden.
Result<StartedCompiler> StartCompiler(CompilerRun& run);
// Returns once the log holds a line containing "Created"; an Error when the compilation failed,
// the compiler never wrote its log, or the time limit passed.
Status WaitForCompiler(CompilerRun& run, const StartedCompiler& compiler);
// Copies Dummy.chm beside the page under the first free name and returns that name. Never
// replaces a file, even one that appears while we choose.
Result<std::string> PlaceOutput(CompilerRun& run, const std::string& page);

// The path the compiler is started on: in the compiler's folder when allowed, else the work folder's own.
std::string CompilerSideProjectPath(CompilerRun& run);

}  // namespace tess
