#include "platform/qt/table_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

#include "platform/qt/caption_text.h"

namespace tess::qt {
namespace {

constexpr double kTightLineEm = 1.2;  // line pitch in ems when space is short
constexpr double kGlyphTopEm = 0.9;   // how far glyphs reach above the baseline, in ems
constexpr double kLastLineEm = 1.1;   // room the last line needs, descenders included
constexpr double kSmallestPoints = 7.5;

}  // namespace

void TableLabel::paintEvent(QPaintEvent* event) {
    if (!wordWrap() || text().isEmpty()) return QLabel::paintEvent(event);
    const QString shown = buddy() ? ShownText(text()) : text();
    const QFontMetricsF metrics(font());
    const QRectF natural =
        metrics.boundingRect(QRectF(0, 0, width(), 1e6), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
    if (natural.height() <= height()) return QLabel::paintEvent(event);
    PaintTight(shown);
}

void TableLabel::PaintTight(const QString& shown) {
    // Closer lines first; if that is not enough, a slightly smaller size too.
    QFont face = font();
    QTextLayout layout;
    for (;;) {
        const QFontMetricsF metrics(face);
        const double em = face.pointSizeF() > 0 ? face.pointSizeF() * logicalDpiY() / 72.0 : face.pixelSize();
        const double pitch = std::round(kTightLineEm * em);
        layout.clearLayout();
        layout.setText(shown);
        layout.setFont(face);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        // The first line starts where its glyphs start, not where the face's ascent would put it.
        double top = std::min(0.0, kGlyphTopEm * em - metrics.ascent());
        int lines = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width());
            line.setPosition(QPointF(0, top));
            top += pitch;
            ++lines;
        }
        layout.endLayout();
        const double needed = (lines - 1) * pitch + kLastLineEm * em;
        if (needed <= height() || face.pointSizeF() - 0.25 < kSmallestPoints) break;
        face.setPointSizeF(face.pointSizeF() - 0.25);
    }
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    layout.draw(&painter, QPointF(0, 0));
}

}  // namespace tess::qt
