// The window seam on Qt: what a table becomes, and what only Qt can show of how values and events
// cross (the rest is the window contract, tests/contract).
#include <gtest/gtest.h>

#include <map>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <cstdlib>

#ifdef TESS_HAVE_QPA
#include <qpa/qwindowsysteminterface.h>
#endif

#include "platform/qt/qt_window_system.h"
#include "tests/contract/recording_events.h"
#include "tests/contract/synthetic_form.h"

namespace tess::testing {
namespace {

using qt::QtWindowSystem;

class QtWindowTest : public ::testing::Test {
protected:
    RecordingEvents events;
    FormSpec form = SyntheticForm();
    QtWindowSystem ws;
    WindowId id = ws.Create(form, events);

    QWidget* Window() { return ws.WindowWidget(id); }
    QWidget* Control(const std::string& name) { return ws.ControlWidget(id, name); }
    void Show() {
        ws.ShowModeless(id);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
    }
    int Px(double twips, double tpp) { return static_cast<int>(std::lround(twips / tpp)); }
};

TEST_F(QtWindowTest, TwipsPerPixelComesFromTheScreenDpi) {
    const ScreenMetrics screen = ws.Screen();
    const QScreen* primary = QGuiApplication::primaryScreen();
    EXPECT_DOUBLE_EQ(screen.twips_per_pixel_x, 1440.0 / primary->logicalDotsPerInchX());
    EXPECT_DOUBLE_EQ(screen.twips_per_pixel_y, 1440.0 / primary->logicalDotsPerInchY());
    EXPECT_DOUBLE_EQ(screen.width_twips, primary->geometry().width() * screen.twips_per_pixel_x);
    EXPECT_DOUBLE_EQ(screen.height_twips, primary->geometry().height() * screen.twips_per_pixel_y);
    // The test runs once per screen set-up and is told which factor that one has.
    if (const char* expected = std::getenv("TESS_EXPECT_TWIPS_PER_PIXEL")) {
        EXPECT_DOUBLE_EQ(screen.twips_per_pixel_x, std::atof(expected));
    }
}

// Known figures, not the conversion again: at 120 dpi 510 twips is exactly 42.5 pixels, which
// rounds half up to 43 (truncation or rounding to even would give 42).
TEST_F(QtWindowTest, PixelsAreTheTwipsRoundedHalfUp) {
    const char* expected = std::getenv("TESS_EXPECT_TWIPS_PER_PIXEL");
    ASSERT_NE(expected, nullptr) << "each screen set-up names its factor";
    const std::map<std::string, QRect> icon = {{"15", QRect(296, 16, 34, 34)}, {"12", QRect(370, 20, 43, 43)}};
    ASSERT_TRUE(icon.count(expected)) << expected;
    EXPECT_EQ(Control("picIcon")->geometry(), icon.at(expected));
    EXPECT_EQ(Window()->size(), std::string(expected) == "12" ? QSize(500, 350) : QSize(400, 280));
}

TEST_F(QtWindowTest, ClientAreaHasTheTableSizeInPixels) {
    const ScreenMetrics screen = ws.Screen();
    EXPECT_EQ(Window()->size(), QSize(Px(6000, screen.twips_per_pixel_x), Px(4200, screen.twips_per_pixel_y)));
    // A fixed dialog border: the user cannot resize it.
    EXPECT_EQ(Window()->minimumSize(), Window()->maximumSize());
}

TEST_F(QtWindowTest, WindowKindFollowsTheTable) {
    // No taskbar button: a tool window; a fixed dialog border without minimise or maximise.
    EXPECT_EQ(Window()->windowType(), Qt::Tool);
    EXPECT_FALSE(Window()->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_TRUE(Window()->windowFlags() & Qt::WindowCloseButtonHint);

    form.in_taskbar = true;
    form.border = BorderStyle::sizable;
    form.min_max_buttons = true;
    RecordingEvents other;
    QWidget* plain = ws.WindowWidget(ws.Create(form, other));
    EXPECT_EQ(plain->windowType(), Qt::Window);
    EXPECT_TRUE(plain->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_NE(plain->minimumSize(), plain->maximumSize());
}

TEST_F(QtWindowTest, EveryControlSitsWhereItsTwipsSayRelativeToItsParent) {
    const ScreenMetrics screen = ws.Screen();
    for (const ControlSpec& c : form.controls) {
        SCOPED_TRACE(c.name);
        QWidget* widget = Control(c.name);
        ASSERT_NE(widget, nullptr);
        QWidget* expected_parent = c.parent.empty() ? Window() : Control(c.parent);
        EXPECT_EQ(widget->parentWidget(), expected_parent);
        if (c.kind == ControlKind::line) continue;  // a line's box holds its pen, checked below
        if (c.auto_size) {
            EXPECT_EQ(widget->pos(), QPoint(Px(c.place.left, screen.twips_per_pixel_x),
                                            Px(c.place.top, screen.twips_per_pixel_y)));
            continue;  // sized to its text, checked below
        }
        const QRect expected(Px(c.place.left, screen.twips_per_pixel_x), Px(c.place.top, screen.twips_per_pixel_y),
                             Px(c.place.width, screen.twips_per_pixel_x), Px(c.place.height, screen.twips_per_pixel_y));
        EXPECT_EQ(widget->geometry(), expected);
    }
}

TEST_F(QtWindowTest, LinesCoverTheirEndPointsWithRoomForThePen) {
    const ScreenMetrics screen = ws.Screen();
    const ControlSpec* wide = form.Find("Line1(0)");
    QWidget* line = Control("Line1(0)");
    EXPECT_EQ(line->x(), Px(wide->place.left, screen.twips_per_pixel_x));
    EXPECT_EQ(line->y(), Px(wide->place.top, screen.twips_per_pixel_y));
    EXPECT_EQ(line->height(), 1 + wide->line_width_px);
    EXPECT_FALSE(line->focusPolicy() & Qt::TabFocus);
}

// Reading and setting it: the window contract.
TEST_F(QtWindowTest, TheFormCaptionIsTheWindowTitle) {
    EXPECT_EQ(Window()->windowTitle(), QStringLiteral("見本フォーム"));
}

struct CaptionCase {
    const char* name;
    const char* control;
    const char* caption;  // as code sets it
    const char* shown;    // what the widget holds for Qt
};

class CaptionTest : public QtWindowTest, public ::testing::WithParamInterface<CaptionCase> {};

QString ShownBy(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget)) return box->title();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    return {};
}

TEST_P(CaptionTest, CaptionReadsBackAsSetAndShowsWithOneAmpersand) {
    const CaptionCase& c = GetParam();
    ws.SetCaption(id, c.control, c.caption);
    EXPECT_EQ(ws.Caption(id, c.control), c.caption);
    EXPECT_EQ(ShownBy(Control(c.control)), QString::fromUtf8(c.shown));
    EXPECT_TRUE(events.clicks.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Controls, CaptionTest,
    ::testing::Values(
        // A label has no access key of its own here: Qt gets the shown text.
        CaptionCase{"LabelText", "Label2", "変換中", "変換中"}, CaptionCase{"LabelDoubleAmpersand", "Label2", "ドラッグ&&ドロップ", "ドラッグ&ドロップ"},
        CaptionCase{"LabelEmpty", "Label2", "", ""},
        // A label with an access key keeps Qt's mnemonic form; its buddy shows it.
        CaptionCase{"LabelWithAccessKey", "lblName", "氏名(&M)", "氏名(&M)"},
        // Buttons, check boxes and frames read "&&" themselves.
        CaptionCase{"FrameDoubleAmpersand", "Frame1", "ドラッグ&&ドロップ", "ドラッグ&&ドロップ"},
        CaptionCase{"CheckBoxDoubleAmpersand", "Check1", "A&&B", "A&&B"}, CaptionCase{"ButtonAccessKey", "cmdOK", "&OK", "&OK"},
        CaptionCase{"TextBoxPath", "Text1", "C:\\Program Files\\HTML Help Workshop", "C:\\Program Files\\HTML Help Workshop"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtWindowTest, DesignCaptionsShowAsTheUserShouldSeeThem) {
    EXPECT_EQ(ws.Caption(id, "Label1(0)"),
              "ドラッグ&&ドロップしたファイルと同じフォルダにHelpファイルを書き込みました。");
    EXPECT_EQ(static_cast<QLabel*>(Control("Label1(0)"))->text(),
              QStringLiteral("ドラッグ&ドロップしたファイルと同じフォルダにHelpファイルを書き込みました。"));
    auto* name = static_cast<QLabel*>(Control("lblName"));
    EXPECT_EQ(name->buddy(), Control("Text1"));
    EXPECT_EQ(static_cast<QLineEdit*>(Control("Text1"))->text(), QStringLiteral("初期値"));
}

TEST_F(QtWindowTest, PictureButtonsShowAPictureAndATooltipButNoCaption) {
    for (const char* name : {"coClose", "coOption", "coHelp"}) {
        SCOPED_TRACE(name);
        auto* button = qobject_cast<QToolButton*>(Control(name));
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->text().isEmpty());
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(button->toolTip(), QString::fromStdString(form.Find(name)->tooltip));
    }
    auto* picture = qobject_cast<QLabel*>(Control("picIcon"));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
    EXPECT_FALSE(Window()->windowIcon().isNull());
}

TEST_F(QtWindowTest, FontsAndColoursFollowTheTable) {
    auto* status = Control("Label2");
    EXPECT_TRUE(status->font().bold());
    EXPECT_DOUBLE_EQ(status->font().pointSizeF(), 9.75);
    EXPECT_EQ(status->palette().color(QPalette::WindowText), QColor(0xC0, 0x40, 0x00));
    EXPECT_EQ(Control("Frame1")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(Window()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_DOUBLE_EQ(Control("Check1")->font().pointSizeF(), 9.0);
}

TEST_F(QtWindowTest, AFrameTitleFitsItsFrameWithoutTouchingItsControls) {
    auto* frame = static_cast<QGroupBox*>(Control("Frame1"));
    const QFontMetrics metrics(frame->font());
    EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("ここへHtmlファイルをドラッグ&ドロップしてください")),
              frame->width());
    EXPECT_GE(frame->font().pointSizeF(), 7.5);
    ws.SetCaption(id, "Frame1", "短い");
    EXPECT_DOUBLE_EQ(frame->font().pointSizeF(), 9.0);
    EXPECT_DOUBLE_EQ(Control("Check1")->font().pointSizeF(), 9.0);
}

TEST_F(QtWindowTest, LongOneLineCaptionsShrinkToTheirBox) {
    const std::string long_text = "次回以降は変換処理終了時に表示しない";
    ws.SetCaption(id, "Check2", long_text);
    ws.SetCaption(id, "cmdOK", "とても長いボタンの文字");
    auto* box = static_cast<QCheckBox*>(Control("Check2"));
    auto* button = static_cast<QPushButton*>(Control("cmdOK"));
    EXPECT_LT(box->font().pointSizeF(), 9.0);
    EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(box->text()), box->width());
    EXPECT_LT(button->font().pointSizeF(), 9.0);
    ws.SetCaption(id, "cmdOK", "OK");
    EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 9.0);
}

TEST_F(QtWindowTest, AnAutoSizedLabelGrowsWithItsTextUpToTheWindowsEdge) {
    QWidget* label = Control("lblAuto");
    EXPECT_LE(label->geometry().right(), Window()->width());
    EXPECT_GT(label->width(), 1200 / ws.Screen().twips_per_pixel_x);
    ws.SetCaption(id, "lblAuto", "短い");
    EXPECT_LT(label->width(), 1200 / ws.Screen().twips_per_pixel_x);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 9.0);
}

TEST_F(QtWindowTest, AWrappedLabelTooTallForItsBoxIsStillDrawnWhole) {
    Show();
    // Three lines' worth of text in a label one line high: drawn closer and smaller, never cut to nothing.
    ws.SetCaption(id, "Label2", "このツールは、簡単にHtmlファイルをHtmlHelp形式に変換するためのツールです。");
    const QImage picture = Control("Label2")->grab().toImage();
    int ink_rows = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y) != QColor(Qt::white)) {
                ++ink_rows;
                break;
            }
    EXPECT_GT(ink_rows, picture.height() / 2);
}

