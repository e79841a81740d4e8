#include "platform/qt/message_box.h"

#include <QMessageBox>

#include "platform/qt/fonts.h"
#include "platform/qt/program_pictures.h"

namespace tess::qt {
namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::question: return QMessageBox::Question;
        case MessageIcon::exclamation: return QMessageBox::Warning;
        case MessageIcon::none: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QMessageBox* MakeMessageBox(const std::string& text, MessageIcon icon, const std::string& caption, QWidget* owner) {
    // Lines come joined by CR LF.
    QString body = QString::fromStdString(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto* box = new QMessageBox(ToQt(icon), QString::fromStdString(caption), body, QMessageBox::Ok, owner);
    box->setTextFormat(Qt::PlainText);
    box->setFont(FormFont());
    box->setWindowIcon(ProgramIcon());
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

}  // namespace tess::qt
