// Captions carry "&&" for a shown "&" and "&x" for an access key.
#pragma once

#include <QString>

namespace tess::qt {

// The text as it appears on screen: "&&" becomes "&", a lone "&" vanishes.
QString ShownText(const QString& caption);
// True when the caption marks an access key with a lone "&".
bool HasAccessKey(const QString& caption);

}  // namespace tess::qt
