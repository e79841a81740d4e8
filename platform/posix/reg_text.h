// The registry editor's export format, read as UTF-8 text and applied to a RegTree:
//
//   Windows Registry Editor Version 5.00
//   [HKEY_CURRENT_USER\Software\Microsoft\HTML Help Workshop]
//   "InstallDir"="/opt/workshop"
//   "Count"=dword:0000002a
//   "Path"=hex(2):2f,00,75,00,00,00      (UTF-16LE, as the editor writes it)
//   "Gone"=-                             (removes a value, a default included)
//   [-HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO]   (removes a key)
//
// Lines that cannot be understood are skipped, as the editor's import does.
#pragma once

#include <string_view>

#include "platform/posix/reg_tree.h"

namespace tess {

void ApplyRegText(std::string_view text, RegTree& tree);

}  // namespace tess
