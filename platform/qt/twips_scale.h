// Twips (1440 to the inch) against the screen's logical pixels.
#pragma once

#include <QRect>

#include "platform/form_table.h"

class QScreen;

namespace tess::qt {

struct TwipsScale {
    double x = 15;  // twips per pixel across
    double y = 15;  // twips per pixel down
};

// 1440 / logical dpi of the screen, per axis; the primary screen when `screen` is null.
TwipsScale ScaleOf(const QScreen* screen);
int ToPixels(double twips, double twips_per_pixel);
QRect ToPixels(const TwipsRect& place, const TwipsScale& scale);

}  // namespace tess::qt
