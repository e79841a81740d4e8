#include "platform/qt/caption_text.h"

namespace tess::qt {

QString ShownText(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

bool HasAccessKey(const QString& caption) {
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return i + 1 < caption.size();
    }
    return false;
}

}  // namespace tess::qt
