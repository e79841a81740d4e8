#include "platform/win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/form_controls.h"
#include "platform/win32/drop_frame.h"
#include "platform/win32/program_pictures.h"
#include "platform/win32/caption_fit.h"
#include "platform/win32/wide_text.h"

namespace tess::win32 {
namespace {

constexpr const wchar_t* kFormClass = L"TessalineForm";

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
    if (spec_.back_color) form_back_ = brushes_.Get(ToColorRef(*spec_.back_color));

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
        icon_big_ = UniqueIcon(LoadProgramIcon(GetSystemMetrics(SM_CXICON)));
        icon_small_ = UniqueIcon(LoadProgramIcon(GetSystemMetrics(SM_CXSMICON)));
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_big_.get()));
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_small_.get()));
    }
    BuildControls();
    return true;
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

HBRUSH FormWindow::ColorStatic(HDC dc, HWND control) {
    Control* c = FindByWindow(control);
    if (!c) return nullptr;
    if (c->table->fore_color) SetTextColor(dc, ToColorRef(*c->table->fore_color));
    if (!c->has_back) return nullptr;
    SetBkColor(dc, c->back_color);
    return c->back;
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
            PaintLines();
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
    // The controls are gone by now, and with them every use of these.
    fonts_.Clear();
    brushes_.Clear();
    form_back_ = nullptr;
    pictures_.clear();
    icon_big_ = {};
    icon_small_ = {};
    for (auto& c : controls_) {
        c.hwnd = nullptr;
        c.font = nullptr;
        c.back = nullptr;
    }
}

}  // namespace tess::win32
