// The window-system seam: forms built from tables, events routed back by control name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/form_table.h"

namespace tess {

// What a form hears from the window system. Every handler defaults to doing nothing.
class FormEvents {
public:
    virtual ~FormEvents() = default;
    virtual void Click(const std::string& /*control*/) {}
    virtual void Drop(const std::string& /*control*/, const std::vector<std::string>& /*paths*/) {}
    // A drop that brought things other than local files (web links and the like): none of it is
    // handed over; `items` names what was not a file.
    virtual void DropRefused(const std::string& /*control*/, const std::vector<std::string>& /*items*/) {}
    virtual void Resize() {}
    // The user asks to close the window (close box, Alt+F4, a close message). False keeps it open;
    // the form then unloads it itself once it can.
    virtual bool AllowClose() { return true; }
    // The user closed the window with its close box; the window is already gone.
    virtual void Closed() {}
};

enum class MessageIcon { none, question, exclamation };

using WindowId = std::uintptr_t;
constexpr WindowId kNoWindow = 0;

struct ScreenMetrics {
    double width_twips = 0;
    double height_twips = 0;
    double twips_per_pixel_x = 15;
    double twips_per_pixel_y = 15;
};

struct OuterSize {
    double width_twips = 0;
    double height_twips = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Builds the window hidden. `events` must outlive the window.
    virtual WindowId Create(const FormSpec& form, FormEvents& events) = 0;
    // Shows the window and returns once it has been unloaded (by code or by its close box).
    virtual void ShowModal(WindowId window) = 0;
    virtual void ShowModeless(WindowId window) = 0;
    // Destroys the window; a modal ShowModal on it returns.
    virtual void Unload(WindowId window) = 0;

    virtual std::string FormCaption(WindowId window) = 0;
    virtual void SetFormCaption(WindowId window, const std::string& caption) = 0;
    virtual std::string Caption(WindowId window, const std::string& control) = 0;
    virtual void SetCaption(WindowId window, const std::string& control, const std::string& text) = 0;
    virtual bool Checked(WindowId window, const std::string& control) = 0;
    // Setting a value from code never raises an event.
    virtual void SetChecked(WindowId window, const std::string& control, bool checked) = 0;
    virtual void SetEnabled(WindowId window, const std::string& control, bool enabled) = 0;

    virtual ScreenMetrics Screen() = 0;
    virtual OuterSize WindowOuterSize(WindowId window) = 0;
    virtual void Move(WindowId window, int left_twips, int top_twips) = 0;
    // Clips the whole window to a rounded rectangle (pixels, window coordinates).
    virtual void SetRoundRegion(WindowId window, int right_px, int bottom_px, int ellipse_w,
                                int ellipse_h) = 0;

    // Lets pending paint events through; user input (clicks, drops, keys) waits.
    virtual void ProcessPendingEvents() = 0;
    // A message box: modal, OK only (named so as not to meet the Win32 macro). `owner` may be kNoWindow.
    virtual void ShowMessage(const std::string& text, MessageIcon icon, const std::string& caption,
                            WindowId owner = kNoWindow) = 0;
    // Runs the event loop until the last window is gone or Quit is called.
    virtual int Run() = 0;
    // Ends the program at once: every window closes, modal loops return.
    virtual void Quit() = 0;
};

}  // namespace tess
