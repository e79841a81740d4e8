// Whether a caption fits its control's box in a given font, so that a face wider than the
// one a form was designed with (a substitute font, a larger system font) shrinks instead of
// losing text.
#pragma once

#include <windows.h>

#include <string>

#include "platform/form_table.h"

namespace tess::win32 {

// Kinds whose caption is fitted; text boxes scroll and pictures have none.
bool FitsCaption(ControlKind kind);
bool TextFits(HWND control, HFONT font, const std::wstring& caption, ControlKind kind);

}  // namespace tess::win32
