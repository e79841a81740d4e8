#include "platform/qt/form_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVariant>
#include <algorithm>
#include <vector>

#include "platform/qt/caption_fit.h"
#include "platform/qt/caption_text.h"
#include "platform/qt/colors.h"
#include "platform/qt/drop_frame.h"
#include "platform/qt/fonts.h"
#include "platform/qt/form_window.h"
#include "platform/qt/line_widget.h"
#include "platform/qt/program_pictures.h"
#include "platform/qt/table_label.h"

namespace tess::qt {
namespace {

constexpr int kPicturePx = 32;
constexpr const char* kNextControl = "tessNextControl";

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::check_box || kind == ControlKind::text_box || kind == ControlKind::button ||
           kind == ControlKind::picture_button;
}

void ApplyLook(QWidget* widget, const ControlSpec& spec, const QFont& form_font, bool fills_back) {
    widget->setFont(ControlFont(form_font, spec));
    QPalette palette = widget->palette();
    if (spec.fore_color) {
        const QColor color = ToQColor(*spec.fore_color);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) palette.setColor(role, color);
    }
    if (spec.back_color) {
        const QColor color = ToQColor(*spec.back_color);
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) palette.setColor(role, color);
        widget->setAutoFillBackground(fills_back);
    }
    widget->setPalette(palette);
    if (!spec.tooltip.empty()) widget->setToolTip(QString::fromStdString(spec.tooltip));
    if (!TakesFocus(spec.kind)) widget->setFocusPolicy(Qt::NoFocus);
}

QWidget* MakeLabel(QWidget* parent, const ControlSpec& spec) {
    auto* label = new TableLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(!spec.auto_size);
    return label;
}

QWidget* MakePicture(QWidget* parent, const ControlSpec& spec) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(PicturePixmap(QString::fromStdString(spec.picture), kPicturePx, label->devicePixelRatioF()));
    return label;
}

QWidget* MakeControl(FormWindow& window, QWidget* parent, const ControlSpec& spec, InputGate& gate,
                     const TwipsScale& scale) {
    const QString caption = QString::fromStdString(spec.caption);
    const std::string name = spec.name;
    switch (spec.kind) {
        case ControlKind::label:
            return MakeLabel(parent, spec);
        case ControlKind::frame: {
            auto* frame = new DropFrame(parent, gate, [&window, name](const QStringList& paths) {
                window.RaiseDrop(name, paths);
            });
            frame->setTitle(caption);
            return frame;
        }
        case ControlKind::check_box: {
            auto* box = new QCheckBox(caption, parent);
            box->setChecked(spec.checked);
            // `clicked` comes from the user only: values set from code stay silent.
            QObject::connect(box, &QCheckBox::clicked, &window, [&window, name] { window.RaiseClick(name); });
            return box;
        }
        case ControlKind::text_box:
            return new QLineEdit(caption, parent);
        case ControlKind::button: {
            auto* button = new QPushButton(caption, parent);
            button->setAutoDefault(false);
            button->setDefault(spec.is_default);
            if (spec.is_default) window.SetDefaultButton(button);
            if (spec.is_cancel) window.SetCancelButton(button);
            QObject::connect(button, &QPushButton::clicked, &window, [&window, name] { window.RaiseClick(name); });
            return button;
        }
        case ControlKind::picture_button: {
            auto* button = new QToolButton(parent);
            button->setIcon(PictureIcon(QString::fromStdString(spec.picture)));
            button->setIconSize(QSize(kPicturePx, kPicturePx));
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
            button->setFocusPolicy(Qt::StrongFocus);
            if (spec.is_default) window.SetDefaultButton(button);
            if (spec.is_cancel) window.SetCancelButton(button);
            QObject::connect(button, &QToolButton::clicked, &window, [&window, name] { window.RaiseClick(name); });
            return button;
        }
        case ControlKind::line: {
            const QLine line(ToPixels(spec.place.left, scale.x), ToPixels(spec.place.top, scale.y),
                             ToPixels(spec.place.width, scale.x), ToPixels(spec.place.height, scale.y));
            const QColor color = spec.fore_color ? ToQColor(*spec.fore_color) : QColor(Qt::black);
            return new LineWidget(parent, line, color, spec.line_width_px);
        }
        case ControlKind::picture:
            return MakePicture(parent, spec);
    }
    return nullptr;
}

