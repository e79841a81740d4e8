// Finding the help compiler through the registry and remembering where it is.
#pragma once

#include <optional>
#include <string>

#include "convert/compiler_paths.h"
#include "platform/path_style.h"
#include "platform/platform.h"
#include "settings/settings_store.h"

namespace tess {

enum class LocateCaller {
    main_window,     // stores the path only while none is stored
    options_dialog,  // always replaces it and shows it in the dialog
};

inline constexpr const char* kHelpWorkshopKey = "Software\\Microsoft\\HTML Help Workshop";
inline constexpr const char* kInstallDirValue = "InstallDir";
inline constexpr std::uint32_t kInstallDirBufferSize = 250;

// The compiler's program in `folder`: a separator is added even when the folder ends in one.
std::string CompilerProgramPath(const std::string& folder, const PathSyntax& syntax = kNativePaths);

// Reads the registry only; no message, nothing stored. Empty when the registry names no folder.
std::optional<CompilerPaths> FindHelpCompiler(Platform& platform, const PathSyntax& syntax = kNativePaths);

// The whole operation: shows the folder in the caller's `Text1`, stores the keys as the caller
// demands, shows the compiler-missing message when nothing is found; the dialog caller also gets
// `Label1` set to the full path (or blank) and a turn of pending events.
std::optional<CompilerPaths> LocateHelpCompiler(Platform& platform, SettingsStore& settings, LocateCaller caller,
                                                WindowId window);

// The compiler as the store holds it now ("" for what it does not hold).
CompilerPaths StoredCompiler(const SettingsStore& settings);

}  // namespace tess
