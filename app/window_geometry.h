// Centring a window on the screen and the main window's rounded outline, as plain arithmetic.
#pragma once

#include "platform/window_system.h"

namespace tess {

struct TwipsPosition {
    int left = 0;
    int top = 0;
};

struct RoundRegion {
    int right = 0;   // pixels
    int bottom = 0;  // pixels
    int ellipse_width = 20;
    int ellipse_height = 20;
};

// Rounds half to even, as the window system's conversions do.
int RoundHalfEven(double value);

TwipsPosition CenteredPosition(const ScreenMetrics& screen, const OuterSize& window);
RoundRegion RoundedOutline(const OuterSize& window, const ScreenMetrics& screen);

// Moves the window so that its outer rectangle is centred on the whole screen.
void CenterForm(WindowSystem& windows, WindowId window);
// Clips the whole window to its rounded outline.
void ApplyRoundedOutline(WindowSystem& windows, WindowId window);

}  // namespace tess
