// Who the program is: its titles and version (the version is the build's project version).
#pragma once

#include "platform/program_names.h"
#include "windows/app.h"

namespace tess {

// Window captions and the About box.
inline constexpr const char* kDisplayTitle = "Tessaline";
// Settings address and the caption of message boxes that have no title of their own.
inline constexpr const char* kAppTitle = "Quillvane";

inline constexpr Version kVersion{TESSALINE_VERSION_MAJOR, TESSALINE_VERSION_MINOR, TESSALINE_VERSION_PATCH};

inline ProgramIdentity Identity() { return {kDisplayTitle, kAppTitle, kVersion}; }
// What the platform names after the program.
inline ProgramNames Names() { return {kAppTitle, kDisplayTitle}; }

}  // namespace tess
