// The program's own pictures, by the names the form tables use ("icon", "close", "option", "help").
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tess::qt {

// Empty when the name is unknown.
QIcon PictureIcon(const QString& name);
QPixmap PicturePixmap(const QString& name, int size_px, qreal device_pixel_ratio = 1.0);
QIcon ProgramIcon();

}  // namespace tess::qt
