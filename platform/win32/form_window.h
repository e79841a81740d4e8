// One form: a top-level window built from its table, its controls, and the routing of
// native notifications to the form's events by control name.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/window_system.h"
#include "platform/win32/colors.h"
#include "platform/win32/fonts.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/twips_scale.h"

namespace tess::win32 {

class FormWindow;
class OleDropTarget;

// What a form asks of the window system that owns it.
class FormHost {
public:
    virtual ~FormHost() = default;
    // The user asked to close the window (close box, Alt+F4).
    virtual void CloseRequested(FormWindow& form) = 0;
    // The native window is gone, for whatever reason.
    virtual void Destroyed(FormWindow& form) = 0;
};

class FormWindow {
public:
    FormWindow(WindowId id, const FormSpec& table, FormEvents& events, FormHost& host, HWND owner);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // False when the native window could not be made.
    bool Build();
    void Show();

    WindowId id() const { return id_; }
    HWND hwnd() const { return hwnd_; }
    FormEvents& events() { return events_; }
    bool shown() const { return shown_; }
    // Windows this form disabled while it is shown modally, to enable again when it goes.
    std::vector<HWND>& disabled_while_modal() { return disabled_while_modal_; }

    // Tab and Shift+Tab: the next control in the table's focus order, across frames.
    void MoveFocus(bool backwards);

    HWND ControlWindow(const std::string& name) const;
    std::string Caption(const std::string& control) const;
    void SetCaption(const std::string& control, const std::string& text);
    bool Checked(const std::string& control) const;
    void SetChecked(const std::string& control, bool checked);
    void SetEnabled(const std::string& control, bool enabled);

private:
    struct Control {
        const ControlSpec* table = nullptr;
        HWND hwnd = nullptr;
        HFONT font = nullptr;    // the form's fonts own it
        HBRUSH back = nullptr;   // the form's brushes own it; null: the system's face colour
        COLORREF back_color = 0;
        bool has_back = false;
    };

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self);
    LRESULT Handle(UINT message, WPARAM w, LPARAM l);

    // In form_controls.cpp: the controls built from the table, sized and painted.
    void BuildControls();
    void AddTooltip(const Control& control);
    void RegisterDropTarget(const std::string& name, HWND frame);
    void FitToText(Control& control);
    // The control's own font, made smaller until its caption fits its box.
    void ApplyFont(Control& control);
    void PaintLines();
    Control* Find(const std::string& name);
    const Control* Find(const std::string& name) const;
    Control* FindByWindow(HWND hwnd);
    // The colours a static-like control paints with; null when it keeps the system's.
    HBRUSH ColorStatic(HDC dc, HWND control);
    void ReleaseResources();

    WindowId id_;
    FormSpec spec_;
    FormEvents& events_;
    FormHost& host_;
    HWND owner_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    TwipsScale scale_;
    std::vector<Control> controls_;
    FontCache fonts_;
    BrushCache brushes_;
    HBRUSH form_back_ = nullptr;
    UniqueIcon icon_big_;
    UniqueIcon icon_small_;
    std::vector<UniqueIcon> pictures_;
    std::vector<std::pair<HWND, OleDropTarget*>> drop_targets_;
    std::vector<HWND> disabled_while_modal_;
    bool shown_ = false;
    SIZE last_size_{-1, -1};
};

}  // namespace tess::win32