// Frames first, so that every control finds its frame whatever the table's order.
std::vector<const ControlSpec*> BuildOrder(const FormSpec& form) {
    std::vector<const ControlSpec*> order;
    for (const auto& c : form.controls)
        if (c.kind == ControlKind::frame) order.push_back(&c);
    for (const auto& c : form.controls)
        if (c.kind != ControlKind::frame) order.push_back(&c);
    return order;
}

void SetFocusOrder(FormWindow& window, const FormSpec& form) {
    std::vector<const ControlSpec*> focusable;
    for (const auto& c : form.controls)
        if (TakesFocus(c.kind) && c.tab_index >= 0) focusable.push_back(&c);
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const ControlSpec* a, const ControlSpec* b) { return a->tab_index < b->tab_index; });
    QWidget* previous = nullptr;
    for (const ControlSpec* c : focusable) {
        QWidget* widget = window.Control(c->name)->widget;
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    for (const ControlSpec* c : focusable) {
        QWidget* widget = window.Control(c->name)->widget;
        if (c->visible) {
            widget->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

// The control that takes focus after a label's access key: the next in focus order.
QWidget* BuddyOf(FormWindow& window, const FormSpec& form, const ControlSpec& label) {
    const ControlSpec* best = nullptr;
    for (const auto& c : form.controls)
        if (TakesFocus(c.kind) && c.tab_index > label.tab_index && (!best || c.tab_index < best->tab_index))
            best = &c;
    return best ? window.Control(best->name)->widget : nullptr;
}

}  // namespace

void BuildControls(FormWindow& window, const FormSpec& form, InputGate& gate, const TwipsScale& scale) {
    const QFont form_font = window.font();
    for (const ControlSpec* spec : BuildOrder(form)) {
        QWidget* parent = &window;
        if (!spec->parent.empty())
            if (FormControl* frame = window.Control(spec->parent); frame && frame->kind == ControlKind::frame)
                parent = frame->widget;
        QWidget* widget = MakeControl(window, parent, *spec, gate, scale);
        if (!widget) continue;
        const bool fills_back = spec->kind != ControlKind::line;
        ApplyLook(widget, *spec, form_font, fills_back);
        if (spec->kind != ControlKind::line) widget->setGeometry(ToPixels(spec->place, scale));
        if (!spec->visible) widget->hide();
        window.AddControl(spec->name, FormControl{widget, spec->kind, QString::fromStdString(spec->caption),
                                                  ControlFont(form_font, *spec)});
        FitCaption(*widget, spec->kind, ControlFont(form_font, *spec));
    }
    for (const auto& c : form.controls) {
        if (c.kind == ControlKind::line) window.Control(c.name)->widget->lower();
        if (c.kind != ControlKind::label) continue;
        window.Control(c.name)->widget->setProperty(kNextControl,
                                                    QVariant::fromValue<QObject*>(BuddyOf(window, form, c)));
        ShowLabelCaption(window, c.name);
    }
    SetFocusOrder(window, form);
}

void ShowLabelCaption(FormWindow& window, const std::string& name) {
    FormControl* control = window.Control(name);
    auto* label = control ? qobject_cast<QLabel*>(control->widget) : nullptr;
    if (!label) return;
    // QLabel reads "&" marks only when it has a buddy; without one it must be given the shown text.
    auto* next = qobject_cast<QWidget*>(label->property(kNextControl).value<QObject*>());
    if (next && HasAccessKey(control->caption)) {
        label->setBuddy(next);
        label->setText(control->caption);
    } else {
        label->setBuddy(nullptr);
        label->setText(ShownText(control->caption));
    }
    if (!label->wordWrap()) {
        // Sized to its text, as far as the room to the right of it allows.
        const int room = label->parentWidget()->width() - label->x();
        label->setFont(FitWidth(control->font, ShownText(control->caption), room));
        label->adjustSize();
    }
}

}  // namespace tess::qt
