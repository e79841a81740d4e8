// A frame that takes files dragged from a file manager.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <functional>

#include "platform/qt/input_gate.h"

class QMimeData;

namespace tess::qt {

class DropFrame : public QGroupBox {
    Q_OBJECT
public:
    // The local paths, in the drag's order, and what the drag held that is not a local file.
    using Dropped = std::function<void(const QStringList& paths, const QStringList& not_files)>;
    // `dropped` is called once Qt's drag handling is done.
    DropFrame(QWidget* parent, InputGate& gate, Dropped dropped);
    ~DropFrame() override;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool Welcome(const QMimeData* data) const;
    void Deliver(const QStringList& paths, const QStringList& not_files);

    InputGate& gate_;
    Dropped dropped_;
    bool delivery_pending_ = false;
};

}  // namespace tess::qt
