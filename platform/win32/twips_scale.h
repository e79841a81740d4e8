// Twips <-> pixels at the screen's dots per inch (1440 twips to the inch).
#pragma once

#include <cmath>

namespace tess::win32 {

struct TwipsScale {
    double twips_per_pixel_x = 15;
    double twips_per_pixel_y = 15;

    int X(double twips) const { return static_cast<int>(std::lround(twips / twips_per_pixel_x)); }
    int Y(double twips) const { return static_cast<int>(std::lround(twips / twips_per_pixel_y)); }
    double TwipsX(int px) const { return px * twips_per_pixel_x; }
    double TwipsY(int px) const { return px * twips_per_pixel_y; }
};

// The primary screen's scale, from its logical dots per inch.
TwipsScale ScreenScale();
// Dots per inch of the screen, for font heights.
int ScreenDpiY();

}  // namespace tess::win32
