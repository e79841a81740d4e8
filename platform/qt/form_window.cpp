#include "platform/qt/form_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <vector>

namespace tess::qt {

FormWindow::FormWindow(Qt::WindowFlags flags, FormEvents& events) : QWidget(nullptr, flags), events_(&events) {}

void FormWindow::AddControl(const std::string& name, const FormControl& control) { controls_[name] = control; }

FormControl* FormWindow::Control(const std::string& name) {
    auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : &it->second;
}

void FormWindow::RaiseClick(const std::string& control) {
    if (events_) events_->Click(control);
}

namespace {

std::vector<std::string> ToStrings(const QStringList& texts) {
    std::vector<std::string> list;
    list.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts) list.push_back(text.toStdString());
    return list;
}

}  // namespace

void FormWindow::RaiseDrop(const std::string& control, const QStringList& paths, const QStringList& not_files) {
    if (!events_) return;
    if (!not_files.isEmpty())
        events_->DropRefused(control, ToStrings(not_files));
    else
        events_->Drop(control, ToStrings(paths));
}

namespace {

QMargins FrameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

}  // namespace

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    sized_margins_ = FrameOf(*this);
    if (events_) events_->Resize();
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A window manager adds its frame after the first showing: the outer size has changed then.
    if (!isVisible() || FrameOf(*this) == sized_margins_) return;
    sized_margins_ = FrameOf(*this);
    if (events_) events_->Resize();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (events_ && !events_->AllowClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (on_user_close) on_user_close();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        // A focused button takes Enter itself, as on the desktop this program comes from.
        QWidget* focused = focusWidget();
        const bool is_button = qobject_cast<QPushButton*>(focused) || qobject_cast<QToolButton*>(focused);
        if (is_button && focused->isEnabled()) {
            static_cast<QAbstractButton*>(focused)->click();
            return;
        }
        if (default_button_ && default_button_->isEnabled() && default_button_->isVisible()) {
            default_button_->click();
            return;
        }
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && cancel_button_ &&
        cancel_button_->isEnabled() && cancel_button_->isVisible()) {
        cancel_button_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tess::qt
