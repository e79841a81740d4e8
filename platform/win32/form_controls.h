// One native child window per control kind of a form table.
#pragma once

#include <windows.h>

#include "platform/form_table.h"
#include "platform/win32/twips_scale.h"

namespace tess::win32 {

// Control identifiers are this plus the control's row in the table.
inline constexpr int kFirstControlId = 1000;

// Whether the kind is a child window at all (lines are drawn by the form).
bool IsWindowed(ControlKind kind);
// Whether the kind can take the focus.
bool TakesFocus(ControlKind kind);

// Creates the control hidden or shown as the table says, at its place in `parent`.
HWND CreateControl(const ControlSpec& control, HWND parent, int id, const TwipsScale& scale);

}  // namespace tess::win32
