// The window seam on Win32, on the sample form: what a table becomes and how values and
// events cross. Driven as a user would: BM_CLICK, keys through the message loop, the close
// box, and drops through the frame's registered OLE drop target.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

#include "drop_source.h"
#include "watchdog.h"
#include "hdrop_data_object.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_window_system.h"
#include "tests/contract/recording_events.h"
#include "tests/contract/synthetic_form.h"

namespace tess::testing {
namespace {

using win32::Narrow;
using win32::Widen;

std::wstring ClassOf(HWND h) {
    wchar_t name[64] = {};
    GetClassNameW(h, name, 64);
    return name;
}

std::string TextOf(HWND h) {
    wchar_t text[512] = {};
    GetWindowTextW(h, text, 512);
    return Narrow(text);
}

BOOL CALLBACK FindTooltip(HWND h, LPARAM found) {
    if (_wcsicmp(ClassOf(h).c_str(), TOOLTIPS_CLASSW) == 0) *reinterpret_cast<HWND*>(found) = h;
    return TRUE;
}

class Win32WindowTest : public ::testing::Test {
protected:
    RecordingEvents events;
    FormSpec form = SyntheticForm();
    win32::Win32WindowSystem ws;
    WindowId id = ws.Create(form, events);

    void SetUp() override {
        ASSERT_NE(id, kNoWindow);
        Watchdog::fired = false;
    }
    void TearDown() override {
        EXPECT_FALSE(Watchdog::fired) << "an event loop had to be ended by the watchdog";
        // A quit left for a loop that never ran must not end the next test's loop.
        MSG m;
        while (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    HWND Window() { return ws.NativeWindow(id); }
    HWND Control(const std::string& name) { return ws.NativeControl(id, name); }
    int Px(double twips, double tpp) { return static_cast<int>(std::lround(twips / tpp)); }
    RECT InParent(HWND h) {
        RECT r;
        GetWindowRect(h, &r);
        MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    IDropTarget* DropTargetOf(HWND h) { return static_cast<IDropTarget*>(GetPropW(h, L"OleDropTargetInterface")); }
};

TEST_F(Win32WindowTest, TwipsPerPixelComesFromTheScreenDpi) {
    const ScreenMetrics screen = ws.Screen();
    HDC dc = GetDC(nullptr);
    int dpi_x = GetDeviceCaps(dc, LOGPIXELSX);
    int dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    EXPECT_DOUBLE_EQ(screen.twips_per_pixel_x, 1440.0 / dpi_x);
    EXPECT_DOUBLE_EQ(screen.twips_per_pixel_y, 1440.0 / dpi_y);
    EXPECT_DOUBLE_EQ(screen.width_twips, GetSystemMetrics(SM_CXSCREEN) * screen.twips_per_pixel_x);
    EXPECT_DOUBLE_EQ(screen.height_twips, GetSystemMetrics(SM_CYSCREEN) * screen.twips_per_pixel_y);
}

TEST_F(Win32WindowTest, CreateBuildsAHiddenWindowOfTheTableSize) {
    const ScreenMetrics screen = ws.Screen();
    ASSERT_TRUE(IsWindow(Window()));
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_EQ(ws.FormCaption(id), "見本フォーム");
    EXPECT_EQ(TextOf(Window()), "見本フォーム");
    RECT client;
    GetClientRect(Window(), &client);
    EXPECT_EQ(client.right, Px(6000, screen.twips_per_pixel_x));
    EXPECT_EQ(client.bottom, Px(4200, screen.twips_per_pixel_y));
    // A fixed dialog border: no sizing frame, no minimise or maximise box.
    LONG style = GetWindowLongW(Window(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
}

TEST_F(Win32WindowTest, ClientOriginPlacesTheClientArea) {
    const ScreenMetrics screen = ws.Screen();
    FormSpec placed = SyntheticForm();
    placed.client_origin = std::pair{2760, 3750};
    RecordingEvents other;
    WindowId w = ws.Create(placed, other);
    POINT origin{0, 0};
    ClientToScreen(ws.NativeWindow(w), &origin);
    EXPECT_EQ(origin.x, Px(2760, screen.twips_per_pixel_x));
    EXPECT_EQ(origin.y, Px(3750, screen.twips_per_pixel_y));
}

TEST_F(Win32WindowTest, EveryControlSitsWhereItsTwipsSayInsideItsParent) {
    const ScreenMetrics screen = ws.Screen();
    for (const ControlSpec& c : form.controls) {
        SCOPED_TRACE(c.name);
        if (c.kind == ControlKind::line) {
            EXPECT_EQ(Control(c.name), nullptr);  // drawn by the form, no window of its own
            continue;
        }
        HWND h = Control(c.name);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(GetParent(h), c.parent.empty() ? Window() : Control(c.parent));
        RECT r = InParent(h);
        EXPECT_EQ(r.left, Px(c.place.left, screen.twips_per_pixel_x));
        EXPECT_EQ(r.top, Px(c.place.top, screen.twips_per_pixel_y));
        if (c.auto_size) continue;
        EXPECT_EQ(r.right - r.left, Px(c.place.width, screen.twips_per_pixel_x));
        EXPECT_EQ(r.bottom - r.top, Px(c.place.height, screen.twips_per_pixel_y));
    }
}

struct KindCase {
    const char* control;
    const wchar_t* window_class;
    LONG type_mask;
    LONG type;
};

TEST_F(Win32WindowTest, EachKindIsItsNativeControl) {
    const KindCase cases[] = {
        {"Label2", L"Static", SS_TYPEMASK, SS_LEFT},
        {"picIcon", L"Static", SS_TYPEMASK, SS_ICON},
        {"Frame1", L"Button", BS_TYPEMASK, BS_GROUPBOX},
        {"Check1", L"Button", BS_TYPEMASK, BS_AUTOCHECKBOX},
        {"Text1", L"Edit", 0, 0},
        {"cmdOK", L"Button", BS_TYPEMASK, BS_DEFPUSHBUTTON},
        {"cmdCancel", L"Button", BS_TYPEMASK, BS_PUSHBUTTON},
        {"coClose", L"Button", BS_ICON, BS_ICON},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        HWND h = Control(c.control);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(_wcsicmp(ClassOf(h).c_str(), c.window_class), 0) << Narrow(ClassOf(h));
        EXPECT_EQ(GetWindowLongW(h, GWL_STYLE) & c.type_mask, c.type);
    }
}

TEST_F(Win32WindowTest, ALabelNeverCoversAButtonItOverlaps) {
    FormSpec overlap;
    overlap.caption = "overlap";
    overlap.client_width = 6000;
    overlap.client_height = 2000;
    ControlSpec note{.name = "Label2", .kind = ControlKind::label, .caption = "(インストールパスは自動検出です。)",
                     .place = {120, 600, 4695, 255}, .tab_index = 6};
    ControlSpec redetect{.name = "Command1", .kind = ControlKind::button, .caption = "再検出",
                         .place = {3360, 600, 1215, 255}, .tab_index = 7};
    overlap.controls = {note, redetect};
    RecordingEvents other;
    WindowId w = ws.Create(overlap, other);
    ws.ShowModeless(w);
    HWND button = ws.NativeControl(w, "Command1");
    RECT r = InParent(button);
    POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    EXPECT_EQ(ChildWindowFromPointEx(ws.NativeWindow(w), middle, CWP_SKIPINVISIBLE), button);
}

TEST_F(Win32WindowTest, CaptionsAreKeptAsGivenAndShownNatively) {
    // The label shows "&&" as "&" itself; the text stays as the table wrote it.
    EXPECT_EQ(ws.Caption(id, "Label1(0)"), "ドラッグ&&ドロップしたファイルと同じフォルダにHelpファイルを書き込みました。");
    EXPECT_EQ(ws.Caption(id, "cmdSysInfo"), "ｼｽﾃﾑ情報(&S)...");
    EXPECT_EQ(ws.Caption(id, "Text1"), "初期値");
    ws.SetCaption(id, "Label2", "変換終了");
    EXPECT_EQ(ws.Caption(id, "Label2"), "変換終了");
    EXPECT_EQ(TextOf(Control("Label2")), "変換終了");
    ws.SetFormCaption(id, "Tessaline  Ver 1. 1");
    EXPECT_EQ(ws.FormCaption(id), "Tessaline  Ver 1. 1");
    EXPECT_EQ(ws.Caption(id, "NoSuchControl"), "");
}

int FontPixels(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return std::abs(font.lfHeight);
}

TEST_F(Win32WindowTest, ACaptionTooLongForItsBoxShrinksAndAShortOneGetsItsSizeBack) {
    HDC dc = GetDC(nullptr);
    const int design = static_cast<int>(std::lround(9.75 * GetDeviceCaps(dc, LOGPIXELSY) / 72.0));
    ReleaseDC(nullptr, dc);
    HWND label = Control("Label2");
    EXPECT_EQ(FontPixels(label), design);
    ws.SetCaption(id, "Label2", "このツールは、簡単にHtmlファイルをHtmlHelp形式に変換するためのツールです。");
    EXPECT_LT(FontPixels(label), design);
    ws.SetCaption(id, "Label2", "変換終了");
    EXPECT_EQ(FontPixels(label), design);
}

TEST_F(Win32WindowTest, ACheckBoxCaptionTooWideForItsBoxShrinks) {
    HDC dc = GetDC(nullptr);
    const int design = static_cast<int>(std::lround(9 * GetDeviceCaps(dc, LOGPIXELSY) / 72.0));
    ReleaseDC(nullptr, dc);
    FormSpec narrow;
    narrow.caption = "narrow";
    narrow.client_width = 6000;
    narrow.client_height = 2000;
    narrow.controls = {ControlSpec{.name = "Frame1", .kind = ControlKind::frame, .place = {120, 270, 4275, 1140},
                                   .tab_index = 2},
                       ControlSpec{.name = "Check3", .kind = ControlKind::check_box,
                                   .caption = "変換処理終了時にメッセージを表示する", .place = {120, 240, 3495, 375},
                                   .tab_index = 9, .parent = "Frame1"}};
    RecordingEvents other;
    WindowId w = ws.Create(narrow, other);
    EXPECT_LT(FontPixels(ws.NativeControl(w, "Check3")), design);
}

// Set and read through the seam: the window contract. The native box shows it.
TEST_F(Win32WindowTest, ACheckSetFromCodeShowsOnTheNativeBox) {
    ws.SetChecked(id, "Check1", true);
    EXPECT_EQ(SendMessageW(Control("Check1"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Win32WindowTest, SetEnabledDisablesTheControl) {
    ws.SetEnabled(id, "cmdSysInfo", false);
    EXPECT_FALSE(IsWindowEnabled(Control("cmdSysInfo")));
    ws.SetEnabled(id, "cmdSysInfo", true);
    EXPECT_TRUE(IsWindowEnabled(Control("cmdSysInfo")));
}

TEST_F(Win32WindowTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
    ws.ShowModeless(id);
    Watchdog watchdog(10000);
    // Ends this turn of the loop only: Quit would close the window before the second key.
    events.on_click = [&](const std::string&) { PostQuitMessage(0); };
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        SetFocus(Control("Check2"));
        PostMessageW(Control("Check2"), WM_KEYDOWN, key, 0);
        ws.Run();
    }
    EXPECT_EQ(events.clicks, (std::vector<std::string>{"cmdOK", "cmdCancel"}));
}

// Records where the focus is once the queued keys are through, then ends the loop.
HWND focus_seen = nullptr;
win32::Win32WindowSystem* loop_owner = nullptr;
void CALLBACK SeeFocusAndQuit(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    focus_seen = GetFocus();
    loop_owner->Quit();
}

TEST_F(Win32WindowTest, FocusFollowsTheTabIndexAcrossFrames) {
    ws.ShowModeless(id);
    SetForegroundWindow(Window());
    EXPECT_EQ(GetFocus(), Control("coClose"));  // tab index 0 first
    // coClose(0) -> coHelp(1) -> coOption(3) -> Check1(4, inside Frame1) -> Text1(7): labels and
    // frames take no focus.
    HWND expected = Control("Text1");
    for (int i = 0; i < 4; ++i) PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    loop_owner = &ws;
    SetTimer(nullptr, 0, 300, &SeeFocusAndQuit);
    Watchdog watchdog(10000);
    ws.Run();
    EXPECT_EQ(focus_seen, expected);
}

TEST_F(Win32WindowTest, TooltipsAreRegisteredForTheirControls) {
    HWND tooltip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindTooltip, reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 4);
    wchar_t text[128] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = Window();
    tool.uId = reinterpret_cast<UINT_PTR>(Control("coHelp"));
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(Narrow(text), "バージョンとヘルプ");
}

TEST_F(Win32WindowTest, AFileDropOnTheFrameDeliversTheFullPaths) {
    IDropTarget* target = DropTargetOf(Control("Frame1"));
    ASSERT_NE(target, nullptr) << "the frame is not registered for OLE drops";
    const std::vector<std::string> paths{"C:\\work\\guide.html", "C:\\作業\\ページ 2.htm"};
    IDataObject* data = NewFileListObject(paths);
    POINTL at{10, 10};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    EXPECT_EQ(target->DragEnter(data, MK_LBUTTON, at, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target->Drop(data, 0, at, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    data->Release();
    ASSERT_EQ(events.drops.size(), 1u);
    EXPECT_EQ(events.drops[0].first, "Frame1");
    EXPECT_EQ(events.drops[0].second, paths);
}

TEST_F(Win32WindowTest, ADragAndDropWithThePointerOverTheFrameReachesTheForm) {
    ws.ShowModeless(id);
    SetForegroundWindow(Window());
    RECT frame;
    GetWindowRect(Control("Frame1"), &frame);
    // Over the frame itself, away from the controls inside it.
    POINT over{frame.left + 8, frame.bottom - 6};
    ASSERT_TRUE(SetCursorPos(over.x, over.y));
    const std::vector<std::string> paths{"C:\\work\\guide.html"};
    IDataObject* data = NewFileListObject(paths);
    OneDropSource source;
    DWORD effect = 0;
    Watchdog watchdog(15000);
    HRESULT result = DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    data->Release();
    EXPECT_EQ(result, DRAGDROP_S_DROP);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    ASSERT_EQ(events.drops.size(), 1u);
    EXPECT_EQ(events.drops[0].first, "Frame1");
    EXPECT_EQ(events.drops[0].second, paths);
}

TEST_F(Win32WindowTest, DataWithoutAFileListIsRefused) {
    IDropTarget* target = DropTargetOf(Control("Frame1"));
    ASSERT_NE(target, nullptr);
    IDataObject* data = NewFileListObject({}, false);
    POINTL at{10, 10};
    DWORD effect = DROPEFFECT_COPY;
    target->DragEnter(data, MK_LBUTTON, at, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = DROPEFFECT_COPY;
    target->Drop(data, 0, at, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    data->Release();
    EXPECT_TRUE(events.drops.empty());
}

TEST_F(Win32WindowTest, AFrameThatIsNoDropTargetTakesNoDrops) {
    FormSpec table = SyntheticForm();
    for (auto& control : table.controls) control.drop_target = false;
    RecordingEvents other_events;
    const WindowId other = ws.Create(table, other_events);
    ASSERT_NE(other, kNoWindow);
    EXPECT_EQ(DropTargetOf(ws.NativeControl(other, "Frame1")), nullptr);
    EXPECT_NE(DropTargetOf(Control("Frame1")), nullptr);
    ws.Unload(other);
}

TEST_F(Win32WindowTest, NoDropIsTakenWhileAModalWindowIsUp) {
    ws.ShowModeless(id);
    RecordingEvents dialog_events;
    FormSpec dialog = SyntheticForm();
    dialog.name = "Dialog";
    WindowId dialog_id = ws.Create(dialog, dialog_events);
    IDropTarget* target = DropTargetOf(Control("Frame1"));
    ASSERT_NE(target, nullptr);
    DWORD effect_inside = 0;
    dialog_events.on_resize = [&] {
        IDataObject* data = NewFileListObject({"C:\\page.htm"});
        POINTL at{10, 10};
        DWORD effect = DROPEFFECT_COPY;
        target->DragEnter(data, MK_LBUTTON, at, &effect);
        effect_inside = effect;
        effect = DROPEFFECT_COPY;
        target->Drop(data, 0, at, &effect);
        data->Release();
        ws.Unload(dialog_id);
    };
    Watchdog watchdog(10000);
    ws.ShowModal(dialog_id);
    EXPECT_EQ(effect_inside, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(events.drops.empty());
}

TEST_F(Win32WindowTest, ShowModalHoldsTheOtherWindowsUntilUnloaded) {
    ws.ShowModeless(id);
    RecordingEvents dialog_events;
    FormSpec dialog = SyntheticForm();
    WindowId dialog_id = ws.Create(dialog, dialog_events);
    bool owner_enabled_inside = true;
    bool dialog_visible_inside = false;
    dialog_events.on_resize = [&] {
        owner_enabled_inside = IsWindowEnabled(Window());
        dialog_visible_inside = IsWindowVisible(ws.NativeWindow(dialog_id));
        // Unloaded from inside the nested loop, as an OK handler does.
        PostMessageW(ws.NativeControl(dialog_id, "cmdOK"), BM_CLICK, 0, 0);
    };
    dialog_events.on_click = [&](const std::string&) { ws.Unload(dialog_id); };
    Watchdog watchdog(10000);
    ws.ShowModal(dialog_id);
    EXPECT_FALSE(owner_enabled_inside);
    EXPECT_TRUE(dialog_visible_inside);
    EXPECT_EQ(dialog_events.clicks, std::vector<std::string>{"cmdOK"});
    EXPECT_EQ(ws.NativeWindow(dialog_id), nullptr);
    EXPECT_TRUE(IsWindowEnabled(Window()));
}

// The close box (SC_CLOSE) asks the form: the window contract. A close message asks it too.
TEST_F(Win32WindowTest, ACloseMessageAsksTheFormAsTheCloseBoxDoes) {
    ws.ShowModeless(id);
    HWND h = Window();
    events.allow_close = false;
    SendMessageW(h, WM_CLOSE, 0, 0);
    EXPECT_EQ(events.close_asks, 1);
    EXPECT_EQ(events.closes, 0);
    EXPECT_TRUE(IsWindow(h));
    EXPECT_TRUE(IsWindowVisible(h));
}

TEST_F(Win32WindowTest, AModalWindowClosedByItsCloseBoxReturns) {
    events.on_resize = [&] { PostMessageW(Window(), WM_SYSCOMMAND, SC_CLOSE, 0); };
    Watchdog watchdog(10000);
    ws.ShowModal(id);
    EXPECT_EQ(events.closes, 1);
    EXPECT_EQ(ws.NativeWindow(id), nullptr);
}

TEST_F(Win32WindowTest, QuitEndsModalLoopsAndRun) {
    RecordingEvents dialog_events;
    WindowId dialog_id = ws.Create(SyntheticForm(), dialog_events);
    ws.ShowModeless(id);
    dialog_events.on_resize = [&] { ws.Quit(); };
    Watchdog watchdog(10000);
    ws.ShowModal(dialog_id);
    EXPECT_EQ(ws.NativeWindow(dialog_id), nullptr);
    EXPECT_EQ(ws.NativeWindow(id), nullptr);
    EXPECT_EQ(dialog_events.closes, 0);
    EXPECT_EQ(ws.Run(), 0);
}

TEST_F(Win32WindowTest, ResizeComesOnFirstShowAndOnRealSizeChangesOnly) {
    EXPECT_EQ(events.resizes, 0);
    ws.ShowModeless(id);
    EXPECT_EQ(events.resizes, 1);
    ws.SetRoundRegion(id, 300, 200, 20, 20);
    ws.Move(id, 1500, 1500);
    EXPECT_EQ(events.resizes, 1);
    RECT r;
    GetWindowRect(Window(), &r);
    SetWindowPos(Window(), nullptr, 0, 0, r.right - r.left + 10, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(events.resizes, 2);
}

TEST_F(Win32WindowTest, SetRoundRegionClipsTheWholeWindow) {
    ws.ShowModeless(id);
    ws.SetRoundRegion(id, 299, 231, 20, 20);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(Window(), region), COMPLEXREGION);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    // The region's box stops one pixel short of the far corner, as rounded regions do.
    EXPECT_GE(box.right, 298);
    EXPECT_LE(box.right, 299);
    EXPECT_GE(box.bottom, 230);
    EXPECT_LE(box.bottom, 231);
    // The corners are cut; the middle of each edge is not.
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 298, 230));
    EXPECT_TRUE(PtInRegion(region, 150, 0));
    EXPECT_TRUE(PtInRegion(region, 0, 115));
    DeleteObject(region);
}

TEST_F(Win32WindowTest, MoveAndOuterSizeSpeakTwips) {
    const ScreenMetrics screen = ws.Screen();
    ws.Move(id, 1500, 750);
    RECT r;
    GetWindowRect(Window(), &r);
    EXPECT_EQ(r.left, Px(1500, screen.twips_per_pixel_x));
    EXPECT_EQ(r.top, Px(750, screen.twips_per_pixel_y));
    const OuterSize outer = ws.WindowOuterSize(id);
    EXPECT_DOUBLE_EQ(outer.width_twips, (r.right - r.left) * screen.twips_per_pixel_x);
    EXPECT_DOUBLE_EQ(outer.height_twips, (r.bottom - r.top) * screen.twips_per_pixel_y);
    // The outer size holds the border and caption around the client area.
    EXPECT_GT(outer.width_twips, 6000);
    EXPECT_GT(outer.height_twips, 4200);
}

TEST_F(Win32WindowTest, PendingEventsLetPaintThroughButNotClicks) {
    ws.ShowModeless(id);
    PostMessageW(Control("cmdOK"), BM_CLICK, 0, 0);
    ws.SetCaption(id, "Label2", "変換中");
    ws.ProcessPendingEvents();
    EXPECT_TRUE(events.clicks.empty());
    EXPECT_FALSE(GetUpdateRect(Control("Label2"), nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(Window(), nullptr, FALSE));
    // The click waits for the event loop.
    Watchdog watchdog(10000);
    events.on_click = [&](const std::string&) { ws.Quit(); };
    ws.Run();
    EXPECT_EQ(events.clicks, std::vector<std::string>{"cmdOK"});
}

// A message box, read and answered from another thread as a user would.
TEST_F(Win32WindowTest, ShowMessageIsAModalBoxWithTextCaptionAndOk) {
    ws.ShowModeless(id);
    std::atomic<bool> seen{false};
    std::string text_seen;
    std::thread user([&] {
        for (int i = 0; i < 1000 && !seen; ++i) {
            HWND box = FindWindowW(L"#32770", L"Vellastro");
            if (box) {
                HWND text = GetDlgItem(box, 0xFFFF);
                if (!text) text = GetDlgItem(box, 100);
                text_seen = text ? TextOf(text) : std::string();
                seen = true;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                break;
            }
            Sleep(10);
        }
    });
    Watchdog watchdog(15000);
    ws.ShowMessage("一行目\r\n二行目", MessageIcon::question, "Vellastro", id);
    user.join();
    EXPECT_TRUE(seen);
    EXPECT_EQ(text_seen, "一行目\r\n二行目");
}

}  // namespace
}  // namespace tess::testing
