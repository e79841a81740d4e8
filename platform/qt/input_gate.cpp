#include "platform/qt/input_gate.h"

#include <QApplication>
#include <QWidget>

namespace tess::qt {

bool InputGate::DropsWelcome(const QWidget* target) const {
    if (pending_depth > 0 || drop_queued || drop_running) return false;
    const QWidget* modal = QApplication::activeModalWidget();
    return !modal || modal == target->window();
}

}  // namespace tess::qt
