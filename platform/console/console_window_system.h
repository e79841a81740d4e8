// A window system for console programs: message boxes go to standard error, no windows exist.
#pragma once

#include <ostream>

#include "platform/window_system.h"

namespace tess {

class ConsoleWindowSystem final : public WindowSystem {
public:
    explicit ConsoleWindowSystem(std::ostream& out) : out_(out) {}

    WindowId Create(const FormSpec&, FormEvents&) override { return kNoWindow; }
    void ShowModal(WindowId) override {}
    void ShowModeless(WindowId) override {}
    void Unload(WindowId) override {}
    std::string FormCaption(WindowId) override { return {}; }
    void SetFormCaption(WindowId, const std::string&) override {}
    std::string Caption(WindowId, const std::string&) override { return {}; }
    void SetCaption(WindowId, const std::string&, const std::string&) override {}
    bool Checked(WindowId, const std::string&) override { return false; }
    void SetChecked(WindowId, const std::string&, bool) override {}
    void SetEnabled(WindowId, const std::string&, bool) override {}
    ScreenMetrics Screen() override { return {}; }
    OuterSize WindowOuterSize(WindowId) override { return {}; }
    void Move(WindowId, int, int) override {}
    void SetRoundRegion(WindowId, int, int, int, int) override {}
    void ProcessPendingEvents() override {}
    void ShowMessage(const std::string& text, MessageIcon, const std::string& caption,
                    WindowId) override;
    int Run() override { return 0; }
    void Quit() override {}

private:
    std::ostream& out_;
};

}  // namespace tess