TEST_F(QtWindowTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
    Show();
    Control("Text1")->setFocus();
    QTest::keyClick(Control("Text1"), Qt::Key_Return);
    QTest::keyClick(Control("Text1"), Qt::Key_Escape);
    EXPECT_EQ(events.clicks, (std::vector<std::string>{"cmdOK", "cmdCancel"}));
}

TEST_F(QtWindowTest, EnterOnAFocusedButtonPressesThatButton) {
    Show();
    Control("cmdSysInfo")->setFocus();
    QTest::keyClick(Control("cmdSysInfo"), Qt::Key_Return);
    EXPECT_EQ(events.clicks, std::vector<std::string>{"cmdSysInfo"});
}

TEST_F(QtWindowTest, FocusFollowsTheTabIndex) {
    Show();
    // The lowest tab index holds the focus at first; Tab walks the table's order.
    EXPECT_EQ(QApplication::focusWidget(), Control("coClose"));
    std::vector<QWidget*> walked;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(walked, (std::vector<QWidget*>{Control("coHelp"), Control("coOption"), Control("Check1")}));
}

TEST_F(QtWindowTest, ShowingGivesTheFormAResize) {
    EXPECT_EQ(events.resizes, 0);
    Show();
    EXPECT_GE(events.resizes, 1);
}

