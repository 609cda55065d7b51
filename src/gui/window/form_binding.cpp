#include "gui/window/form_binding.h"

#include "gui/widgets/caption_label.h"
#include "gui/window/bar_value_box.h"
#include "gui/window/control_widgets.h"
#include "gui/window/scroll_mapping.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <exception>

namespace karnoth::gui {
namespace {

QString nameOf(const Control& control)
{
    return QString::fromUtf8(control.row->name.data(), static_cast<qsizetype>(control.row->name.size()));
}

}  // namespace

FormBinding::FormBinding(Form1& form, QObject* parent) : QObject(parent), form_(form)
{
    form_.setListener(this);
}

FormBinding::~FormBinding()
{
    form_.setListener(nullptr);
}

void FormBinding::raise(const std::function<void()>& event)
{
    try {
        event();
    } catch (const std::exception& error) {
        emit faultShown(QString::fromStdString(error.what()));
    }
}

void FormBinding::bind(const Control& control, QWidget* widget)
{
    const std::string name(control.row->name);
    const QString qtName = nameOf(control);
    widgets_.insert(qtName, widget);
    switch (control.row->kind) {
    case ControlKind::TextBox: {
        auto* edit = static_cast<QLineEdit*>(widget);
        // textEdited comes from the user only; a set from Form1 does not raise it.
        connect(edit, &QLineEdit::textEdited, this,
                [this, name](const QString& text) { raise([&] { form_.typeText(name, text.toStdString()); }); });
        connect(edit, &QLineEdit::editingFinished, this, [this, qtName] { emit committed(qtName); });
        break;
    }
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: {
        auto* bar = static_cast<QScrollBar*>(widget);
        const ScrollMapping mapping(*control.row->range);
        connect(bar, &QScrollBar::valueChanged, this, [this, name, qtName, mapping, bar](int value) {
            raise([&] { form_.setScrollValue(name, mapping.toModel(value)); });
            if (!bar->isSliderDown()) emit committed(qtName);  // a drag is one change, ending on release
        });
        connect(bar, &QScrollBar::sliderReleased, this, [this, qtName] { emit committed(qtName); });
        break;
    }
    case ControlKind::CheckBox:
        connect(static_cast<QCheckBox*>(widget), &QCheckBox::toggled, this, [this, name, qtName](bool checked) {
            raise([&] { form_.setCheckValue(name, checked ? 1 : 0); });
            emit committed(qtName);
        });
        break;
    case ControlKind::CommandButton:
        connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                [this, name] { raise([&] { form_.click(name); }); });
        break;
    case ControlKind::Label:
    case ControlKind::PictureBox:
    case ControlKind::Line: break;
    }
}

void FormBinding::bindValueBox(const Control& bar, BarValueBox* box)
{
    const std::string name(bar.row->name);
    const QString qtName = nameOf(bar);
    valueBoxes_.insert(qtName, box);
    connect(box, &BarValueBox::committed, this, [this, name, qtName](int value) {
        raise([&] { form_.setScrollValue(name, value); });
        emit committed(qtName);
    });
}

void FormBinding::apply(const ControlValue& value)
{
    raise([&] {
        const Control& control = form_.control(value.name);
        if (const auto* text = std::get_if<std::string>(&value.setting))
            form_.typeText(value.name, *text);
        else if (control.row->kind == ControlKind::CheckBox)
            form_.setCheckValue(value.name, std::get<int>(value.setting));
        else
            form_.setScrollValue(value.name, std::get<int>(value.setting));
    });
}

std::optional<std::string> FormBinding::openScenario(const Scenario& scenario, const std::filesystem::path& file)
{
    std::optional<std::string> notice;
    raise([&] { notice = form_.openScenario(scenario, file); });
    return notice;
}

void FormBinding::controlChanged(const Control& control)
{
    const QString name = nameOf(control);
    const QString text = QString::fromStdString(control.text);
    if (QWidget* widget = widgets_.value(name)) {
        const QSignalBlocker blocker(widget);
        widget->setEnabled(control.enabled);
        switch (control.row->kind) {
        case ControlKind::Label:
            if (auto* caption = qobject_cast<CaptionLabel*>(widget)) {
                caption->setCaption(shownCaption(control));
                caption->setStale(control.stale);
            } else {
                static_cast<QLabel*>(widget)->setText(text);
            }
            break;
        case ControlKind::TextBox: {
            auto* edit = static_cast<QLineEdit*>(widget);
            // The user's own edit comes back unchanged: leave the cursor and undo history alone.
            if (edit->text() != text) edit->setText(text);
            break;
        }
        case ControlKind::CheckBox: static_cast<QCheckBox*>(widget)->setChecked(control.value == 1); break;
        case ControlKind::CommandButton: static_cast<QPushButton*>(widget)->setText(text); break;
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar:
            static_cast<QScrollBar*>(widget)->setValue(ScrollMapping(*control.row->range).toWidget(control.value));
            break;
        case ControlKind::PictureBox:
        case ControlKind::Line: break;
        }
    }
    if (BarValueBox* box = valueBoxes_.value(name)) {
        box->showBarValue(control.value);
        box->setEnabled(control.enabled);  // the box types the bar's value: greyed with it
    }
    emit controlUpdated(name, text, control.value);
}

void FormBinding::chartChanged()
{
    emit chartUpdated();
}

void FormBinding::faultReported(const std::string& message)
{
    emit faultShown(QString::fromStdString(message));
}

void FormBinding::runCompleted()
{
    emit runFinished();
}

void FormBinding::runEnded()
{
    emit runOver();
}

}  // namespace karnoth::gui
