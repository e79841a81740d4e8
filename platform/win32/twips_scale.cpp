#include "platform/win32/twips_scale.h"

#include <windows.h>

#include "platform/win32/gdi_objects.h"

namespace tess::win32 {
namespace {

int ScreenCaps(int index) {
    WindowDc screen(nullptr);
    const int value = screen.get() ? GetDeviceCaps(screen.get(), index) : 0;
    return value > 0 ? value : 96;
}

}  // namespace

TwipsScale ScreenScale() { return {1440.0 / ScreenCaps(LOGPIXELSX), 1440.0 / ScreenCaps(LOGPIXELSY)}; }

int ScreenDpiY() { return ScreenCaps(LOGPIXELSY); }

}  // namespace tess::win32
