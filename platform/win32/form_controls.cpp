#include "platform/win32/form_controls.h"

#include "platform/win32/wide_text.h"

namespace tess::win32 {
namespace {

struct NativeKind {
    const wchar_t* window_class;
    DWORD style;
    DWORD ex_style;
};

NativeKind NativeFor(const ControlSpec& c) {
    switch (c.kind) {
        case ControlKind::label:
            return {L"STATIC", static_cast<DWORD>(c.auto_size ? SS_LEFTNOWORDWRAP : SS_LEFT), 0};
        case ControlKind::frame:
            // A real parent: the drop target and the home of the controls placed in it.
            return {L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
        case ControlKind::check_box:
            return {L"BUTTON", BS_AUTOCHECKBOX | BS_MULTILINE, 0};
        case ControlKind::text_box:
            return {L"EDIT", ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
        case ControlKind::button:
            return {L"BUTTON", static_cast<DWORD>(c.is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
        case ControlKind::picture_button:
            return {L"BUTTON", BS_PUSHBUTTON | BS_ICON, 0};
        case ControlKind::picture:
            return {L"STATIC", SS_ICON | SS_CENTERIMAGE, 0};
        case ControlKind::line:
            break;
    }
    return {L"STATIC", 0, 0};
}

}  // namespace

bool IsWindowed(ControlKind kind) { return kind != ControlKind::line; }

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::check_box || kind == ControlKind::text_box || kind == ControlKind::button ||
           kind == ControlKind::picture_button;
}

HWND CreateControl(const ControlSpec& control, HWND parent, int id, const TwipsScale& scale) {
    NativeKind native = NativeFor(control);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | native.style;
    if (control.visible) style |= WS_VISIBLE;
    if (TakesFocus(control.kind) && control.tab_index >= 0) style |= WS_TABSTOP;
    std::wstring text = control.kind == ControlKind::picture ? std::wstring() : Widen(control.caption);
    return CreateWindowExW(native.ex_style, native.window_class, text.c_str(), style, scale.X(control.place.left),
                           scale.Y(control.place.top), scale.X(control.place.width),
                           scale.Y(control.place.height), parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

}  // namespace tess::win32
