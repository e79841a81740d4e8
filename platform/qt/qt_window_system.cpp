#include "platform/qt/qt_window_system.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "platform/qt/colors.h"
#include "platform/qt/form_controls.h"
#include "platform/qt/fonts.h"
#include "platform/qt/form_window.h"
#include "platform/qt/message_box.h"
#include "platform/qt/program_pictures.h"
#include "platform/qt/round_region.h"
#include "platform/qt/caption_fit.h"
#include "platform/qt/twips_scale.h"

namespace tess::qt {
namespace {

Qt::WindowFlags FlagsOf(const FormSpec& form) {
    // A tool window keeps out of the taskbar on the common X11 and Wayland desktops.
    Qt::WindowFlags flags = form.in_taskbar ? Qt::Window : Qt::Tool;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (form.min_max_buttons) flags |= Qt::WindowMinMaxButtonsHint;
    return flags;
}

}  // namespace

QtWindowSystem::QtWindowSystem() = default;

QtWindowSystem::~QtWindowSystem() {
    for (auto& [id, window] : windows_) {
        if (!window) continue;
        window->Detach();
        delete window.data();
    }
    windows_.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

FormWindow* QtWindowSystem::Find(WindowId window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.data();
}

WindowId QtWindowSystem::Create(const FormSpec& form, FormEvents& events) {
    auto* window = new FormWindow(FlagsOf(form), events);
    window->setObjectName(QString::fromStdString(form.name));
    window->setWindowTitle(QString::fromStdString(form.caption));
    window->setFont(FormFont());
    if (form.has_icon) window->setWindowIcon(ProgramIcon());
    if (form.back_color) {
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, ToQColor(*form.back_color));
        window->setPalette(palette);
        window->setAutoFillBackground(true);
    }
    const TwipsScale scale = ScaleOf(nullptr);
    // Sized before its controls are built: captions fit themselves to the room they have.
    const QSize client(ToPixels(form.client_width, scale.x), ToPixels(form.client_height, scale.y));
    if (form.border == BorderStyle::fixed_dialog)
        window->setFixedSize(client);
    else
        window->resize(client);
    BuildControls(*window, form, gate_, scale);
    if (form.client_origin)
        window->setGeometry(QRect(QPoint(ToPixels(form.client_origin->first, scale.x),
                                         ToPixels(form.client_origin->second, scale.y)),
                                  client));

    const WindowId id = next_id_++;
    windows_[id] = window;
    window->on_user_close = [this, id] { UserClosed(id); };
    return id;
}

void QtWindowSystem::ShowModal(WindowId id) {
    FormWindow* window = Find(id);
    if (!window || quitting_) return;
    if (window->windowModality() != Qt::ApplicationModal) {
        // Modality only takes effect on a window that is (re)shown.
        window->hide();
        window->setWindowModality(Qt::ApplicationModal);
    }
    QEventLoop loop;
    window->modal_loop = &loop;
    window->show();
    window->raise();
    window->activateWindow();
    // A handler run by the showing (Resize) may already have unloaded it.
    if (Find(id) == window && window->modal_loop == &loop) loop.exec();
    if (FormWindow* still = Find(id); still && still->modal_loop == &loop) still->modal_loop = nullptr;
}

void QtWindowSystem::ShowModeless(WindowId id) {
    FormWindow* window = Find(id);
    if (!window || quitting_) return;
    window->show();
    window->raise();
    window->activateWindow();
}

void QtWindowSystem::Forget(WindowId id) {
    auto it = windows_.find(id);
    if (it == windows_.end()) return;
    QPointer<FormWindow> window = it->second;
    windows_.erase(it);
    if (!window) return;
    window->Detach();
    if (window->modal_loop) {
        window->modal_loop->quit();
        window->modal_loop = nullptr;
    }
    window->hide();
    // Handlers unload their own window from inside its events: delete once Qt is done with them.
    window->deleteLater();
}

void QtWindowSystem::EndRunWhenEmpty() {
    if (windows_.empty() && run_loop_) run_loop_->quit();
}

void QtWindowSystem::Unload(WindowId id) {
    Forget(id);
    EndRunWhenEmpty();
}

void QtWindowSystem::UserClosed(WindowId id) {
    FormWindow* window = Find(id);
    if (!window) return;
    FormEvents* events = window->Events();
    Forget(id);
    if (events) events->Closed();
    EndRunWhenEmpty();
}

std::string QtWindowSystem::FormCaption(WindowId id) {
    FormWindow* window = Find(id);
    return window ? window->windowTitle().toStdString() : std::string();
}

void QtWindowSystem::SetFormCaption(WindowId id, const std::string& caption) {
    if (FormWindow* window = Find(id)) window->setWindowTitle(QString::fromStdString(caption));
}

std::string QtWindowSystem::Caption(WindowId id, const std::string& name) {
    FormWindow* window = Find(id);
    FormControl* control = window ? window->Control(name) : nullptr;
    if (!control) return {};
    if (auto* edit = qobject_cast<QLineEdit*>(control->widget)) return edit->text().toStdString();
    return control->caption.toStdString();
}

void QtWindowSystem::SetCaption(WindowId id, const std::string& name, const std::string& text) {
    FormWindow* window = Find(id);
    FormControl* control = window ? window->Control(name) : nullptr;
    if (!control) return;
    control->caption = QString::fromStdString(text);
    QSignalBlocker quiet(control->widget);
    switch (control->kind) {
        case ControlKind::label: ShowLabelCaption(*window, name); break;
        case ControlKind::frame: static_cast<QGroupBox*>(control->widget)->setTitle(control->caption); break;
        case ControlKind::check_box: static_cast<QCheckBox*>(control->widget)->setText(control->caption); break;
        case ControlKind::button: static_cast<QPushButton*>(control->widget)->setText(control->caption); break;
        case ControlKind::text_box: static_cast<QLineEdit*>(control->widget)->setText(control->caption); break;
        case ControlKind::picture_button:
        case ControlKind::line:
        case ControlKind::picture: break;  // nothing shows a caption
    }
    FitCaption(*control->widget, control->kind, control->font);
}

bool QtWindowSystem::Checked(WindowId id, const std::string& name) {
    FormWindow* window = Find(id);
    FormControl* control = window ? window->Control(name) : nullptr;
    auto* box = control ? qobject_cast<QCheckBox*>(control->widget) : nullptr;
    return box && box->isChecked();
}

void QtWindowSystem::SetChecked(WindowId id, const std::string& name, bool checked) {
    FormWindow* window = Find(id);
    FormControl* control = window ? window->Control(name) : nullptr;
    auto* box = control ? qobject_cast<QCheckBox*>(control->widget) : nullptr;
    if (!box) return;
    QSignalBlocker quiet(box);
    box->setChecked(checked);
}

void QtWindowSystem::SetEnabled(WindowId id, const std::string& name, bool enabled) {
    FormWindow* window = Find(id);
    FormControl* control = window ? window->Control(name) : nullptr;
    if (control) control->widget->setEnabled(enabled);
}

ScreenMetrics QtWindowSystem::Screen() {
    ScreenMetrics metrics;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const TwipsScale scale = ScaleOf(screen);
    metrics.twips_per_pixel_x = scale.x;
    metrics.twips_per_pixel_y = scale.y;
    if (screen) {
        metrics.width_twips = screen->geometry().width() * scale.x;
        metrics.height_twips = screen->geometry().height() * scale.y;
    }
    return metrics;
}

QMargins QtWindowSystem::FrameMargins(FormWindow& window) {
    if (window.isVisible()) {
        const QRect frame = window.frameGeometry();
        const QRect client = window.geometry();
        const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                               frame.right() - client.right(), frame.bottom() - client.bottom());
        if (!margins.isNull()) known_margins_ = margins;
        return margins;
    }
    // Not shown yet: the frame is the window manager's; guess it from a window already shown.
    return known_margins_;
}