TEST_F(QtWindowTest, OuterSizeAndMoveAreInTwipsOfTheOuterFrame) {
    Show();
    const ScreenMetrics screen = ws.Screen();
    const QRect frame = Window()->frameGeometry();
    const OuterSize outer = ws.WindowOuterSize(id);
    EXPECT_DOUBLE_EQ(outer.width_twips, frame.width() * screen.twips_per_pixel_x);
    EXPECT_DOUBLE_EQ(outer.height_twips, frame.height() * screen.twips_per_pixel_y);
    ws.Move(id, 1500, 3000);
    EXPECT_EQ(Window()->frameGeometry().topLeft(),
              QPoint(Px(1500, screen.twips_per_pixel_x), Px(3000, screen.twips_per_pixel_y)));
    EXPECT_EQ(Window()->frameGeometry().size(), frame.size());
}

TEST_F(QtWindowTest, ClientOriginPlacesTheClientArea) {
    form.client_origin = std::pair{2760, 3750};
    RecordingEvents other;
    const WindowId placed = ws.Create(form, other);
    const ScreenMetrics screen = ws.Screen();
    EXPECT_EQ(ws.WindowWidget(placed)->geometry().topLeft(),
              QPoint(Px(2760, screen.twips_per_pixel_x), Px(3750, screen.twips_per_pixel_y)));
}

