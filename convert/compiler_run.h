// Running the help compiler on the project and following its log to the end.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "settings/settings_store.h"

namespace tess {

struct WaitLimits {
    int poll_ms = 1;              // between looks at the log; a tight spin would eat a core
    int settle_ms = 50;           // at most, from the log's appearance to the first probe, while
                                  // its success line is still to come: each probe that meets the
                                  // log held costs the whole in-use pause
    int in_use_pause_ms = 2000;   // the compiler still holds the log
    int time_limit_ms = 120000;   // per page, from the compiler's start
    int paint_every_ms = 50;      // the window keeps painting while we wait
};

// Everything one page's compilation touches.
struct CompilerRun {
    CompilerRun(Platform& platform, SettingsStore& store, std::string folder)
        : files(platform.files), processes(platform.processes), clock(platform.clock), codec(platform.codec),
          settings(store), work_folder(std::move(folder)) {}

    Files& files;
    Processes& processes;
    Clock& clock;
    TextCodec& codec;
    SettingsStore& settings;
    std::string work_folder;            // holds Dummy.hhp, Dummy.chm and log1.log; ends in a separator
    bool copy_beside_compiler = true;   // also place the project in the compiler's folder when it can be written
    std::function<void()> pump = [] {}; // lets the window paint
    // When set, used instead of the stored InstallPath / InstallPathF (a store that cannot be
    // written must not stop a command that found its compiler).
    std::string compiler_path;
    std::string compiler_folder;
    WaitLimits limits;
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
