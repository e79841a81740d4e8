// A label laid out in twips for a face with tighter lines than ours: when its wrapped text
// would not fit its height, the lines are drawn closer together instead of being cut off.
#pragma once

#include <QLabel>

namespace tess::qt {

class TableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintTight(const QString& shown);
};

}  // namespace tess::qt
