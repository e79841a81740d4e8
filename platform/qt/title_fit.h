// Frame titles laid out in twips for a narrower face: shrink the title's font a little until it fits.
#pragma once

#include <QFont>

class QGroupBox;

namespace tess::qt {

// `wanted` is the font the table asks for; the box gets it, or the largest smaller size that fits.
void FitTitle(QGroupBox& box, const QFont& wanted);

}  // namespace tess::qt
