#include "platform/qt/round_region.h"

#include <QBitmap>
#include <QPainter>
#include <algorithm>

namespace tess::qt {

QRegion RoundRegion(int right, int bottom, int ellipse_w, int ellipse_h, QPoint client_offset, QSize client) {
    if (right <= 0 || bottom <= 0) return QRegion(0, 0, 1, 1);  // an empty mask would mean "no mask"
    // A bitmap keeps the corners pixel-exact where a polygon would wobble.
    QBitmap bits(right, bottom);
    bits.fill(Qt::color0);
    QPainter painter(&bits);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(QRectF(0, 0, right, bottom), std::max(0, ellipse_w) / 2.0,
                            std::max(0, ellipse_h) / 2.0);
    painter.end();
    QRegion region(bits);
    region.translate(-client_offset);
    return region.intersected(QRect(QPoint(0, 0), client));
}

}  // namespace tess::qt
