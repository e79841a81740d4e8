#include "platform/qt/line_widget.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace tess::qt {

LineWidget::LineWidget(QWidget* parent, const QLine& line, const QColor& color, int width_px)
    : QWidget(parent), color_(color), width_px_(std::max(1, width_px)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // The pen grows down and right from the line, as a one-pixel grid expects.
    const QRect box = QRect(line.p1(), line.p2()).normalized().adjusted(0, 0, width_px_, width_px_);
    setGeometry(box);
    line_ = line.translated(-box.topLeft());
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color_);
    // Axis-aligned lines are filled rectangles: crisp at every width.
    if (line_.dy() == 0) {
        painter.drawRect(std::min(line_.x1(), line_.x2()), line_.y1(), std::abs(line_.dx()), width_px_);
    } else if (line_.dx() == 0) {
        painter.drawRect(line_.x1(), std::min(line_.y1(), line_.y2()), width_px_, std::abs(line_.dy()));
    } else {
        painter.setPen(QPen(color_, width_px_, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(line_);
    }
}

}  // namespace tess::qt
