// Opens the sample form on the real window system; with --save PATH it saves what the screen
// shows of it as a PNG and ends, for looking at fonts, placement and the rounded outline.
#include <QApplication>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <string>

#include "platform/qt/qt_window_system.h"
#include "synthetic_form.h"

namespace {

// Gives the window rounded corners on every resize, as the main window does.
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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaline"));
    std::string save;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--save") save = argv[i + 1];

    tess::qt::QtWindowSystem ws;
    DemoEvents events;
    events.ws = &ws;
    tess::FormSpec form = tess::testing::SyntheticForm();
    form.client_origin = std::pair{1500, 1500};
    events.id = ws.Create(form, events);
    ws.ShowModeless(events.id);
    if (!save.empty()) {
        QTimer::singleShot(1500, [&] {
            const bool saved = ws.SavePicture(events.id, save);
            std::fprintf(stderr, saved ? "saved %s\n" : "could not save %s\n", save.c_str());
            ws.Quit();
        });
    }
    return ws.Run();
}
