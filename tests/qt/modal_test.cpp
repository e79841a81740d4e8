// Showing, unloading and ending: modal waits return on every way a window can go.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_window_system.h"
#include "tests/contract/recording_events.h"
#include "tests/contract/synthetic_form.h"

namespace tess::testing {
namespace {

using qt::QtWindowSystem;

class ModalTest : public ::testing::Test {
protected:
    RecordingEvents events;
    QtWindowSystem ws;
    WindowId id = ws.Create(SyntheticForm(), events);
};

TEST_F(ModalTest, ShowModalReturnsWhenAHandlerUnloadsItsOwnWindow) {
    QPointer<QWidget> window = ws.WindowWidget(id);
    events.on_click = [&](const std::string& name) {
        if (name == "cmdOK") ws.Unload(id);
    };
    QTimer::singleShot(0, [&] { QTest::mouseClick(ws.ControlWidget(id, "cmdOK"), Qt::LeftButton); });
    ws.ShowModal(id);
    EXPECT_EQ(events.clicks, std::vector<std::string>{"cmdOK"});
    EXPECT_EQ(ws.WindowWidget(id), nullptr);
    EXPECT_EQ(events.closes, 0);  // unloaded by code, not by the close box
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(ModalTest, TheWindowIsApplicationModalWhileShown) {
    Qt::WindowModality seen = Qt::NonModal;
    QTimer::singleShot(0, [&] {
        seen = ws.WindowWidget(id)->windowModality();
        ws.Unload(id);
    });
    ws.ShowModal(id);
    EXPECT_EQ(seen, Qt::ApplicationModal);
}

TEST_F(ModalTest, ShowModalReturnsWhenTheUserClosesTheWindow) {
    QTimer::singleShot(0, [&] { ws.WindowWidget(id)->close(); });
    ws.ShowModal(id);
    EXPECT_EQ(events.closes, 1);
    EXPECT_EQ(ws.WindowWidget(id), nullptr);
}

TEST_F(ModalTest, AFormThatDeclinesACloseKeepsItsWindowAndUnloadsItLater) {
    ws.ShowModeless(id);
    events.allow_close = false;
    EXPECT_FALSE(ws.WindowWidget(id)->close());
    QCoreApplication::processEvents();
    EXPECT_EQ(events.close_asks, 1);
    EXPECT_EQ(events.closes, 0);
    ASSERT_NE(ws.WindowWidget(id), nullptr);
    EXPECT_TRUE(ws.WindowWidget(id)->isVisible());
    // The form carries the close out itself once it can; the run then ends.
    QTimer::singleShot(0, [&] { ws.Unload(id); });
    EXPECT_EQ(ws.Run(), 0);
    EXPECT_EQ(ws.WindowWidget(id), nullptr);
}

TEST_F(ModalTest, ARunUntilTheLastWindowIsGone) {
    ws.ShowModeless(id);
    QTimer::singleShot(0, [&] { ws.WindowWidget(id)->close(); });
    EXPECT_EQ(ws.Run(), 0);
    EXPECT_EQ(events.closes, 1);
}

TEST_F(ModalTest, RunWithNoWindowReturnsAtOnce) {
    ws.Unload(id);
    EXPECT_EQ(ws.Run(), 0);
}

TEST_F(ModalTest, UnloadingOneOfTwoWindowsKeepsTheRunGoing) {
    RecordingEvents main_events;
    const WindowId main = ws.Create(SyntheticForm(), main_events);
    ws.ShowModeless(id);
    ws.ShowModeless(main);
    bool second_seen_running = false;
    QTimer::singleShot(0, [&] {
        ws.Unload(id);
        QTimer::singleShot(0, [&] {
            second_seen_running = ws.WindowWidget(main) != nullptr;
            ws.Unload(main);
        });
    });
    ws.Run();
    EXPECT_TRUE(second_seen_running);
}

TEST_F(ModalTest, QuitEndsNestedModalsTheRunAndOpenMessages) {
    RecordingEvents dialog_events;
    const WindowId dialog = ws.Create(SyntheticForm(), dialog_events);
    ws.ShowModeless(id);
    bool modal_returned = false;
    bool message_returned = false;
    dialog_events.on_click = [&](const std::string&) {
        QTimer::singleShot(0, [&] { ws.Quit(); });
        ws.ShowMessage("本文", MessageIcon::exclamation, "Quillvane", dialog);
        message_returned = true;
    };
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] { QTest::mouseClick(ws.ControlWidget(dialog, "cmdOK"), Qt::LeftButton); });
        ws.ShowModal(dialog);
        modal_returned = true;
    });
    EXPECT_EQ(ws.Run(), 0);
    EXPECT_TRUE(message_returned);
    EXPECT_TRUE(modal_returned);
    EXPECT_EQ(ws.WindowWidget(id), nullptr);
    EXPECT_EQ(ws.WindowWidget(dialog), nullptr);
    EXPECT_EQ(events.closes + dialog_events.closes, 0);
    // After the end nothing more is shown.
    ws.ShowMessage("x", MessageIcon::none, "Quillvane");
    EXPECT_EQ(ws.Run(), 0);
}

TEST_F(ModalTest, AResizeHandlerMayUnloadDuringTheShowing) {
    events.on_resize = [&] { ws.Unload(id); };
    ws.ShowModal(id);  // must not wait forever
    EXPECT_EQ(ws.WindowWidget(id), nullptr);
}

}  // namespace
}  // namespace tess::testing
