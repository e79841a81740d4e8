// Opens the sample form on the Win32 window system for a while, for screenshots:
//   tess_win32_form_demo.exe [seconds]
// The main window's rounded outline is applied on every resize, as the main window does.
#include <windows.h>
#include <ole2.h>

#include <cmath>
#include <cstdlib>

#include "platform/win32/win32_window_system.h"
#include "tests/contract/synthetic_form.h"

namespace {

struct DemoEvents : tess::FormEvents {
    tess::WindowSystem* ws = nullptr;
    tess::WindowId id = tess::kNoWindow;
    void Resize() override {
        const tess::ScreenMetrics screen = ws->Screen();
        const tess::OuterSize outer = ws->WindowOuterSize(id);
        ws->SetRoundRegion(id, static_cast<int>(std::lround(outer.width_twips / screen.twips_per_pixel_x)),
                           static_cast<int>(std::lround(outer.height_twips / screen.twips_per_pixel_y)), 20, 20);
    }
    void Click(const std::string& control) override {
        if (control == "coClose" || control == "cmdCancel") ws->Quit();
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int) {
    OleInitialize(nullptr);
    int seconds = command_line && *command_line ? std::atoi(command_line) : 0;
    int code = 0;
    {
        tess::win32::Win32WindowSystem ws;
        DemoEvents events;
        events.ws = &ws;
        tess::FormSpec form = tess::testing::SyntheticForm();
        form.client_origin = std::pair{1500, 1500};
        events.id = ws.Create(form, events);
        ws.ShowModeless(events.id);
        // A thread timer has no window: it ends the demo through the window system.
        struct Ender {
            static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }
        };
        if (seconds > 0) SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, &Ender::Fire);
        code = ws.Run();
    }
    OleUninitialize();
    return code;
}
