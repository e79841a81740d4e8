#include "platform/qt/form_controls.h"

#include <QCheckBox>
#include <QGroupBox>
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

void ApplyLook(QWidget* widget, const ControlSpec& table, const QFont& form_font, bool fills_back) {
    widget->setFont(ControlFont(form_font, table));
    QPalette palette = widget->palette();
    if (table.fore_color) {
        const QColor color = ToQColor(*table.fore_color);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) palette.setColor(role, color);
    }
    if (table.back_color) {
        const QColor color = ToQColor(*table.back_color);
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) palette.setColor(role, color);
        widget->setAutoFillBackground(fills_back);
    }
    widget->setPalette(palette);
    if (!table.tooltip.empty()) widget->setToolTip(QString::fromStdString(table.tooltip));
    if (!TakesFocus(table.kind)) widget->setFocusPolicy(Qt::NoFocus);
}

QWidget* MakeLabel(QWidget* parent, const ControlSpec& table) {
    auto* label = new TableLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(!table.auto_size);
    return label;
}

QWidget* MakePicture(QWidget* parent, const ControlSpec& table) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(PicturePixmap(QString::fromStdString(table.picture), kPicturePx, label->devicePixelRatioF()));
    return label;
}

QWidget* MakeControl(FormWindow& window, QWidget* parent, const ControlSpec& table, InputGate& gate,
                     const TwipsScale& scale) {
    const QString caption = QString::fromStdString(table.caption);
    const std::string name = table.name;
    switch (table.kind) {
        case ControlKind::label:
            return MakeLabel(parent, table);
        case ControlKind::frame: {
            if (!table.drop_target) return new QGroupBox(caption, parent);
            auto* frame = new DropFrame(parent, gate, [&window, name](const QStringList& paths,
                                                                      const QStringList& not_files) {
                window.RaiseDrop(name, paths, not_files);
            });
            frame->setTitle(caption);
            return frame;
        }
        case ControlKind::check_box: {
            auto* box = new QCheckBox(caption, parent);
            box->setChecked(table.checked);
            // `clicked` comes from the user only: values set from code stay silent.
            QObject::connect(box, &QCheckBox::clicked, &window, [&window, name] { window.RaiseClick(name); });
            return box;
        }
        case ControlKind::text_box:
            return new QLineEdit(caption, parent);
        case ControlKind::button: {
            auto* button = new QPushButton(caption, parent);
            button->setAutoDefault(false);
            button->setDefault(table.is_default);
            if (table.is_default) window.SetDefaultButton(button);
            if (table.is_cancel) window.SetCancelButton(button);
            QObject::connect(button, &QPushButton::clicked, &window, [&window, name] { window.RaiseClick(name); });
            return button;
        }
        case ControlKind::picture_button: {
            auto* button = new QToolButton(parent);
            button->setIcon(PictureIcon(QString::fromStdString(table.picture)));
            button->setIconSize(QSize(kPicturePx, kPicturePx));
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
            button->setFocusPolicy(Qt::StrongFocus);
            if (table.is_default) window.SetDefaultButton(button);
            if (table.is_cancel) window.SetCancelButton(button);
            QObject::connect(button, &QToolButton::clicked, &window, [&window, name] { window.RaiseClick(name); });
            return button;
        }
        case ControlKind::line: {
            const QLine line(ToPixels(table.place.left, scale.x), ToPixels(table.place.top, scale.y),
                             ToPixels(table.place.width, scale.x), ToPixels(table.place.height, scale.y));
            const QColor color = table.fore_color ? ToQColor(*table.fore_color) : QColor(Qt::black);
            return new LineWidget(parent, line, color, table.line_width_px);
        }
        case ControlKind::picture:
            return MakePicture(parent, table);
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
    for (const ControlSpec* table : BuildOrder(form)) {
        QWidget* parent = &window;
        if (!table->parent.empty())
            if (FormControl* frame = window.Control(table->parent); frame && frame->kind == ControlKind::frame)
                parent = frame->widget;
        QWidget* widget = MakeControl(window, parent, *table, gate, scale);
        if (!widget) continue;
        const bool fills_back = table->kind != ControlKind::line;
        ApplyLook(widget, *table, form_font, fills_back);
        if (table->kind != ControlKind::line) widget->setGeometry(ToPixels(table->place, scale));
        if (!table->visible) widget->hide();
        window.AddControl(table->name, FormControl{widget, table->kind, QString::fromStdString(table->caption),
                                                  ControlFont(form_font, *table)});
        FitCaption(*widget, table->kind, ControlFont(form_font, *table));
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
