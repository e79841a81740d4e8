// Table colours as the system takes them, and the brushes a form paints with.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>

#include "platform/win32/gdi_objects.h"

namespace tess::win32 {

// Tables give 0x00BBGGRR, the system's own order.
inline COLORREF ToColorRef(std::uint32_t bgr) { return static_cast<COLORREF>(bgr & 0x00FFFFFF); }

// One solid brush per colour, alive as long as the form that paints with it.
class BrushCache {
public:
    HBRUSH Get(COLORREF color) {
        auto& brush = brushes_[color];
        if (!brush) brush = UniqueBrush(CreateSolidBrush(color));
        return brush.get();
    }
    void Clear() { brushes_.clear(); }

private:
    std::map<COLORREF, UniqueBrush> brushes_;
};

}  // namespace tess::win32
