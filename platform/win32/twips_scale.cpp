#include "platform/win32/twips_scale.h"

#include <windows.h>

namespace tess::win32 {
namespace {

int ScreenCaps(int index) {
    HDC dc = GetDC(nullptr);
    int value = dc ? GetDeviceCaps(dc, index) : 0;
    if (dc) ReleaseDC(nullptr, dc);
    return value > 0 ? value : 96;
}

}  // namespace

TwipsScale ScreenScale() { return {1440.0 / ScreenCaps(LOGPIXELSX), 1440.0 / ScreenCaps(LOGPIXELSY)}; }

int ScreenDpiY() { return ScreenCaps(LOGPIXELSY); }

}  // namespace tess::win32
