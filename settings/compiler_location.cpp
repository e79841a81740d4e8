#include "settings/compiler_location.h"

#include <algorithm>
#include <array>

#include "settings/compiler_missing_message.h"
#include "platform/path_names.h"

namespace tess {

std::optional<CompilerPaths> FindHelpCompiler(Platform& platform, const PathSyntax& syntax) {
    std::optional<CompilerPaths> result;
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
        const std::string folder = platform.codec.FromSystemAnsi(ansi);
        result = CompilerPaths{CompilerProgramPath(folder, syntax), folder};
    }
    if (opened == kRegSuccess) platform.registry.CloseKey(key);
    return result;
}

std::optional<CompilerPaths> LocateHelpCompiler(Platform& platform, SettingsStore& settings, LocateCaller caller,
                                                WindowId window) {
    const std::optional<CompilerPaths> location = FindHelpCompiler(platform);
    if (location) {
        platform.windows.SetCaption(window, "Text1", location->folder);
        const bool replace = caller == LocateCaller::options_dialog || settings.Read(kKeyInstallPath).empty();
        if (replace) {
            settings.Write(kKeyInstallPath, location->program, window);
            settings.Write(kKeyInstallPathF, location->folder, window);
        }
    } else {
        ShowCompilerMissing(platform.windows, window);
    }
    if (caller == LocateCaller::options_dialog) {
        platform.windows.SetCaption(window, "Label1", location ? location->program : "");
        platform.windows.ProcessPendingEvents();
    }
    return location;
}

std::string CompilerProgramPath(const std::string& folder, const PathSyntax& syntax) {
    return JoinPath(folder, syntax.compiler_file_name, syntax);
}

CompilerPaths StoredCompiler(const SettingsStore& settings) {
    return {settings.Read(kKeyInstallPath), settings.Read(kKeyInstallPathF)};
}

}  // namespace tess
