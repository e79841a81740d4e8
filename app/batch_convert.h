// The companion command: the same conversion as a drop, for pages named on the command line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/app.h"

namespace tess {

struct BatchOutcome {
    int converted = 0;
    int failed = 0;
};

// Converts each page with work files in `work_folder` (the command's own), printing each .chm
// written on `out` and each failure on `err`.
BatchOutcome ConvertPages(App& app, const std::vector<std::string>& pages, const std::string& work_folder,
                          std::ostream& out, std::ostream& err);

// Makes sure a compiler is stored (as the main window does at start); false when none can be found.
bool EnsureCompilerKnown(App& app);

}  // namespace tess
