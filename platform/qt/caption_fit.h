// Forms are laid out in twips for a narrower face than ours: a one-line caption that would be cut
// off gets its font made a little smaller (never below 7.5 pt) until it fits.
#pragma once

#include <QFont>
#include <QString>

#include "platform/form_table.h"

class QWidget;

namespace tess::qt {

// `wanted`, or the largest size a quarter point at a time below it, at which `shown` takes at most `room` px.
QFont FitWidth(const QFont& wanted, const QString& shown, int room);

// Fits the caption of a frame, check box or button to its box; other kinds are left alone.
void FitCaption(QWidget& widget, ControlKind kind, const QFont& wanted);

}  // namespace tess::qt
