#include "platform/qt/twips_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace tess::qt {

TwipsScale ScaleOf(const QScreen* screen) {
    if (!screen) screen = QGuiApplication::primaryScreen();
    TwipsScale scale;
    if (!screen) return scale;
    const double dpi_x = screen->logicalDotsPerInchX();
    const double dpi_y = screen->logicalDotsPerInchY();
    if (dpi_x > 0) scale.x = 1440.0 / dpi_x;
    if (dpi_y > 0) scale.y = 1440.0 / dpi_y;
    return scale;
}

int ToPixels(double twips, double twips_per_pixel) {
    return static_cast<int>(std::lround(twips / twips_per_pixel));
}

QRect ToPixels(const TwipsRect& place, const TwipsScale& scale) {
    return QRect(ToPixels(place.left, scale.x), ToPixels(place.top, scale.y),
                 ToPixels(place.width, scale.x), ToPixels(place.height, scale.y));
}

}  // namespace tess::qt
