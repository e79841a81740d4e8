#include "platform/win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/form_controls.h"
#include "platform/win32/ole_drop_target.h"
#include "platform/win32/program_pictures.h"
#include "platform/win32/text_fit.h"
#include "platform/win32/wide_text.h"

namespace tess::win32 {
namespace {

constexpr const wchar_t* kFormClass = L"TessalineForm";
// The form's font when a control names none: the system's Japanese user-interface font.
constexpr const char* kFormFont = "MS UI Gothic";
constexpr double kFormPoints = 9;
// Captions shrink to fit their boxes, but never below this.
constexpr double kSmallestPoints = 6;
constexpr int kFirstControlId = 1000;
constexpr int kPictureButtonIconPx = 32;

void RegisterFormClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kFormClass;
    registered = RegisterClassExW(&wc) != 0;
}

COLORREF ToColorRef(std::uint32_t bgr) { return static_cast<COLORREF>(bgr & 0x00FFFFFF); }

struct FormStyle {
    DWORD style;
    DWORD ex_style;
};

FormStyle StyleOf(const FormSpec& table) {
    FormStyle s{WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    if (table.border == BorderStyle::sizable) {
        s.style |= WS_OVERLAPPEDWINDOW;
        if (!table.min_max_buttons) s.style &= ~static_cast<DWORD>(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    } else {
        s.style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
        s.ex_style |= WS_EX_DLGMODALFRAME;
        if (table.min_max_buttons) s.style |= WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    }
    if (table.in_taskbar) s.ex_style |= WS_EX_APPWINDOW;
    return s;
}

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

}  // namespace

FormWindow::FormWindow(WindowId id, const FormSpec& table, FormEvents& events, FormHost& host, HWND owner)
    : id_(id), spec_(table), events_(events), host_(host), owner_(owner) {}

FormWindow::~FormWindow() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    ReleaseResources();
}

bool FormWindow::Build() {
    RegisterFormClass();
    scale_ = ScreenScale();
    FormStyle style = StyleOf(spec_);
    if (spec_.back_color) form_back_ = Brush(ToColorRef(*spec_.back_color));

    RECT rect{0, 0, scale_.X(spec_.client_width), scale_.Y(spec_.client_height)};
    AdjustWindowRectEx(&rect, style.style, FALSE, style.ex_style);
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    if (spec_.client_origin) {
        x = scale_.X(spec_.client_origin->first) + rect.left;
        y = scale_.Y(spec_.client_origin->second) + rect.top;
    }
    hwnd_ = CreateWindowExW(style.ex_style, kFormClass, Widen(spec_.caption).c_str(), style.style, x, y,
                            rect.right - rect.left, rect.bottom - rect.top, spec_.in_taskbar ? nullptr : owner_,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return false;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormWindow::Proc));
    if (spec_.has_icon) {
        icon_big_ = LoadProgramIcon(GetSystemMetrics(SM_CXICON));
        icon_small_ = LoadProgramIcon(GetSystemMetrics(SM_CXSMICON));
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_big_));
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_small_));
    }
    BuildControls();
    return true;
}

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
                control.back = Brush(control.back_color);
            }
            if (c->kind == ControlKind::frame) {
                SetWindowSubclass(control.hwnd, &FormWindow::FrameProc, 1, reinterpret_cast<DWORD_PTR>(this));
                if (c->drop_target) RegisterDropTarget(c->name, control.hwnd);
                parents.push_back(c->name);
            }
            if (c->kind == ControlKind::picture_button) {
                HICON icon = LoadPicture(c->picture, kPictureButtonIconPx);
                if (icon) {
                    pictures_.push_back(icon);
                    SendMessageW(control.hwnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
                }
            }
            if (c->kind == ControlKind::picture) {
                HICON icon = c->picture.empty() ? LoadProgramIcon(kPictureButtonIconPx)
                                                : LoadPicture(c->picture, kPictureButtonIconPx);
                if (icon) {
                    pictures_.push_back(icon);
                    SendMessageW(control.hwnd, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
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
    HFONT font = Font(face, points, c.bold);
    if (!c.auto_size) {
        while (points > kSmallestPoints && !TextFits(control.hwnd, font, caption, c.kind)) {
            points -= 0.5;
            font = Font(face, points, c.bold);
        }
    }
    control.font = font;
    SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void FormWindow::FitToText(Control& control) {
    HDC dc = GetDC(control.hwnd);
    HGDIOBJ old = SelectObject(dc, control.font);
    std::wstring text = Widen(Caption(control.table->name));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(control.hwnd, dc);
    SetWindowPos(control.hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::Show() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    // The first focus goes to the first control in focus order that can take it.
    const Control* first = nullptr;
    for (const auto& c : controls_) {
        if (!c.hwnd || !TakesFocus(c.table->kind) || c.table->tab_index < 0 || !IsWindowVisible(c.hwnd) ||
            !IsWindowEnabled(c.hwnd))
            continue;
        if (!first || c.table->tab_index < first->table->tab_index) first = &c;
    }
    if (first) SetFocus(first->hwnd);
    bool first_show = !shown_;
    shown_ = true;
    RECT r;
    GetClientRect(hwnd_, &r);
    last_size_ = {r.right, r.bottom};
    if (first_show) events_.Resize();
}

void FormWindow::MoveFocus(bool backwards) {
    std::vector<const Control*> order;
    for (const auto& c : controls_)
        if (c.hwnd && TakesFocus(c.table->kind) && c.table->tab_index >= 0 && IsWindowVisible(c.hwnd) &&
            IsWindowEnabled(c.hwnd))
            order.push_back(&c);
    if (order.empty()) return;
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->table->tab_index < b->table->tab_index; });
    HWND focus = GetFocus();
    size_t at = order.size();
    for (size_t i = 0; i < order.size(); ++i)
        if (order[i]->hwnd == focus || IsChild(order[i]->hwnd, focus)) at = i;
    size_t next = at == order.size() ? 0
                  : backwards        ? (at + order.size() - 1) % order.size()
                                     : (at + 1) % order.size();
    HWND target = order[next]->hwnd;
    SetFocus(target);
    if (order[next]->table->kind == ControlKind::text_box) SendMessageW(target, EM_SETSEL, 0, -1);
}

FormWindow::Control* FormWindow::Find(const std::string& name) {
    for (auto& c : controls_)
        if (c.table->name == name) return &c;
    return nullptr;
}

const FormWindow::Control* FormWindow::Find(const std::string& name) const {
    for (const auto& c : controls_)
        if (c.table->name == name) return &c;
    return nullptr;
}

FormWindow::Control* FormWindow::FindByWindow(HWND hwnd) {
    for (auto& c : controls_)
        if (c.hwnd == hwnd) return &c;
    return nullptr;
}

HWND FormWindow::ControlWindow(const std::string& name) const {
    const Control* c = Find(name);
    return c ? c->hwnd : nullptr;
}

std::string FormWindow::Caption(const std::string& control) const {
    HWND h = ControlWindow(control);
    if (!h) return {};
    int n = GetWindowTextLengthW(h);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(h, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return Narrow(text);
}

void FormWindow::SetCaption(const std::string& control, const std::string& text) {
    Control* c = Find(control);
    if (!c || !c->hwnd) return;
    SetWindowTextW(c->hwnd, Widen(text).c_str());
    if (FitsCaption(c->table->kind)) ApplyFont(*c);
    if (c->table->kind == ControlKind::label && c->table->auto_size) FitToText(*c);
    // Labels without their own background leave the old text behind unless the area is redrawn.
    InvalidateRect(c->hwnd, nullptr, TRUE);
}

bool FormWindow::Checked(const std::string& control) const {
    HWND h = ControlWindow(control);
    return h && SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void FormWindow::SetChecked(const std::string& control, bool checked) {
    // BM_SETCHECK raises no notification, so no event follows.
    if (HWND h = ControlWindow(control)) SendMessageW(h, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void FormWindow::SetEnabled(const std::string& control, bool enabled) {
    if (HWND h = ControlWindow(control)) EnableWindow(h, enabled ? TRUE : FALSE);
}

HFONT FormWindow::Font(const std::string& name, double points, bool bold) {
    std::string key = name + "|" + std::to_string(points) + (bold ? "|b" : "|");
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;
    int height = -static_cast<int>(std::lround(points * ScreenDpiY() / 72.0));
    HFONT font = CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             Widen(name).c_str());
    fonts_[key] = font;
    return font;
}

HBRUSH FormWindow::Brush(COLORREF color) {
    auto it = brushes_.find(color);
    if (it != brushes_.end()) return it->second;
    HBRUSH brush = CreateSolidBrush(color);
    brushes_[color] = brush;
    return brush;
}

HBRUSH FormWindow::ColorStatic(HDC dc, HWND control) {
    Control* c = FindByWindow(control);
    if (!c) return nullptr;
    if (c->table->fore_color) SetTextColor(dc, ToColorRef(*c->table->fore_color));
    if (!c->has_back) return nullptr;
    SetBkColor(dc, c->back_color);
    return c->back;
}

void FormWindow::Paint() {
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
        HPEN pen = CreatePen(PS_SOLID, std::max(1, c.table->line_width_px), ToColorRef(color));
        HGDIOBJ old = SelectObject(dc, pen);
        const TwipsRect& p = c.table->place;
        MoveToEx(dc, origin.x + scale_.X(p.left), origin.y + scale_.Y(p.top), nullptr);
        LineTo(dc, origin.x + scale_.X(p.width), origin.y + scale_.Y(p.height));
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK FormWindow::Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, w, l);
    return self->Handle(message, w, l);
}

// Controls inside a frame report to the frame; the form wants to hear them itself.
LRESULT CALLBACK FormWindow::FrameProc(HWND hwnd, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self_ptr) {
    auto* self = reinterpret_cast<FormWindow*>(self_ptr);
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_DRAWITEM:
            return SendMessageW(self->hwnd_, message, w, l);
        case WM_ERASEBKGND: {
            const Control* c = self->FindByWindow(hwnd);
            RECT r;
            GetClientRect(hwnd, &r);
            FillRect(reinterpret_cast<HDC>(w), &r,
                     c && c->back ? c->back : GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_NCHITTEST:
            // A group box is see-through to the pointer, so a drop would land on the form
            // behind it; a frame here is a drop target in its own right.
            return HTCLIENT;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &FormWindow::FrameProc, 1);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, w, l);
}

LRESULT FormWindow::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND: {
            int id = LOWORD(w);
            // Enter and Escape, as IsDialogMessage reports them.
            if (l == 0 || id == IDOK || id == IDCANCEL) {
                for (const auto& c : controls_) {
                    bool wanted = (id == IDOK && c.table->is_default) || (id == IDCANCEL && c.table->is_cancel);
                    if (wanted && c.hwnd && IsWindowEnabled(c.hwnd)) {
                        std::string name = c.table->name;
                        FormEvents& events = events_;
                        events.Click(name);
                        return 0;
                    }
                }
                if (id == IDOK || id == IDCANCEL) return 0;
            }
            size_t index = static_cast<size_t>(id - kFirstControlId);
            if (id >= kFirstControlId && index < controls_.size() && HIWORD(w) == BN_CLICKED &&
                IsWindowEnabled(controls_[index].hwnd)) {
                ControlKind kind = controls_[index].table->kind;
                if (kind == ControlKind::button || kind == ControlKind::picture_button ||
                    kind == ControlKind::check_box) {
                    std::string name = controls_[index].table->name;
                    FormEvents& events = events_;
                    events.Click(name);
                    return 0;
                }
            }
            return 0;
        }
        case DM_GETDEFID:
            for (size_t i = 0; i < controls_.size(); ++i)
                if (controls_[i].table->is_default && controls_[i].hwnd)
                    return MAKELRESULT(kFirstControlId + static_cast<int>(i), DC_HASDEFID);
            return 0;
        case WM_CTLCOLORSTATIC: {
            HBRUSH brush = ColorStatic(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
            if (brush) return reinterpret_cast<LRESULT>(brush);
            if (form_back_ && GetParent(reinterpret_cast<HWND>(l)) == hwnd_) {
                SetBkColor(reinterpret_cast<HDC>(w), ToColorRef(*spec_.back_color));
                return reinterpret_cast<LRESULT>(form_back_);
            }
            break;
        }
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(hwnd_, &r);
            FillRect(reinterpret_cast<HDC>(w), &r, form_back_ ? form_back_ : GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SIZE: {
            // Sizes before the first showing are the window system's business, not the form's;
            // a size that did not change (a region set, a frame redrawn) is no resize either.
            SIZE now{LOWORD(l), HIWORD(l)};
            if (!shown_ || w == SIZE_MINIMIZED || (now.cx == last_size_.cx && now.cy == last_size_.cy)) break;
            last_size_ = now;
            FormEvents& events = events_;
            events.Resize();
            return 0;
        }
        case WM_CLOSE:
            host_.CloseRequested(*this);
            return 0;
        case WM_DESTROY:
            for (auto& [frame, target] : drop_targets_) {
                RevokeDragDrop(frame);
                target->Release();
            }
            drop_targets_.clear();
            break;
        case WM_NCDESTROY: {
            HWND gone = hwnd_;
            hwnd_ = nullptr;
            SetWindowLongPtrW(gone, GWLP_USERDATA, 0);
            ReleaseResources();
            host_.Destroyed(*this);
            return DefWindowProcW(gone, message, w, l);
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, w, l);
}

void FormWindow::ReleaseResources() {
    for (auto& [frame, target] : drop_targets_) {
        RevokeDragDrop(frame);
        target->Release();
    }
    drop_targets_.clear();
    for (auto& [key, font] : fonts_) DeleteObject(font);
    fonts_.clear();
    for (auto& [color, brush] : brushes_) DeleteObject(brush);
    brushes_.clear();
    form_back_ = nullptr;
    for (HICON icon : pictures_) DestroyIcon(icon);
    pictures_.clear();
    if (icon_big_) DestroyIcon(icon_big_);
    if (icon_small_) DestroyIcon(icon_small_);
    icon_big_ = icon_small_ = nullptr;
    for (auto& c : controls_) {
        c.hwnd = nullptr;
        c.font = nullptr;
        c.back = nullptr;
    }
}

}  // namespace tess::win32
