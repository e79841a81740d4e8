// GoogleTest main with the QApplication every window test needs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QString>

namespace {

QtMessageHandler default_handler = nullptr;

// The offscreen platform reports every raise() it cannot do; that is noise here.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("This plugin does not support"))) return;
    if (default_handler) default_handler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    default_handler = qInstallMessageHandler(QuietHandler);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaline"));
    return RUN_ALL_TESTS();
}
