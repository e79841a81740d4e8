// The window seam on plain Win32: forms from tables, modal loops, message boxes, regions.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/window_system.h"
#include "platform/win32/form_window.h"

namespace tess::win32 {

class Win32WindowSystem final : public WindowSystem, private FormHost {
public:
    // OLE must be initialised on this thread (OleInitialize) for drops to work.
    Win32WindowSystem();
    ~Win32WindowSystem() override;
    Win32WindowSystem(const Win32WindowSystem&) = delete;
    Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

    WindowId Create(const FormSpec& form, FormEvents& events) override;
    void ShowModal(WindowId window) override;
    void ShowModeless(WindowId window) override;
    void Unload(WindowId window) override;

    std::string FormCaption(WindowId window) override;
    void SetFormCaption(WindowId window, const std::string& caption) override;
    std::string Caption(WindowId window, const std::string& control) override;
    void SetCaption(WindowId window, const std::string& control, const std::string& text) override;
    bool Checked(WindowId window, const std::string& control) override;
    void SetChecked(WindowId window, const std::string& control, bool checked) override;
    void SetEnabled(WindowId window, const std::string& control, bool enabled) override;

    ScreenMetrics Screen() override;
    OuterSize WindowOuterSize(WindowId window) override;
    void Move(WindowId window, int left_twips, int top_twips) override;
    void SetRoundRegion(WindowId window, int right_px, int bottom_px, int ellipse_w, int ellipse_h) override;

    void ProcessPendingEvents() override;
    void ShowMessage(const std::string& text, MessageIcon icon, const std::string& caption,
                     WindowId owner = kNoWindow) override;
    int Run() override;
    void Quit() override;

    // The native windows, for tests that drive them as a user would.
    HWND NativeWindow(WindowId window) const;
    HWND NativeControl(WindowId window, const std::string& control) const;

private:
    void CloseRequested(FormWindow& form) override;
    void Destroyed(FormWindow& form) override;

    FormWindow* Find(WindowId window) const;
    // Destroys every form's window.
    void DestroyAll();
    // Runs one message through keyboard navigation or the window procedures.
    void Dispatch(MSG& msg);
    void EnableAgain(FormWindow& form);

    HWND owner_ = nullptr;  // hidden owner of forms without a taskbar button
    std::map<WindowId, std::unique_ptr<FormWindow>> forms_;
    // Forms whose windows are gone; kept until no window procedure of theirs can be running.
    std::vector<std::unique_ptr<FormWindow>> gone_;
    WindowId next_id_ = 1;
    int modal_depth_ = 0;
    bool quitting_ = false;
};

}  // namespace tess::win32
