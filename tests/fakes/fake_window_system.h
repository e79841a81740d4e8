// A window system that records what the program shows and lets a test act as the user.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace tess::testing {

struct FakeWindow {
    FormSpec table;
    FormEvents* events = nullptr;
    std::string caption;
    std::map<std::string, std::string> captions;
    std::map<std::string, bool> checked;
    std::map<std::string, bool> disabled;
    bool loaded = true;
    bool visible = false;
    bool modal = false;
    int left = -1;
    int top = -1;
    std::vector<std::vector<int>> regions;  // right, bottom, ellipse w, ellipse h
};

struct ShownMessage {
    std::string text;
    MessageIcon icon;
    std::string caption;
    WindowId owner;
};

class FakeWindowSystem final : public WindowSystem {
public:
    // Runs when a form of that name is shown modally: act as the user there.
    std::map<std::string, std::function<void(WindowId)>> on_modal;
    std::function<void(const ShownMessage&)> on_message;
    std::vector<ShownMessage> messages;
    std::vector<std::string> shown;  // form names, in the order they were shown
    ScreenMetrics screen{15360, 11520, 15, 15};
    int frame_width_twips = 90;    // border, both sides together
    int frame_height_twips = 405;  // caption bar and border
    int pending_event_turns = 0;
    bool quit = false;
    bool run_called = false;

    // The newest window of that form still loaded, or kNoWindow.
    WindowId Find(const std::string& form) const;
    FakeWindow& Window(WindowId id) { return windows_.at(id); }
    bool IsLoaded(const std::string& form) const { return Find(form) != kNoWindow; }
    std::string CaptionOf(const std::string& form, const std::string& control) {
        return Window(Find(form)).captions[control];
    }

    // As the user: a click (a check box toggles first; a disabled control takes none), a drop
    // (files, or things that are not files), the close box. An unloaded window, as in the real
    // window systems, answers empty and ignores what it is told.
    void UserClick(WindowId id, const std::string& control);
    void UserDrop(WindowId id, const std::string& control, const std::vector<std::string>& paths);
    void UserDropNotFiles(WindowId id, const std::string& control, const std::vector<std::string>& items);
    void UserClose(WindowId id);

    WindowId Create(const FormSpec& form, FormEvents& events) override;
    void ShowModal(WindowId window) override;
    void ShowModeless(WindowId window) override;
    void Unload(WindowId window) override;
    std::string FormCaption(WindowId window) override { return Loaded(window) ? Window(window).caption : ""; }
    void SetFormCaption(WindowId window, const std::string& caption) override {
        if (Loaded(window)) Window(window).caption = caption;
    }
    std::string Caption(WindowId window, const std::string& control) override;
    void SetCaption(WindowId window, const std::string& control, const std::string& text) override;
    bool Checked(WindowId window, const std::string& control) override;
    void SetChecked(WindowId window, const std::string& control, bool checked) override;
    void SetEnabled(WindowId window, const std::string& control, bool enabled) override;
    ScreenMetrics Screen() override { return screen; }
    OuterSize WindowOuterSize(WindowId window) override;
    void Move(WindowId window, int left, int top) override;
    void SetRoundRegion(WindowId window, int right, int bottom, int w, int h) override {
        Window(window).regions.push_back({right, bottom, w, h});
    }
    void ProcessPendingEvents() override { ++pending_event_turns; }
    void ShowMessage(const std::string& text, MessageIcon icon, const std::string& caption, WindowId owner) override;
    int Run() override {
        run_called = true;
        return 0;
    }
    void Quit() override;

private:
    bool Loaded(WindowId id) const { return windows_.count(id) && windows_.at(id).loaded; }
    void Require(WindowId id, const std::string& control) const;
    void RequireDropTarget(WindowId id, const std::string& control) const;
    std::map<WindowId, FakeWindow> windows_;
    WindowId next_ = 1;
};

}  // namespace tess::testing
