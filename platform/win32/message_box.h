// A modal message: OK only, one of the table's icons, the caption as its title.
#pragma once

#include <windows.h>

#include <string>

#include "platform/window_system.h"

namespace tess::win32 {

// Shows the box over `owner` (or over every window of the program when null) and returns once
// it has been answered.
void RunMessageBox(const std::string& text, MessageIcon icon, const std::string& caption, HWND owner);

}  // namespace tess::win32
