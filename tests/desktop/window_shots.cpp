// Opens every window of the program in turn, as a user would meet them, and photographs the
// screen for each: run by scripts/screenshots under Xvfb.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

#include "settings/compiler_missing_message.h"
#include "app/frmstart.h"
#include "app/identity.h"
#include "platform/posix/posix_services.h"
#include "platform/qt/qt_window_system.h"
#include "windows/dia_end.h"

namespace {

std::string out_folder;

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Shoot(const std::string& name) {
    // The bare screen around the windows is trimmed away.
    const std::string file = "'" + out_folder + "/" + name + ".png'";
    const std::string command = "import -window root " + file + " && convert " + file + " -trim +repage " + file;
    if (std::system(command.c_str()) != 0) std::cerr << "could not save " << name << "\n";
}

// Photographs the modal window that `open` brings up, then closes it as the user would.
void ShootModal(const std::string& name, const std::function<void()>& open) {
    QTimer::singleShot(1200, [name] {
        Shoot(name);
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        else if (QWidget* active = QApplication::activeWindow()) active->close();
    });
    open();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: tess_window_shots OUT_FOLDER PAGE\n";
        return 2;
    }
    out_folder = argv[1];
    const std::string page = argv[2];
    QApplication application(argc, argv);
    tess::PosixServices services(tess::Names());
    tess::qt::QtWindowSystem windows;
    tess::Platform platform = services.Bundle(windows);
    tess::App app(platform, tess::Identity());

    {
        tess::FrmStart start(app);
        start.Load();
        Wait(1200);
        Shoot("splash");
        start.Command1_Click();
        tess::Form1& main = *start.MainWindow();
        Wait(1200);
        Shoot("main-window");
        ShootModal("options", [&] { main.coOption_Click(); });
        ShootModal("about", [&] { main.coHelp_Click(); });
        ShootModal("compiler-missing", [&] { tess::ShowCompilerMissing(windows, main.id()); });
        ShootModal("notice", [&] { main.Frame1_OLEDragDrop({page}); });
        Wait(800);
        Shoot("main-window-finished");
        windows.Quit();
    }
    return 0;
}
