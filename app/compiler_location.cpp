#include "app/compiler_location.h"

#include <algorithm>
#include <array>

#include "app/compiler_missing_message.h"
#include "platform/path_style.h"

namespace tess {

CompilerLocation FindHelpCompiler(Platform& platform) {
    CompilerLocation result;
    RegKey key = 0;
    const long opened = platform.registry.OpenKey(RegRoot::current_user, kHelpWorkshopKey, kKeyQueryValue, &key);
    std::array<unsigned char, kInstallDirBufferSize> buffer{};
    std::uint32_t size = kInstallDirBufferSize;
    // A failed open leaves no key, and the read below fails with it.
    const long status = opened == kRegSuccess
                            ? platform.registry.QueryValue(key, kInstallDirValue, nullptr, buffer.data(), &size)
                            : opened;
    if (status == kRegSuccess) {
        // Up to the first NUL; the size the read reports is not used.
        const auto end = std::find(buffer.begin(), buffer.end(), 0);
        const std::string ansi(buffer.begin(), end);
        result.found = true;
        result.folder = platform.codec.FromSystemAnsi(ansi);
        result.full_path = result.folder + kPathSeparator + std::string(kCompilerFileName);
    }
    if (opened == kRegSuccess) platform.registry.CloseKey(key);
    return result;
}

CompilerLocation LocateHelpCompiler(Platform& platform, SettingsStore& settings, LocateCaller caller,
                                    WindowId window) {
    const CompilerLocation location = FindHelpCompiler(platform);
    if (location.found) {
        platform.windows.SetCaption(window, "Text1", location.folder);
        const bool replace = caller == LocateCaller::options_dialog || settings.Read(kKeyInstallPath).empty();
        if (replace) {
            settings.Write(kKeyInstallPath, location.full_path);
            settings.Write(kKeyInstallPathF, location.folder);
        }
    } else {
        ShowCompilerMissing(platform.windows, window);
    }
    if (caller == LocateCaller::options_dialog) {
        platform.windows.SetCaption(window, "Label1", location.full_path);
        platform.windows.ProcessPendingEvents();
    }
    return location;
}

}  // namespace tess
