#include "gui/form_binding.h"

#include "gui/scroll_mapping.h"

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

FormBinding::~FormBinding() { form_.setListener(nullptr); }

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
    widgets_.insert(nameOf(control), widget);
    switch (control.row->kind) {
    case ControlKind::TextBox:
        // textEdited comes from the user only; a set from Form1 does not raise it.
        connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
                [this, name](const QString& text) { raise([&] { form_.typeText(name, text.toStdString()); }); });
        break;
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: {
        const ScrollMapping mapping(*control.row->range);
        connect(static_cast<QScrollBar*>(widget), &QScrollBar::valueChanged, this, [this, name, mapping](int value) {
            raise([&] { form_.setScrollValue(name, mapping.toModel(value)); });
        });
        break;
    }
    case ControlKind::CheckBox:
        connect(static_cast<QCheckBox*>(widget), &QCheckBox::toggled, this,
                [this, name](bool checked) { raise([&] { form_.setCheckValue(name, checked ? 1 : 0); }); });
        break;
    case ControlKind::CommandButton:
        connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                [this, name] { raise([&] { form_.click(name); }); });
        break;
    case ControlKind::Label:
    case ControlKind::PictureBox:
    case ControlKind::Line:
        break;
    }
}

void FormBinding::controlChanged(const Control& control)
{
    const QString name = nameOf(control);
    const QString text = QString::fromStdString(control.text);
    if (QWidget* widget = widgets_.value(name)) {
        const QSignalBlocker blocker(widget);
        switch (control.row->kind) {
        case ControlKind::Label: static_cast<QLabel*>(widget)->setText(text); break;
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
    emit controlUpdated(name, text, control.value);
}

void FormBinding::chartChanged() { emit chartUpdated(); }

void FormBinding::faultReported(const std::string& message) { emit faultShown(QString::fromStdString(message)); }

void FormBinding::runCompleted() { emit runFinished(); }

}  // namespace karnoth::gui
