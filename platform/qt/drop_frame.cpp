#include "platform/qt/drop_frame.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace tess::qt {

DropFrame::DropFrame(QWidget* parent, InputGate& gate, std::function<void(const QStringList&)> dropped)
    : QGroupBox(parent), gate_(gate), dropped_(std::move(dropped)) {
    setAcceptDrops(true);
}

DropFrame::~DropFrame() {
    // A window unloaded before its drop was delivered must not leave the gate shut.
    if (delivery_pending_) gate_.drop_queued = false;
}

bool DropFrame::Welcome(const QMimeData* data) const {
    return data && data->hasFormat(QStringLiteral("text/uri-list")) && gate_.DropsWelcome(this);
}

void DropFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (Welcome(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DropFrame::dragMoveEvent(QDragMoveEvent* event) {
    if (Welcome(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DropFrame::dropEvent(QDropEvent* event) {
    if (!Welcome(event->mimeData())) {
        event->ignore();
        return;
    }
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    event->acceptProposedAction();
    // The run behind a drop is long and may open modal windows: let the drag source go first.
    gate_.drop_queued = true;
    delivery_pending_ = true;
    QTimer::singleShot(0, this, [this, paths] { Deliver(paths); });
}

void DropFrame::Deliver(const QStringList& paths) {
    if (gate_.pending_depth > 0) {
        // Not inside someone else's ProcessPendingEvents: wait for the loop proper.
        QTimer::singleShot(0, this, [this, paths] { Deliver(paths); });
        return;
    }
    gate_.drop_queued = false;
    delivery_pending_ = false;
    gate_.drop_running = true;
    dropped_(paths);
    gate_.drop_running = false;
}

}  // namespace tess::qt
