// A page dropped from a file manager onto the real main window becomes a .chm beside it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <fstream>

#include "app/form1.h"
#include "tests/desktop/desktop_program_test.h"

namespace tess {
namespace {

namespace fs = std::filesystem;

class MainWindowDropTest : public testing::DesktopProgramTest {
protected:
    MainWindowDropTest() : DesktopProgramTest("ページ フォルダ") {}
};

TEST_F(MainWindowDropTest, ADroppedPageIsConvertedBesideItAndTheStatusSaysSo) {
    const std::string page = root_ + "/ページ フォルダ/案内.html";
    std::ofstream(page) << "<html><head><title>案内</title></head><body><p>本文です。</p></body></html>\n";

    Form1 main(app);
    main.ShowModeless();
    QWidget* frame = windows.ControlWidget(main.id(), "Frame1");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(windows.Caption(main.id(), "Label2"), "");

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(page))});
    QDragEnterEvent enter(frame->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(frame->rect().center()), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &drop);
    ASSERT_TRUE(drop.isAccepted());

    QElapsedTimer waited;
    waited.start();
    while (windows.Caption(main.id(), "Label2") != "変換終了" && waited.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);

    EXPECT_EQ(windows.Caption(main.id(), "Label2"), "変換終了");
    const std::string chm = root_ + "/ページ フォルダ/案内.chm";
    ASSERT_TRUE(fs::exists(chm));
    std::ifstream in(chm, std::ios::binary);
    char magic[4] = {};
    in.read(magic, 4);
    EXPECT_EQ(std::string(magic, 4), "ITSF");  // made by the compiler, not a copy of something else
    EXPECT_TRUE(fs::exists(root_ + "/prog/log1.log"));
}

}  // namespace
}  // namespace tess

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
