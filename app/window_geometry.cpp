#include "app/window_geometry.h"

#include <cmath>

namespace tess {

int RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double fraction = value - down;
    double rounded = down;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) != 0.0)) rounded = down + 1;
    return static_cast<int>(rounded);
}

TwipsPosition CenteredPosition(const ScreenMetrics& screen, const OuterSize& window) {
    const int dx = RoundHalfEven(screen.width_twips - window.width_twips);
    const int dy = RoundHalfEven(screen.height_twips - window.height_twips);
    return {dx / 2, dy / 2};  // integer division truncates toward zero
}

RoundRegion RoundedOutline(const OuterSize& window, const ScreenMetrics& screen) {
    return {RoundHalfEven(window.width_twips / screen.twips_per_pixel_x),
            RoundHalfEven(window.height_twips / screen.twips_per_pixel_y), 20, 20};
}

void CenterForm(WindowSystem& windows, WindowId window) {
    const TwipsPosition at = CenteredPosition(windows.Screen(), windows.WindowOuterSize(window));
    windows.Move(window, at.left, at.top);
}

void ApplyRoundedOutline(WindowSystem& windows, WindowId window) {
    const RoundRegion region = RoundedOutline(windows.WindowOuterSize(window), windows.Screen());
    windows.SetRoundRegion(window, region.right, region.bottom, region.ellipse_width, region.ellipse_height);
}

}  // namespace tess
