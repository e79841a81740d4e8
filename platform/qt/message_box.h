// A modal message: OK only, one of the table's icons, the caption as its title.
#pragma once

#include <string>

#include "platform/window_system.h"

class QWidget;
class QMessageBox;

namespace tess::qt {

// Builds the box; the caller runs it (exec) so it can close it from outside.
QMessageBox* MakeMessageBox(const std::string& text, MessageIcon icon, const std::string& caption, QWidget* owner);

}  // namespace tess::qt
