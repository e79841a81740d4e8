#include "platform/qt/drop_frame.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace tess::qt {

DropFrame::DropFrame(QWidget* parent, InputGate& gate, Dropped dropped)
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
    QStringList not_files;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths << url.toLocalFile();
        else
            not_files << url.toDisplayString();
    }
    if (paths.isEmpty() && not_files.isEmpty()) {
        event->ignore();  // a drag that names nothing
        return;
    }
    // The source keeps what was refused.
    if (not_files.isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
    // The run behind a drop is long and may open modal windows: let the drag source go first.
    gate_.drop_queued = true;
    delivery_pending_ = true;
    QTimer::singleShot(0, this, [this, paths, not_files] { Deliver(paths, not_files); });
}

void DropFrame::Deliver(const QStringList& paths, const QStringList& not_files) {
    if (gate_.pending_depth > 0) {
        // Not inside someone else's ProcessPendingEvents: wait for the loop proper.
        QTimer::singleShot(0, this, [this, paths, not_files] { Deliver(paths, not_files); });
        return;
    }
    gate_.drop_queued = false;
    delivery_pending_ = false;
    gate_.drop_running = true;
    dropped_(paths, not_files);
    gate_.drop_running = false;
}

}  // namespace tess::qt