TEST_F(QtWindowTest, RoundRegionCutsTheCorners) {
    Show();
    const ScreenMetrics screen = ws.Screen();
    const OuterSize outer = ws.WindowOuterSize(id);
    const int right = Px(outer.width_twips, screen.twips_per_pixel_x);
    const int bottom = Px(outer.height_twips, screen.twips_per_pixel_y);
    ws.SetRoundRegion(id, right, bottom, 20, 20);
    const QRegion mask = Window()->mask();
    const QSize client = Window()->size();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(client.width() - 1, client.height() - 1)));
    EXPECT_TRUE(mask.contains(QPoint(client.width() / 2, client.height() / 2)));
    EXPECT_TRUE(mask.contains(QPoint(client.width() / 2, client.height() - 1)));
}

TEST_F(QtWindowTest, MessageBoxShowsLinesCaptionIconAndOkOnly) {
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
    } seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(5);
    ws.ShowMessage("一行目\r\n二行目\r\n三行目", MessageIcon::exclamation, "Vellastro", id);
    EXPECT_EQ(seen.title, QStringLiteral("Vellastro"));
    EXPECT_EQ(seen.text, QStringLiteral("一行目\n二行目\n三行目"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, 1);

    ws.ShowMessage("?", MessageIcon::question, "Quillvane");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    ws.ShowMessage("-", MessageIcon::none, "Quillvane");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

TEST_F(QtWindowTest, ProcessPendingEventsLetsNoQueuedClickThrough) {
#ifndef TESS_HAVE_QPA
    GTEST_FAIL() << "built without qt6-base-private-dev (scripts/test installs it): input cannot be queued as "
                    "the window system does, so this cannot be checked";
#else
    Show();
    QWidget* button = Control("cmdOK");
    QWindow* handle = Window()->windowHandle();
    const QPointF local = button->mapTo(Window(), QPointF(button->rect().center()));
    const QPointF global = Window()->mapToGlobal(local);
    using Async = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleMouseEvent<Async>(handle, local, global, Qt::LeftButton, Qt::LeftButton,
                                                    QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Async>(handle, local, global, Qt::NoButton, Qt::LeftButton,
                                                    QEvent::MouseButtonRelease);
    ws.ProcessPendingEvents();
    EXPECT_TRUE(events.clicks.empty());
    // The click waited; the event loop proper takes it.
    QCoreApplication::processEvents();
    EXPECT_EQ(events.clicks, std::vector<std::string>{"cmdOK"});
#endif
}

// What an unloaded window answers: the window contract.
TEST_F(QtWindowTest, AnUnloadedWindowsWidgetIsDeleted) {
    QPointer<QWidget> window = Window();
    ws.Unload(id);
    EXPECT_EQ(ws.WindowWidget(id), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace tess::testing
