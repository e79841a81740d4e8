// A straight line drawn on its parent, as the tables give it: from (x1, y1) to (x2, y2).
#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace tess::qt {

class LineWidget : public QWidget {
    Q_OBJECT
public:
    // `line` is in the parent's pixels; the widget covers it with room for the pen.
    LineWidget(QWidget* parent, const QLine& line, const QColor& color, int width_px);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine line_;  // in the widget's own pixels
    QColor color_;
    int width_px_;
};

}  // namespace tess::qt
