// Colours as the tables give them (0x00BBGGRR).
#pragma once

#include <QColor>
#include <cstdint>

namespace tess::qt {

inline QColor ToQColor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace tess::qt
