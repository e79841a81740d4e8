// Starting the program's help file and the system-information tool.
#pragma once

#include <string>

#include "platform/platform.h"

namespace tess {

inline constexpr const char* kHelpFileName = "Help.chm";
inline constexpr const char* kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoPathValue = "PATH";
inline constexpr const char* kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kSysInfoFolderValue = "MSINFO";
inline constexpr const char* kSysInfoExe = "MSINFO32.EXE";
inline constexpr const char* kSysInfoUnavailable = "現時点ではｼｽﾃﾑ情報を使用できません";
inline constexpr std::uint32_t kKeyValueBufferSize = 1024;

// Reads one registry value as text: strings as they are, 32-bit numbers in decimal, other
// types leave `result` as it was. False (and `result` emptied) when the value cannot be read.
bool GetKeyValue(Platform& platform, RegRoot root, const std::string& key_path, const std::string& value_name,
                 std::string& result);

// Opens program_folder + "Help.chm" with the desktop's viewer; a failure shows nothing of ours.
void OpenHelpFile(Platform& platform, const std::string& program_folder);

// Finds the system-information tool and starts it, or says so in a message captioned `caption`.
void StartSysInfo(Platform& platform, WindowId owner, const std::string& caption);

}  // namespace tess
