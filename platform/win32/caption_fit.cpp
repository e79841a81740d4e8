#include "platform/win32/caption_fit.h"

#include "platform/win32/gdi_objects.h"

namespace tess::win32 {
namespace {

// Room a control keeps around its text: the frame's line and indent, a check box's box,
// a button's edge.
constexpr int kFrameIndentPx = 16;
constexpr int kButtonEdgePx = 6;
constexpr int kCheckGapPx = 6;

}  // namespace

bool FitsCaption(ControlKind kind) {
    return kind == ControlKind::label || kind == ControlKind::frame || kind == ControlKind::check_box ||
           kind == ControlKind::button;
}

bool TextFits(HWND control, HFONT font, const std::wstring& caption, ControlKind kind) {
    if (caption.empty() || !FitsCaption(kind)) return true;
    RECT box;
    GetClientRect(control, &box);
    WindowDc window_dc(control);
    const HDC dc = window_dc.get();
    Selected selected(dc, font);
    RECT need{0, 0, box.right, 0};
    bool fits = true;
    switch (kind) {
        case ControlKind::label:
        case ControlKind::check_box: {
            int width = box.right;
            if (kind == ControlKind::check_box) width -= GetSystemMetrics(SM_CXMENUCHECK) + kCheckGapPx;
            // One line that is as wide as the box fits, even in a face with taller lines than
            // the box was drawn for; wrapped text must fit its height as well.
            RECT line{0, 0, 0, 0};
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &line, DT_CALCRECT | DT_SINGLELINE);
            if (line.right <= width) break;
            need.right = width;
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &need,
                      DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL);
            fits = need.bottom <= box.bottom && need.right <= width;
            break;
        }
        case ControlKind::frame:
        case ControlKind::button:
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &need, DT_CALCRECT | DT_SINGLELINE);
            fits = need.right + (kind == ControlKind::frame ? kFrameIndentPx : kButtonEdgePx) <= box.right;
            break;
        default:
            break;
    }
    return fits;
}

}  // namespace tess::win32
