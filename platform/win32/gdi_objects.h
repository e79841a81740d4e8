// GDI objects, icons and device contexts owned by small types that free them once, whatever
// path the code leaves by.
#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace tess::win32 {

inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void DestroyIconHandle(HICON icon) { DestroyIcon(icon); }

// A pen, brush, font or region, deleted unless released to the system; an icon, destroyed.
using UniqueFont = UniqueOf<HFONT, &DeleteGdiObject>;
using UniqueBrush = UniqueOf<HBRUSH, &DeleteGdiObject>;
using UniquePen = UniqueOf<HPEN, &DeleteGdiObject>;
using UniqueRegion = UniqueOf<HRGN, &DeleteGdiObject>;
using UniqueIcon = UniqueOf<HICON, &DestroyIconHandle>;

// A window's device context for the length of a scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context for the length of a scope; the old one comes back.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc ? SelectObject(dc, object) : nullptr) {}
    ~Selected() {
        if (dc_) SelectObject(dc_, old_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace tess::win32
