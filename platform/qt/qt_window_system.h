// The window system on Linux: forms built from tables as Qt Widgets windows.
#pragma once

#include <QMargins>
#include <QPointer>
#include <map>
#include <string>
#include <vector>

#include "platform/qt/input_gate.h"
#include "platform/window_system.h"

class QEventLoop;
class QMessageBox;
class QWidget;

namespace tess::qt {

class FormWindow;

class QtWindowSystem final : public WindowSystem {
public:
    QtWindowSystem();  // needs a QApplication
    ~QtWindowSystem() override;
    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;

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

    // Qt side only, for tests and screenshots: null once the window is unloaded.
    QWidget* WindowWidget(WindowId window) const;
    QWidget* ControlWidget(WindowId window, const std::string& control) const;
    // Saves what the screen shows of the window (its rounded outline included) as a PNG.
    bool SavePicture(WindowId window, const std::string& png_path) const;

private:
    FormWindow* Find(WindowId window) const;
    // Takes the window out of service: no more events, a ShowModal on it returns, deleted later.
    void Forget(WindowId window);
    void EndRunWhenEmpty();
    void UserClosed(WindowId window);
    QMargins FrameMargins(FormWindow& window);

    std::map<WindowId, QPointer<FormWindow>> windows_;
    WindowId next_id_ = 1;
    InputGate gate_;
    QEventLoop* run_loop_ = nullptr;
    bool quitting_ = false;
    std::vector<QPointer<QMessageBox>> messages_;
    QMargins known_margins_;  // the window manager's frame, once a shown window has told it
};

}  // namespace tess::qt
