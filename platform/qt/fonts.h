// Fonts: a Japanese-capable face for every form, with a control's own face, size and weight on top.
#pragma once

#include <QFont>

#include "platform/form_table.h"

namespace tess::qt {

// "Noto Sans CJK JP" (or another installed CJK face) at 9 pt.
QFont FormFont();
// The form's font with the control's overrides; an uninstalled face keeps the form's.
QFont ControlFont(const QFont& form_font, const ControlSpec& control);

}  // namespace tess::qt
