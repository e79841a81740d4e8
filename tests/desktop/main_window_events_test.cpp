// The real windows on Qt (offscreen) as a user meets them: what a drop that holds no files gets,
// which frames take drops at all, and a close asked for while a conversion runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <fstream>

#include "app/form1.h"
#include "app/frmstart.h"
#include "windows/dialog.h"
#include "tests/desktop/desktop_program_test.h"
#include "windows/dia_end.h"
#include "windows/frm_about.h"

namespace tess {
namespace {

namespace fs = std::filesystem;

bool DragEnter(QWidget* target, const QMimeData& data) {
    QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    return enter.isAccepted();
}

void Drop(QWidget* target, const QMimeData& data) {
    if (!DragEnter(target, data)) return;
    QDropEvent drop(QPointF(target->rect().center()), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&*target, &drop);
}

// Lets the event loop run until `done` or a minute has passed.
template <typename Done>
void WaitFor(Done done) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 60000) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

class MainWindowEventsTest : public testing::DesktopProgramTest {
protected:
    MainWindowEventsTest() : DesktopProgramTest("pages") {}

    std::string Page(const std::string& name) {
        const std::string page = root_ + "/pages/" + name;
        std::ofstream(page) << "<html><head><title>頁</title></head><body><p>本文</p></body></html>\n";
        return page;
    }
};

TEST_F(MainWindowEventsTest, ADropOfWebLinksIsRefusedWithAMessageAndNothingRuns) {
    Form1 main(app);
    main.ShowModeless();
    QWidget* frame = windows.ControlWidget(main.id(), "Frame1");
    const std::string page = Page("a.html");

    struct Seen {
        QString text;
        QString caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int boxes = 0;
    } seen;
    // Answers every message box as the user would, writing down what it said.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen.text = box->text();
            seen.caption = box->windowTitle();
            seen.icon = box->icon();
            ++seen.boxes;
            box->accept();
        }
    });
    answer.start(20);

    QMimeData links;
    links.setUrls({QUrl::fromLocalFile(QString::fromStdString(page)), QUrl("https://example.org/guide.html")});
    Drop(frame, links);
    WaitFor([&] { return seen.boxes > 0; });
    QApplication::processEvents();

    ASSERT_EQ(seen.boxes, 1);
    EXPECT_EQ(seen.caption, "Quillvane");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(seen.text.contains("https://example.org/guide.html")) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains("ファイルではない")) << seen.text.toStdString();
    // Refused before the run: the status never moved and nothing was converted.
    EXPECT_EQ(windows.Caption(main.id(), "Label2"), "");
    EXPECT_FALSE(fs::exists(root_ + "/pages/a.chm"));
    EXPECT_FALSE(fs::exists(root_ + "/prog/Dummy.hhp"));

    // A drag that names nothing at all is not even a drop.
    QMimeData nothing;
    nothing.setData("text/uri-list", QByteArray());
    Drop(frame, nothing);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(seen.boxes, 1);
    EXPECT_EQ(windows.Caption(main.id(), "Label2"), "");
}

TEST_F(MainWindowEventsTest, OnlyTheMainWindowsDropFrameTakesDrops) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Page("a.html")))});
    const FormSpec tables[] = {Form1Spec(), DialogSpec(), FrmAboutSpec(), DiaEndSpec(), FrmStartSpec()};
    int frames = 0;
    for (const FormSpec& table : tables) {
        FormEvents quiet;
        const WindowId id = windows.Create(table, quiet);
        windows.ShowModeless(id);
        for (const ControlSpec& control : table.controls) {
            if (control.kind != ControlKind::frame) continue;
            ++frames;
            const bool main_drop_frame = table.name == "Form1" && control.name == "Frame1";
            QWidget* widget = windows.ControlWidget(id, control.name);
            EXPECT_EQ(widget->acceptDrops(), main_drop_frame) << table.name << "." << control.name;
            EXPECT_EQ(DragEnter(widget, data), main_drop_frame) << table.name << "." << control.name;
        }
        windows.Unload(id);
    }
    EXPECT_EQ(frames, 3);  // the main window's one and the options dialog's two
}

TEST_F(MainWindowEventsTest, ACloseAskedForDuringARunIsCarriedOutWhenTheRunEnds) {
    const std::string page = Page("b.html");
    Form1 main(app);
    main.ShowModeless();
    const WindowId id = main.id();
    QPointer<QWidget> window = windows.WindowWidget(id);

    // The run lets pending events through once at its start: the close request comes in then.
    bool open_after_close = false;
    std::string status_at_close;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(page))});
    Drop(windows.ControlWidget(id, "Frame1"), data);
    QTimer::singleShot(0, [&] {
        window->close();
        open_after_close = windows.WindowWidget(id) != nullptr && window->isVisible();
        status_at_close = windows.Caption(id, "Label2");
    });
    WaitFor([&] { return windows.WindowWidget(id) == nullptr; });

    EXPECT_EQ(status_at_close, "変換中");
    EXPECT_TRUE(open_after_close) << "the main window went while the run was still going";
    EXPECT_EQ(windows.WindowWidget(id), nullptr) << "the close was not carried out after the run";
    EXPECT_TRUE(fs::exists(root_ + "/pages/b.chm"));
    EXPECT_FALSE(main.loaded());
}

}  // namespace
}  // namespace tess
