// Finding the help compiler through the registry and remembering where it is.
#pragma once

#include <string>

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

struct CompilerLocation {
    bool found = false;
    std::string folder;     // exactly as the registry gives it
    std::string full_path;  // folder + separator + compiler file name; "" when not found
};

// Reads the registry only; no message, nothing stored.
CompilerLocation FindHelpCompiler(Platform& platform);

// The whole operation: shows the folder in the caller's `Text1`, stores the keys as the caller
// demands, shows the compiler-missing message when nothing is found; the dialog caller also gets
// `Label1` set to the full path (or blank) and a turn of pending events.
CompilerLocation LocateHelpCompiler(Platform& platform, SettingsStore& settings, LocateCaller caller,
                                    WindowId window);

}  // namespace tess
