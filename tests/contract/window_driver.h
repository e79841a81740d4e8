// What the window contract needs of a window system beyond the seam itself: building the sample
// form, and acting on its windows as a user would. One driver per window system.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/window_system.h"

namespace tess::testing {

class WindowDriver {
public:
    virtual ~WindowDriver() = default;

    virtual WindowSystem& windows() = 0;
    // Builds a window through the seam and remembers what the system made of it.
    virtual WindowId Create(const FormSpec& form, FormEvents& events) = 0;
    // Shows it modeless and returns once it is on the screen.
    virtual void Show(WindowId window) = 0;
    // A click on the control, as the mouse gives it; returns once the form could hear it.
    virtual void UserClick(WindowId window, const std::string& control) = 0;
    // The window's close box.
    virtual void UserClose(WindowId window) = 0;
    virtual bool Visible(WindowId window) = 0;
    // The system's own window is destroyed, not just forgotten.
    virtual bool Gone(WindowId window) = 0;
};

using WindowDriverFactory = std::function<std::unique_ptr<WindowDriver>()>;

}  // namespace tess::testing
