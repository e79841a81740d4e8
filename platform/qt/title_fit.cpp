#include "platform/qt/title_fit.h"

#include <QFontMetrics>
#include <QGroupBox>

#include "platform/qt/caption_text.h"

namespace tess::qt {
namespace {

constexpr double kSmallestPoints = 7.5;
constexpr int kTitleMarginsPx = 14;  // the style's indent before the title and a little air after

}  // namespace

void FitTitle(QGroupBox& box, const QFont& wanted) {
    const QString shown = ShownText(box.title());
    const int room = box.width() - kTitleMarginsPx;
    QFont font = wanted;
    while (font.pointSizeF() - 0.25 >= kSmallestPoints && QFontMetrics(font).horizontalAdvance(shown) > room)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    box.setFont(font);
}

}  // namespace tess::qt
