// Opens one form table on the real window system: the sample form of the window tests, or one of
// the program's own (--form Form1|frmstart|Dialog|diaEnd|frmAbout). With --save PATH it saves
// what the screen shows of the window as a PNG and ends, for looking at fonts, placement and the
// rounded outline. Handlers are not the program's: only the outline and the close buttons act.
#include <QApplication>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "app/form1.h"
#include "app/frmstart.h"
#include "platform/qt/qt_window_system.h"
#include "windows/dialog.h"
#include "tests/contract/synthetic_form.h"
#include "windows/dia_end.h"
#include "windows/frm_about.h"

namespace {

struct DemoEvents : tess::FormEvents {
    tess::WindowSystem* ws = nullptr;
    tess::WindowId id = tess::kNoWindow;
    bool rounded = false;
    void Resize() override {
        if (!rounded) return;
        const tess::ScreenMetrics screen = ws->Screen();
        const tess::OuterSize outer = ws->WindowOuterSize(id);
        ws->SetRoundRegion(id, static_cast<int>(std::lround(outer.width_twips / screen.twips_per_pixel_x)),
                           static_cast<int>(std::lround(outer.height_twips / screen.twips_per_pixel_y)), 20, 20);
    }
    void Click(const std::string& control) override {
        if (control == "coClose" || control == "cmdCancel" || control == "cmdOK" || control == "OKButton" ||
            control == "CancelButton" || control == "Command1")
            ws->Quit();
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaline"));
    std::string save;
    std::string name = "sample";
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--save") save = argv[i + 1];
        if (std::string(argv[i]) == "--form") name = argv[i + 1];
    }
    const std::map<std::string, std::function<tess::FormSpec()>> forms = {
        {"sample", tess::testing::SyntheticForm}, {"Form1", tess::Form1Spec},   {"frmstart", tess::FrmStartSpec},
        {"Dialog", tess::DialogSpec},             {"diaEnd", tess::DiaEndSpec}, {"frmAbout", tess::FrmAboutSpec},
    };
    const auto found = forms.find(name);
    if (found == forms.end()) {
        std::fprintf(stderr, "unknown form %s\n", name.c_str());
        return 2;
    }

    tess::qt::QtWindowSystem ws;
    DemoEvents events;
    events.ws = &ws;
    events.rounded = name == "sample" || name == "Form1";
    tess::FormSpec form = found->second();
    if (!form.client_origin) form.client_origin = std::pair{1500, 1500};
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