OuterSize QtWindowSystem::WindowOuterSize(WindowId id) {
    FormWindow* window = Find(id);
    if (!window) return {};
    const QSize outer = window->size().grownBy(FrameMargins(*window));
    const TwipsScale scale = ScaleOf(window->screen());
    return OuterSize{outer.width() * scale.x, outer.height() * scale.y};
}

void QtWindowSystem::Move(WindowId id, int left_twips, int top_twips) {
    FormWindow* window = Find(id);
    if (!window) return;
    const TwipsScale scale = ScaleOf(window->screen());
    // For a top-level window Qt's position is that of its outer frame.
    window->move(ToPixels(left_twips, scale.x), ToPixels(top_twips, scale.y));
}

void QtWindowSystem::SetRoundRegion(WindowId id, int right_px, int bottom_px, int ellipse_w, int ellipse_h) {
    FormWindow* window = Find(id);
    if (!window) return;
    // Qt can clip only its own surface, not the window manager's frame: shape the client area as the
    // outer rectangle would be shaped (all four corners where there is no frame).
    const QMargins margins = FrameMargins(*window);
    window->setMask(RoundRegion(right_px, bottom_px, ellipse_w, ellipse_h, QPoint(margins.left(), margins.top()),
                                window->size()));
}

void QtWindowSystem::ProcessPendingEvents() {
    ++gate_.pending_depth;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    --gate_.pending_depth;
    // The glib dispatcher forgets input it was told to skip until something wakes it again:
    // wake it, so clicks made meanwhile are taken by the next ordinary loop pass.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void QtWindowSystem::ShowMessage(const std::string& text, MessageIcon icon, const std::string& caption,
                                 WindowId owner) {
    if (quitting_) return;
    QPointer<QMessageBox> box = MakeMessageBox(text, icon, caption, Find(owner));
    messages_.push_back(box);
    box->exec();
    std::erase_if(messages_, [&](const QPointer<QMessageBox>& m) { return !m || m == box; });
    delete box.data();
}

int QtWindowSystem::Run() {
    if (quitting_ || windows_.empty()) return 0;
    QEventLoop loop;
    run_loop_ = &loop;
    loop.exec();
    run_loop_ = nullptr;
    return 0;
}

void QtWindowSystem::Quit() {
    quitting_ = true;
    for (auto& box : messages_)
        if (box) box->done(QMessageBox::Ok);
    std::vector<WindowId> ids;
    for (const auto& entry : windows_) ids.push_back(entry.first);
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) Forget(*it);
    if (run_loop_) run_loop_->quit();
}

QWidget* QtWindowSystem::WindowWidget(WindowId id) const { return Find(id); }

QWidget* QtWindowSystem::ControlWidget(WindowId id, const std::string& name) const {
    FormWindow* window = Find(id);
    FormControl* control = window ? window->Control(name) : nullptr;
    return control ? control->widget : nullptr;
}

bool QtWindowSystem::SavePicture(WindowId id, const std::string& png_path) const {
    FormWindow* window = Find(id);
    if (!window) return false;
    QPixmap picture;
    if (QScreen* screen = window->screen(); screen && window->isVisible())
        picture = screen->grabWindow(0, window->frameGeometry().x(), window->frameGeometry().y(),
                                     window->frameGeometry().width(), window->frameGeometry().height());
    if (picture.isNull()) picture = window->grab();  // platforms that cannot read the screen back
    return picture.save(QString::fromStdString(png_path), "PNG");
}

}  // namespace tess::qt
