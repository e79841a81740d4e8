// The companion command: the same conversion as a drop, for pages named on the command line.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "convert/compiler_paths.h"
#include "windows/app.h"

namespace tess {

struct BatchOutcome {
    int converted = 0;
    int failed = 0;
};

// The stored compiler, or the one the registry names (stored for next time, as the main window
// does at start); empty when neither gives one.
std::optional<CompilerPaths> EnsureCompilerKnown(App& app);

// Converts each page with work files in `work_folder` (the command's own), printing each .chm
// written on `out` and the compiler's warnings (files it left out) on `err`; each failure is told
// through the window system (standard error for a console).
BatchOutcome ConvertPages(App& app, const CompilerPaths& compiler, const std::vector<std::string>& pages,
                          const std::string& work_folder, std::ostream& out, std::ostream& err);

}  // namespace tess
