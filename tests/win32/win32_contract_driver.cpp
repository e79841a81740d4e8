// The window contract on Win32, under Wine: clicks as BM_CLICK, the close box as SC_CLOSE.
#include <windows.h>

#include <map>

#include "platform/win32/win32_window_system.h"
#include "tests/contract/window_contract.h"
#include "watchdog.h"

namespace tess::testing {
namespace {

class Win32Driver final : public WindowDriver {
public:
    Win32Driver() { Watchdog::fired = false; }
    ~Win32Driver() override {
        EXPECT_FALSE(Watchdog::fired) << "an event loop had to be ended by the watchdog";
        // A quit left for a loop that never ran must not end the next test's loop.
        MSG m;
        while (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    WindowSystem& windows() override { return ws_; }
    WindowId Create(const FormSpec& form, FormEvents& events) override {
        const WindowId id = ws_.Create(form, events);
        made_[id] = ws_.NativeWindow(id);
        return id;
    }
    void Show(WindowId window) override { ws_.ShowModeless(window); }
    void UserClick(WindowId window, const std::string& control) override {
        SendMessageW(ws_.NativeControl(window, control), BM_CLICK, 0, 0);
    }
    void UserClose(WindowId window) override { SendMessageW(ws_.NativeWindow(window), WM_SYSCOMMAND, SC_CLOSE, 0); }
    bool Visible(WindowId window) override {
        HWND h = ws_.NativeWindow(window);
        return h && IsWindowVisible(h);
    }
    bool Gone(WindowId window) override { return ws_.NativeWindow(window) == nullptr && !IsWindow(made_[window]); }

private:
    // Declared first, so it outlives the windows: a loop that hangs is ended, not waited on.
    Watchdog watchdog_{10000};
    win32::Win32WindowSystem ws_;
    std::map<WindowId, HWND> made_;
};

INSTANTIATE_TEST_SUITE_P(Win32Window, WindowContract,
                         ::testing::Values(WindowDriverFactory([] { return std::make_unique<Win32Driver>(); })),
                         [](const auto&) { return std::string("Win32Driver"); });

}  // namespace
}  // namespace tess::testing
