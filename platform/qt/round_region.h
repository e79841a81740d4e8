// The rounded outline of a window, given in outer-window pixels, as a mask for its client area.
#pragma once

#include <QPoint>
#include <QRegion>
#include <QSize>

namespace tess::qt {

// A rounded rectangle from (0, 0) to (right, bottom), exclusive, with corner ellipses
// ellipse_w × ellipse_h; moved by -client_offset and cut to the client size.
QRegion RoundRegion(int right, int bottom, int ellipse_w, int ellipse_h, QPoint client_offset, QSize client);

}  // namespace tess::qt
