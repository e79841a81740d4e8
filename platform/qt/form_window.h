// One top-level window built from a form table: it keeps its controls by name and routes
// their events to the form's handlers until it is unloaded.
#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "platform/window_system.h"

class QEventLoop;

namespace tess::qt {

struct FormControl {
    QWidget* widget = nullptr;
    ControlKind kind = ControlKind::label;
    QString caption;  // as the table or the code last gave it, "&&" included
    QFont font;       // as the table asks for it
};

class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(Qt::WindowFlags flags, FormEvents& events);

    void AddControl(const std::string& name, const FormControl& control);
    FormControl* Control(const std::string& name);
    void SetDefaultButton(QAbstractButton* button) { default_button_ = button; }
    void SetCancelButton(QAbstractButton* button) { cancel_button_ = button; }

    // Routing to the form; silent once the window is detached.
    void RaiseClick(const std::string& control);
    // A drop with anything that is not a local file is refused as a whole.
    void RaiseDrop(const std::string& control, const QStringList& paths, const QStringList& not_files);

    // After this the form hears nothing more from this window.
    void Detach() { events_ = nullptr; }
    bool Attached() const { return events_ != nullptr; }
    FormEvents* Events() const { return events_; }

    // Set by the window system: the user asked to close the window with its close box.
    std::function<void()> on_user_close;
    // The nested loop of a ShowModal waiting on this window, if any.
    QEventLoop* modal_loop = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    FormEvents* events_;
    std::map<std::string, FormControl> controls_;
    QPointer<QAbstractButton> default_button_;
    QPointer<QAbstractButton> cancel_button_;
    QMargins sized_margins_;  // the window manager's frame when the form last heard of a size
};

}  // namespace tess::qt
