#include "windows/help_launch.h"

#include <vector>

#include "platform/path_names.h"

namespace tess {

bool GetKeyValue(Platform& platform, RegRoot root, const std::string& key_path, const std::string& value_name,
                 std::string& result) {
    RegKey key = 0;
    // Read access only: a program started without elevation is refused write access to machine-wide
    // keys (and is not redirected to a virtual copy), so asking for it would always fail.
    if (platform.registry.OpenKey(root, key_path, kKeyRead, &key) != kRegSuccess) {
        result.clear();
        return false;
    }
    std::vector<unsigned char> buffer(kKeyValueBufferSize, 0);
    std::uint32_t size = kKeyValueBufferSize;
    std::uint32_t type = 0;
    if (platform.registry.QueryValue(key, value_name, &type, buffer.data(), &size) != kRegSuccess) {
        result.clear();
        platform.registry.CloseKey(key);
        return false;
    }
    std::uint32_t length = std::min(size, kKeyValueBufferSize);
    if (length > 0 && buffer[length - 1] == 0) --length;  // cut on the bytes, before they become text
    if (type == kRegSz) {
        result = platform.codec.FromSystemAnsi(std::string(buffer.begin(), buffer.begin() + length));
    } else if (type == kRegDword) {
        std::uint32_t number = 0;
        for (std::uint32_t i = 0; i < 4 && i < size; ++i) number |= std::uint32_t{buffer[i]} << (8 * i);
        result = std::to_string(number);
    }
    platform.registry.CloseKey(key);
    return true;
}

void OpenHelpFile(Platform& platform, const std::string& program_folder) {
    (void)platform.processes.OpenDocument(program_folder + kHelpFileName);
}

void StartSysInfo(Platform& platform, WindowId owner, const std::string& caption) {
    std::string command;
    bool found = GetKeyValue(platform, RegRoot::local_machine, kSysInfoPathKey, kSysInfoPathValue, command);
    if (!found) {
        std::string folder;
        if (GetKeyValue(platform, RegRoot::local_machine, kSysInfoFolderKey, kSysInfoFolderValue, folder)) {
            const std::string candidate = JoinPath(folder, kSysInfoExe);
            if (platform.files.IsNormalFile(candidate)) {
                command = candidate;
                found = true;
            }
        }
    }
    if (found && platform.processes.StartCommandLine(command)) return;
    platform.windows.ShowMessage(kSysInfoUnavailable, MessageIcon::none, caption, owner);
}

}  // namespace tess
