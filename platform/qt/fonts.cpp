#include "platform/qt/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace tess::qt {

QFont FormFont() {
    QFont font = QApplication::font();
    const QStringList installed = QFontDatabase::families();
    for (const char* face : {"Noto Sans CJK JP", "Noto Sans JP", "IPAPGothic", "VL PGothic",
                             "Droid Sans Japanese", "Noto Sans CJK SC"}) {
        if (installed.contains(QString::fromUtf8(face))) {
            font.setFamilies({QString::fromUtf8(face)});
            break;
        }
    }
    font.setPointSizeF(9);
    return font;
}

QFont ControlFont(const QFont& form_font, const ControlSpec& control) {
    QFont font = form_font;
    if (!control.font_name.empty()) {
        const QString face = QString::fromStdString(control.font_name);
        if (QFontDatabase::families().contains(face)) font.setFamilies({face});
    }
    if (control.font_points > 0) font.setPointSizeF(control.font_points);
    if (control.bold) font.setBold(true);
    return font;
}

}  // namespace tess::qt
