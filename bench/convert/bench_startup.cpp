// The start a user makes, with the splash turned off: the start-up form opens the main window.
// The program ends as soon as that window has painted; the parent times it. Ends with 3 when
// nothing painted (a message box in the way, say), so that figure is never taken for a start.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "app/identity.h"
#include "app/frmstart.h"
#include "platform/entry.h"

namespace {

class MainWindowPainted : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType() &&
            static_cast<QWidget*>(object)->window()->objectName() == QStringLiteral("Form1"))
            // Once this paint is done.
            QMetaObject::invokeMethod(qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    return tess::RunDesktop(argc, argv, tess::Names(), [](tess::Platform& platform) {
        MainWindowPainted watch;
        qApp->installEventFilter(&watch);
        QTimer::singleShot(30000, [] { std::_Exit(3); });
        tess::TessalineMain(platform);
        return 4;  // the program ended without painting its main window
    });
}
