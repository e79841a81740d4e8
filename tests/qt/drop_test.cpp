// File drops on a frame: real Qt drag events in, full local paths out, never re-entrant.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <memory>

#include "platform/qt/qt_window_system.h"
#include "tests/contract/recording_events.h"
#include "tests/contract/synthetic_form.h"

namespace tess::testing {
namespace {

using qt::QtWindowSystem;

std::unique_ptr<QMimeData> FileDrag(const QList<QUrl>& urls) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

// Sends what the window system sends for a drag that ends over the widget; true when accepted.
bool DragEnter(QWidget* target, const QMimeData& data) {
    QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    return enter.isAccepted();
}

bool DropOn(QWidget* target, const QMimeData& data) {
    if (!DragEnter(target, data)) return false;
    QDropEvent drop(QPointF(target->rect().center()), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

class DropTest : public ::testing::Test {
protected:
    RecordingEvents events;
    QtWindowSystem ws;
    WindowId id = ws.Create(SyntheticForm(), events);
    QWidget* Frame() { return ws.ControlWidget(id, "Frame1"); }
    void SetUp() override { ws.ShowModeless(id); }
};

TEST_F(DropTest, LocalFilesArriveAsFullPathsInOrder) {
    const auto data = FileDrag({QUrl::fromLocalFile("/tmp/作業/ガイド.html"), QUrl::fromLocalFile("/tmp/a b/c.HTM"),
                                QUrl::fromLocalFile("/tmp/readme.txt")});
    ASSERT_TRUE(DropOn(Frame(), *data));
    QCoreApplication::processEvents();
    ASSERT_EQ(events.drops.size(), 1u);
    EXPECT_EQ(events.drops[0].first, "Frame1");
    EXPECT_EQ(events.drops[0].second,
              (std::vector<std::string>{"/tmp/作業/ガイド.html", "/tmp/a b/c.HTM", "/tmp/readme.txt"}));
}

TEST_F(DropTest, ADropIsHandedOverAfterQtsDragHandlingReturns) {
    const auto data = FileDrag({QUrl::fromLocalFile("/tmp/p.html")});
    ASSERT_TRUE(DropOn(Frame(), *data));
    EXPECT_TRUE(events.drops.empty());  // the drag source is let go first
    QCoreApplication::processEvents();
    EXPECT_EQ(events.drops.size(), 1u);
}

TEST_F(DropTest, ADropWithAnythingButLocalFilesIsRefusedWholeAndAnEmptyOneIsNothing) {
    struct Case {
        const char* name;
        QList<QUrl> urls;
        std::vector<std::string> refused;  // empty: no refusal either
    };
    const Case cases[] = {
        {"web link", {QUrl("https://example.org/page.html")}, {"https://example.org/page.html"}},
        {"file and link",
         {QUrl::fromLocalFile("/tmp/p.html"), QUrl("ftp://example.org/q.htm")},
         {"ftp://example.org/q.htm"}},
        {"file without a path", {QUrl("file:")}, {"file:"}},
        {"nothing", {}, {}},
    };
    for (const Case& c : cases) {
        events.drops.clear();
        events.refusals.clear();
        auto data = std::make_unique<QMimeData>();
        data->setData("text/uri-list", QUrl::toStringList(c.urls).join("\r\n").toUtf8());
        ASSERT_TRUE(DragEnter(Frame(), *data)) << c.name;
        EXPECT_FALSE(DropOn(Frame(), *data)) << c.name << ": the source must keep what was refused";
        QCoreApplication::processEvents();
        EXPECT_TRUE(events.drops.empty()) << c.name;
        if (c.refused.empty()) {
            EXPECT_TRUE(events.refusals.empty()) << c.name;
        } else {
            ASSERT_EQ(events.refusals.size(), 1u) << c.name;
            EXPECT_EQ(events.refusals[0].first, "Frame1");
            EXPECT_EQ(events.refusals[0].second, c.refused) << c.name;
        }
    }
    // The frame takes files again afterwards.
    const auto files = FileDrag({QUrl::fromLocalFile("/tmp/p.html")});
    EXPECT_TRUE(DropOn(Frame(), *files));
    QCoreApplication::processEvents();
    EXPECT_EQ(events.drops.size(), 1u);
}

TEST_F(DropTest, AFrameThatIsNoDropTargetTakesNothing) {
    FormSpec table = SyntheticForm();
    for (auto& control : table.controls) control.drop_target = false;
    RecordingEvents other_events;
    const WindowId other = ws.Create(table, other_events);
    ws.ShowModeless(other);
    const auto data = FileDrag({QUrl::fromLocalFile("/tmp/p.html")});
    EXPECT_FALSE(ws.ControlWidget(other, "Frame1")->acceptDrops());
    EXPECT_FALSE(DropOn(ws.ControlWidget(other, "Frame1"), *data));
    QCoreApplication::processEvents();
    EXPECT_TRUE(other_events.drops.empty());
    EXPECT_EQ(ws.Caption(other, "Frame1"), "ここへHtmlファイルをドラッグ&&ドロップしてください");
}

TEST_F(DropTest, PlainTextIsNotTaken) {
    QMimeData text;
    text.setText("/tmp/p.html");
    EXPECT_FALSE(DragEnter(Frame(), text));
}

TEST_F(DropTest, ASecondDropWaitsOutARunningOne) {
    const auto data = FileDrag({QUrl::fromLocalFile("/tmp/p.html")});
    bool second_taken = true;
    events.on_drop = [&] {
        if (events.drops.size() > 1) return;
        // The run lets paint through and meanwhile another drag comes over the frame.
        ws.ProcessPendingEvents();
        second_taken = DropOn(Frame(), *data);
        ws.ProcessPendingEvents();
    };
    ASSERT_TRUE(DropOn(Frame(), *data));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(second_taken);
    EXPECT_EQ(events.drops.size(), 1u);
    // Once the run is over the frame takes drops again.
    EXPECT_TRUE(DropOn(Frame(), *data));
    QCoreApplication::processEvents();
    EXPECT_EQ(events.drops.size(), 2u);
}

TEST_F(DropTest, NoDropWhileAnotherWindowIsModal) {
    RecordingEvents dialog_events;
    const WindowId dialog = ws.Create(SyntheticForm(), dialog_events);
    const auto data = FileDrag({QUrl::fromLocalFile("/tmp/p.html")});
    bool taken = true;
    QTimer::singleShot(0, [&] {
        taken = DropOn(Frame(), *data);
        ws.Unload(dialog);
    });
    ws.ShowModal(dialog);
    EXPECT_FALSE(taken);
    EXPECT_TRUE(events.drops.empty());
}

TEST_F(DropTest, TheHandlerMayUnloadTheWindow) {
    events.on_drop = [&] { ws.Unload(id); };
    const auto data = FileDrag({QUrl::fromLocalFile("/tmp/p.html")});
    ASSERT_TRUE(DropOn(Frame(), *data));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ws.WindowWidget(id), nullptr);
    // The gate is open again for the next window.
    RecordingEvents next_events;
    const WindowId next = ws.Create(SyntheticForm(), next_events);
    ws.ShowModeless(next);
    EXPECT_TRUE(DropOn(ws.ControlWidget(next, "Frame1"), *data));
}

TEST_F(DropTest, AWindowUnloadedBeforeDeliveryLeavesTheGateOpen) {
    const auto data = FileDrag({QUrl::fromLocalFile("/tmp/p.html")});
    ASSERT_TRUE(DropOn(Frame(), *data));
    ws.Unload(id);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(events.drops.empty());
    RecordingEvents next_events;
    const WindowId next = ws.Create(SyntheticForm(), next_events);
    ws.ShowModeless(next);
    EXPECT_TRUE(DropOn(ws.ControlWidget(next, "Frame1"), *data));
}

}  // namespace
}  // namespace tess::testing
