// Where a run keeps Dummy.hhp, Dummy.chm and log1.log.
#pragma once

#include <string>

#include "platform/platform.h"

namespace tess {

// The program's folder when it can be written and named in the compiler's code page; else the
// per-user work folder (created when missing). Ends in a separator.
std::string ChooseWorkFolder(Platform& platform, const std::string& program_folder, const std::string& app);

// The per-user work folder, or, when its path has no code page 932 form (a home folder named
// José), a private one that has. Ends in a separator.
std::string UserSideWorkFolder(Platform& platform, const std::string& app);

}  // namespace tess
