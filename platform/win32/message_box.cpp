#include "platform/win32/message_box.h"

#include "platform/win32/wide_text.h"

namespace tess::win32 {
namespace {

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::question:
            return MB_ICONQUESTION;
        case MessageIcon::exclamation:
            return MB_ICONEXCLAMATION;
        case MessageIcon::none:
            break;
    }
    return 0;
}

}  // namespace

void RunMessageBox(const std::string& text, MessageIcon icon, const std::string& caption, HWND owner) {
    // Without an owner the box still holds every window of the program still.
    const UINT style = MB_OK | IconStyle(icon) | (owner ? MB_APPLMODAL : MB_TASKMODAL) | MB_SETFOREGROUND;
    MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), style);
}

}  // namespace tess::win32
