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
    // `dropped` receives the local paths, in the drag's order, once Qt's drag handling is done.
    DropFrame(QWidget* parent, InputGate& gate, std::function<void(const QStringList&)> dropped);
    ~DropFrame() override;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool Welcome(const QMimeData* data) const;
    void Deliver(const QStringList& paths);

    InputGate& gate_;
    std::function<void(const QStringList&)> dropped_;
    bool delivery_pending_ = false;
};

}  // namespace tess::qt
