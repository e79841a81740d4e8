#include "platform/win32/form_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/form_window.h"
#include "platform/win32/drop_frame.h"
#include "platform/win32/program_pictures.h"
#include "platform/win32/caption_fit.h"
#include "platform/win32/wide_text.h"

namespace tess::win32 {
namespace {

constexpr int kPictureButtonIconPx = 32;

// Controls in focus order: the ones that take focus by their index, then the rest in table order.
std::vector<const ControlSpec*> FocusOrder(const FormSpec& table, const std::string& parent) {
    std::vector<const ControlSpec*> order;
    for (const auto& c : table.controls)
        if (c.parent == parent && IsWindowed(c.kind)) order.push_back(&c);
    std::stable_sort(order.begin(), order.end(), [](const ControlSpec* a, const ControlSpec* b) {
        int ia = a->tab_index < 0 ? 1 << 30 : a->tab_index;
        int ib = b->tab_index < 0 ? 1 << 30 : b->tab_index;
        return ia < ib;
    });
    return order;
}


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

// The form's own controls: built from its table, sized to their captions, lines painted.

void FormWindow::BuildControls() {
    controls_.reserve(spec_.controls.size());
    for (const auto& c : spec_.controls) controls_.push_back(Control{&c});
    // Frames first (focus order among the form's own children), then what they hold.
    std::vector<std::string> parents{""};
    for (size_t level = 0; level < parents.size(); ++level) {
        for (const ControlSpec* c : FocusOrder(spec_, parents[level])) {
            Control& control = controls_[static_cast<size_t>(c - spec_.controls.data())];
            HWND parent = c->parent.empty() ? hwnd_ : ControlWindow(c->parent);
            if (!parent) continue;
            int id = kFirstControlId + static_cast<int>(c - spec_.controls.data());
            control.hwnd = CreateControl(*c, parent, id, scale_);
            if (!control.hwnd) continue;
            ApplyFont(control);
            // Colours: the control's own, else those of what it sits in.
            const ControlSpec* holder = c->parent.empty() ? nullptr : spec_.Find(c->parent);
            std::optional<std::uint32_t> back = c->back_color;
            if (!back && holder) back = holder->back_color;
            if (!back) back = spec_.back_color;
            if (back) {
                control.has_back = true;
                control.back_color = ToColorRef(*back);
                control.back = brushes_.Get(control.back_color);
            }
            if (c->kind == ControlKind::frame) {
                SetWindowSubclass(control.hwnd, &FormWindow::FrameProc, 1, reinterpret_cast<DWORD_PTR>(this));
                if (c->drop_target) RegisterDropTarget(c->name, control.hwnd);
                parents.push_back(c->name);
            }
            if (c->kind == ControlKind::picture_button) {
                if (UniqueIcon icon(LoadPicture(c->picture, kPictureButtonIconPx)); icon) {
                    SendMessageW(control.hwnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.get()));
                    pictures_.push_back(std::move(icon));
                }
            }
            if (c->kind == ControlKind::picture) {
                UniqueIcon icon(c->picture.empty() ? LoadProgramIcon(kPictureButtonIconPx)
                                                   : LoadPicture(c->picture, kPictureButtonIconPx));
                if (icon) {
                    SendMessageW(control.hwnd, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
                    pictures_.push_back(std::move(icon));
                }
            }
            if (c->kind == ControlKind::label && c->auto_size) FitToText(control);
            if (c->kind == ControlKind::check_box && c->checked)
                SendMessageW(control.hwnd, BM_SETCHECK, BST_CHECKED, 0);
            if (!c->tooltip.empty()) AddTooltip(control);
        }
    }
    // Labels are drawn beneath every other control, so one that overlaps a button never hides it.
    for (const auto& control : controls_)
        if (control.hwnd && control.table->kind == ControlKind::label)
            SetWindowPos(control.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormWindow::AddTooltip(const Control& control) {
    if (!tooltip_) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        if (!tooltip_) return;
    }
    std::wstring text = Widen(control.table->tooltip);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd);
    tool.lpszText = text.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FormWindow::RegisterDropTarget(const std::string& name, HWND frame) {
    auto* target = new OleDropTarget(
        [this] { return hwnd_ && IsWindowEnabled(hwnd_); },
        [this, name](const std::vector<std::string>& paths) {
            FormEvents& events = events_;
            events.Drop(name, paths);
        });
    if (SUCCEEDED(RegisterDragDrop(frame, target)))
        drop_targets_.emplace_back(frame, target);
    else
        target->Release();
}

void FormWindow::ApplyFont(Control& control) {
    const ControlSpec& c = *control.table;
    const std::string face = c.font_name.empty() ? kFormFont : c.font_name;
    double points = c.font_points > 0 ? c.font_points : kFormPoints;
    std::wstring caption = Widen(Caption(c.name));
    HFONT font = fonts_.Get(face, points, c.bold);
    if (!c.auto_size) {
        while (points > kSmallestPoints && !TextFits(control.hwnd, font, caption, c.kind)) {
            points -= 0.5;
            font = fonts_.Get(face, points, c.bold);
        }
    }
    control.font = font;
    SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void FormWindow::FitToText(Control& control) {
    std::wstring text = Widen(Caption(control.table->name));
    RECT r{0, 0, 0, 0};
    {
        WindowDc dc(control.hwnd);
        Selected selected(dc.get(), control.font);
        DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    }
    SetWindowPos(control.hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::PaintLines() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    for (const auto& c : controls_) {
        if (c.table->kind != ControlKind::line || !c.table->visible) continue;
        POINT origin{0, 0};
        if (HWND holder = ControlWindow(c.table->parent)) {
            RECT r;
            GetWindowRect(holder, &r);
            origin = {r.left, r.top};
            ScreenToClient(hwnd_, &origin);
        }
        std::uint32_t color = c.table->fore_color.value_or(c.table->back_color.value_or(0));
        UniquePen pen(CreatePen(PS_SOLID, std::max(1, c.table->line_width_px), ToColorRef(color)));
        Selected selected(dc, pen.get());
        const TwipsRect& p = c.table->place;
        MoveToEx(dc, origin.x + scale_.X(p.left), origin.y + scale_.Y(p.top), nullptr);
        LineTo(dc, origin.x + scale_.X(p.width), origin.y + scale_.Y(p.height));
    }
    EndPaint(hwnd_, &ps);
}

}  // namespace tess::win32
