#include "platform/win32/win32_window_system.h"

#include <commctrl.h>

#include <cmath>

#include "platform/win32/gdi_objects.h"
#include "platform/win32/message_box.h"
#include "platform/win32/twips_scale.h"
#include "platform/win32/wide_text.h"

namespace tess::win32 {
namespace {

constexpr const wchar_t* kOwnerClass = L"TessalineOwner";
// Paint messages to let through per call at most, should a window never validate itself.
constexpr int kMaxPaintMessages = 1000;

HWND CreateOwnerWindow() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kOwnerClass;
    RegisterClassExW(&wc);
    return CreateWindowExW(WS_EX_TOOLWINDOW, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

Win32WindowSystem::Win32WindowSystem() {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    owner_ = CreateOwnerWindow();
}

Win32WindowSystem::~Win32WindowSystem() {
    quitting_ = true;
    DestroyAll();
    forms_.clear();
    gone_.clear();
    if (owner_) DestroyWindow(owner_);
}

FormWindow* Win32WindowSystem::Find(WindowId window) const {
    auto it = forms_.find(window);
    return it == forms_.end() ? nullptr : it->second.get();
}

HWND Win32WindowSystem::NativeWindow(WindowId window) const {
    FormWindow* form = Find(window);
    return form ? form->hwnd() : nullptr;
}

HWND Win32WindowSystem::NativeControl(WindowId window, const std::string& control) const {
    FormWindow* form = Find(window);
    return form ? form->ControlWindow(control) : nullptr;
}

WindowId Win32WindowSystem::Create(const FormSpec& table, FormEvents& events) {
    WindowId id = next_id_++;
    FormHost& host = *this;
    auto form = std::make_unique<FormWindow>(id, table, events, host, owner_);
    FormWindow* raw = form.get();
    forms_[id] = std::move(form);
    if (!raw->Build()) {
        forms_.erase(id);
        return kNoWindow;
    }
    return id;
}

void Win32WindowSystem::ShowModeless(WindowId window) {
    if (FormWindow* form = Find(window)) form->Show();
}

void Win32WindowSystem::ShowModal(WindowId window) {
    FormWindow* form = Find(window);
    if (!form || quitting_) return;
    // Every other window of the program waits while this one is up, as with a modal dialog.
    HWND before = GetActiveWindow();
    for (auto& [id, other] : forms_) {
        if (id == window || !other->hwnd() || !IsWindowEnabled(other->hwnd())) continue;
        EnableWindow(other->hwnd(), FALSE);
        form->disabled_while_modal().push_back(other->hwnd());
    }
    if (before && before != form->hwnd() && GetParent(form->hwnd()) != before)
        SetWindowLongPtrW(form->hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(before));
    ++modal_depth_;
    form->Show();
    MSG msg;
    while (!quitting_ && Find(window)) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // A quit meant for the outer loop: leave this one and pass it on.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        Dispatch(msg);
    }
    --modal_depth_;
    if (FormWindow* still = Find(window)) EnableAgain(*still);
    if (before && IsWindow(before)) SetActiveWindow(before);
}

void Win32WindowSystem::EnableAgain(FormWindow& form) {
    for (HWND h : form.disabled_while_modal())
        if (IsWindow(h)) EnableWindow(h, TRUE);
    form.disabled_while_modal().clear();
}

void Win32WindowSystem::Unload(WindowId window) {
    FormWindow* form = Find(window);
    if (!form) return;
    // The owner is enabled before its modal child goes, so activation returns to it.
    EnableAgain(*form);
    if (form->hwnd())
        DestroyWindow(form->hwnd());
    else
        Destroyed(*form);
}

void Win32WindowSystem::CloseRequested(FormWindow& form) {
    WindowId id = form.id();
    FormEvents& events = form.events();
    if (!quitting_ && !events.AllowClose()) return;
    Unload(id);
    if (!quitting_) events.Closed();
}

void Win32WindowSystem::Destroyed(FormWindow& form) {
    auto it = forms_.find(form.id());
    if (it == forms_.end()) return;
    gone_.push_back(std::move(it->second));
    forms_.erase(it);
    if (forms_.empty() && modal_depth_ == 0 && !quitting_) PostMessageW(nullptr, WM_NULL, 0, 0);
}

std::string Win32WindowSystem::FormCaption(WindowId window) {
    FormWindow* form = Find(window);
    if (!form || !form->hwnd()) return {};
    int n = GetWindowTextLengthW(form->hwnd());
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(form->hwnd(), text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return Narrow(text);
}

void Win32WindowSystem::SetFormCaption(WindowId window, const std::string& caption) {
    if (FormWindow* form = Find(window)) SetWindowTextW(form->hwnd(), Widen(caption).c_str());
}

std::string Win32WindowSystem::Caption(WindowId window, const std::string& control) {
    FormWindow* form = Find(window);
    return form ? form->Caption(control) : std::string();
}

void Win32WindowSystem::SetCaption(WindowId window, const std::string& control, const std::string& text) {
    if (FormWindow* form = Find(window)) form->SetCaption(control, text);
}

bool Win32WindowSystem::Checked(WindowId window, const std::string& control) {
    FormWindow* form = Find(window);
    return form && form->Checked(control);
}

void Win32WindowSystem::SetChecked(WindowId window, const std::string& control, bool checked) {
    if (FormWindow* form = Find(window)) form->SetChecked(control, checked);
}

void Win32WindowSystem::SetEnabled(WindowId window, const std::string& control, bool enabled) {
    if (FormWindow* form = Find(window)) form->SetEnabled(control, enabled);
}

ScreenMetrics Win32WindowSystem::Screen() {
    TwipsScale scale = ScreenScale();
    ScreenMetrics m;
    m.twips_per_pixel_x = scale.twips_per_pixel_x;
    m.twips_per_pixel_y = scale.twips_per_pixel_y;
    m.width_twips = scale.TwipsX(GetSystemMetrics(SM_CXSCREEN));
    m.height_twips = scale.TwipsY(GetSystemMetrics(SM_CYSCREEN));
    return m;
}

OuterSize Win32WindowSystem::WindowOuterSize(WindowId window) {
    FormWindow* form = Find(window);
    RECT r{};
    if (!form || !GetWindowRect(form->hwnd(), &r)) return {};
    TwipsScale scale = ScreenScale();
    return {scale.TwipsX(r.right - r.left), scale.TwipsY(r.bottom - r.top)};
}

void Win32WindowSystem::Move(WindowId window, int left_twips, int top_twips) {
    FormWindow* form = Find(window);
    if (!form) return;
    TwipsScale scale = ScreenScale();
    SetWindowPos(form->hwnd(), nullptr, scale.X(left_twips), scale.Y(top_twips), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32WindowSystem::SetRoundRegion(WindowId window, int right_px, int bottom_px, int ellipse_w,
                                       int ellipse_h) {
    FormWindow* form = Find(window);
    if (!form) return;
    UniqueRegion region(CreateRoundRectRgn(0, 0, right_px, bottom_px, ellipse_w, ellipse_h));
    // The window owns the region from here on and frees it when it is replaced.
    if (region && SetWindowRgn(form->hwnd(), region.get(), TRUE)) region.release();
}

void Win32WindowSystem::ProcessPendingEvents() {
    // Paint and sent messages only: clicks, keys and drops wait for the event loop.
    for (auto& [id, form] : forms_)
        if (form->hwnd()) RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    MSG msg;
    for (int i = 0; i < kMaxPaintMessages &&
                    PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE | PM_QS_PAINT);
         ++i)
        DispatchMessageW(&msg);
}

void Win32WindowSystem::ShowMessage(const std::string& text, MessageIcon icon, const std::string& caption,
                                    WindowId owner) {
    FormWindow* form = Find(owner);
    HWND parent = form ? form->hwnd() : nullptr;
    RunMessageBox(text, icon, caption, parent);
}

void Win32WindowSystem::Dispatch(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root) {
        for (auto& [id, form] : forms_) {
            if (form->hwnd() == root) {
                // The focus order is the table's, which crosses frames; the system's would not.
                if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !(GetKeyState(VK_CONTROL) & 0x8000) &&
                    IsWindowEnabled(root)) {
                    form->MoveFocus(GetKeyState(VK_SHIFT) & 0x8000);
                    return;
                }
                if (IsDialogMessageW(root, &msg)) return;
                break;
            }
        }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int Win32WindowSystem::Run() {
    MSG msg;
    int code = 0;
    while (!quitting_ && !forms_.empty()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            code = got == 0 ? static_cast<int>(msg.wParam) : 1;
            break;
        }
        Dispatch(msg);
        if (modal_depth_ == 0) gone_.clear();
    }
    return code;
}

void Win32WindowSystem::Quit() {
    if (quitting_) return;
    quitting_ = true;
    DestroyAll();
    PostQuitMessage(0);
}

void Win32WindowSystem::DestroyAll() {
    // Through their own window procedures, so drop targets are revoked in order.
    std::vector<HWND> windows;
    for (auto& [id, form] : forms_)
        if (form->hwnd()) windows.push_back(form->hwnd());
    for (HWND h : windows)
        if (IsWindow(h)) DestroyWindow(h);
}

}  // namespace tess::win32
