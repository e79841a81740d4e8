#include "platform/qt/program_pictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

// The compiled resource lives in a library of its own; naming it here keeps the linker from dropping it.
static void LoadPictureResource() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(tessaline);
        return true;
    }();
    (void)loaded;
}

namespace tess::qt {
namespace {

QString PathOf(const QString& name) {
    LoadPictureResource();
    const QString path = QStringLiteral(":/tessaline/%1.svg").arg(name);
    return QFile::exists(path) ? path : QString();
}

}  // namespace

QPixmap PicturePixmap(const QString& name, int size_px, qreal device_pixel_ratio) {
    const QString path = PathOf(name);
    if (path.isEmpty()) return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    const int device_px = qRound(size_px * device_pixel_ratio);
    QPixmap pixmap(device_px, device_px);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    return pixmap;
}

QIcon PictureIcon(const QString& name) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QPixmap pixmap = PicturePixmap(name, size);
        if (pixmap.isNull()) return {};
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon ProgramIcon() { return PictureIcon(QStringLiteral("icon")); }

}  // namespace tess::qt
