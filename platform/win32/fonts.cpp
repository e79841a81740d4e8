#include "platform/win32/fonts.h"

#include <cmath>

#include "platform/win32/twips_scale.h"
#include "platform/win32/wide_text.h"

namespace tess::win32 {

HFONT FontCache::Get(const std::string& face, double points, bool bold) {
    auto& font = fonts_[face + "|" + std::to_string(points) + (bold ? "|b" : "|")];
    if (!font) {
        const int height = -static_cast<int>(std::lround(points * ScreenDpiY() / 72.0));
        font = UniqueFont(CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                      DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, Widen(face).c_str()));
    }
    return font.get();
}

}  // namespace tess::win32
