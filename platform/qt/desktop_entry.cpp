// Entry of the desktop program on Linux: the Qt application, the Linux services, the window system.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/entry.h"
#include "platform/posix/posix_services.h"
#include "platform/posix/stop_signals.h"
#include "platform/qt/fonts.h"
#include "platform/qt/qt_window_system.h"

namespace tess {
namespace {

bool HasValue(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

}  // namespace

int RunDesktop(int argc, char** argv, const ProgramNames& names, const ProgramBody& body) {
    // Qt would abort with a long plugin report; say it plainly instead.
    if (!HasValue("DISPLAY") && !HasValue("WAYLAND_DISPLAY") && !HasValue("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "tessaline: no graphical display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                     "Start it from a desktop session, or use tessaline-convert on the command line.\n");
        return 2;
    }
    QApplication::setApplicationName(QString::fromStdString(names.display));
    QApplication::setOrganizationName(QString::fromStdString(names.app));
    QApplication::setDesktopFileName(QStringLiteral("tessaline"));
    QApplication app(argc, argv);
    // Message boxes and every window get a face that has Japanese glyphs.
    QApplication::setFont(qt::FormFont());
    // Windows end by Unload and Quit; the last one closing must not end the loop behind their back.
    QApplication::setQuitOnLastWindowClosed(false);

    // A stop signal must not leave a half-copied help file or a running compiler behind.
    stop_signals::Install();
    PosixServices services(names);
    qt::QtWindowSystem windows;
    Platform platform = services.Bundle(windows);
    return body(platform);
}

}  // namespace tess
