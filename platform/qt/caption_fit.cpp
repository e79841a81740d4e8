#include "platform/qt/caption_fit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QStyle>

#include "platform/qt/caption_text.h"

namespace tess::qt {
namespace {

constexpr double kSmallestPoints = 7.5;
constexpr int kFrameTitleMarginsPx = 14;  // the style's indent before a frame title, and some air
constexpr int kButtonMarginsPx = 6;

}  // namespace

QFont FitWidth(const QFont& wanted, const QString& shown, int room) {
    QFont font = wanted;
    while (font.pointSizeF() - 0.25 >= kSmallestPoints && QFontMetrics(font).horizontalAdvance(shown) > room)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

void FitCaption(QWidget& widget, ControlKind kind, const QFont& wanted) {
    switch (kind) {
        case ControlKind::frame: {
            auto& frame = static_cast<QGroupBox&>(widget);
            frame.setFont(FitWidth(wanted, ShownText(frame.title()), frame.width() - kFrameTitleMarginsPx));
            break;
        }
        case ControlKind::check_box: {
            auto& box = static_cast<QAbstractButton&>(widget);
            const int indicator = box.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box) +
                                  box.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &box);
            box.setFont(FitWidth(wanted, ShownText(box.text()), box.width() - indicator - 1));
            break;
        }
        case ControlKind::button: {
            auto& button = static_cast<QAbstractButton&>(widget);
            button.setFont(FitWidth(wanted, ShownText(button.text()), button.width() - kButtonMarginsPx));
            break;
        }
        default:
            break;
    }
}

}  // namespace tess::qt
