#include "gui/window/control_widgets.h"

#include "catalogue/control_names.h"
#include "catalogue/input_catalogue.h"
#include "gui/widgets/caption_label.h"
#include "gui/widgets/decimal_point_validator.h"
#include "gui/window/form_fonts.h"
#include "gui/window/form_scroll_bar.h"
#include "gui/window/scroll_mapping.h"
#include "render/input_help.h"
#include "render/main_chart.h"
#include "render/translated_phrase.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace karnoth::gui {
namespace {

QWidget* createLabel(const Control& control, QWidget* parent)
{
    const LayoutRow& row = *control.row;
    // Captions wrap at word boundaries inside their box, as the designed captions expect; one that
    // does not fit ends in "…" and shows whole in its tool tip.
    auto* label = new CaptionLabel(parent);
    // The run's sentences grow with large numbers: their tool tip always holds them whole.
    const std::string_view name = row.name;
    label->setAlwaysTipsCaption(name == control::Label3 || name == control::Label4 || name == control::Label6);
    label->setCaption(shownCaption(control));
    if (row.heading) label->setFont(headingFont());
    if (row.foreColor) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, render::toQColor(*row.foreColor));
        label->setPalette(palette);
    }
    return label;
}

QWidget* createTextBox(const Control& control, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setText(QString::fromStdString(control.text));
    if (const InputRow* input = findInput(control.row->name))
        if (input->conversion == Conversion::numberText || input->conversion == Conversion::optionalNumberText)
            edit->setValidator(new DecimalPointValidator(edit));
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

QWidget* createCheckBox(const Control& control, QWidget* parent)
{
    auto* box = new QCheckBox(shownCaption(control), parent);
    box->setChecked(control.value == 1);
    return box;
}

QWidget* createButton(const Control& control, QWidget* parent)
{
    auto* button = new QPushButton(shownCaption(control), parent);
    button->setAutoDefault(false);  // Enter is the window's, see FormWindow
    return button;
}

QWidget* createScrollBar(const Control& control, QWidget* parent)
{
    const LayoutRow& row = *control.row;
    const ScrollMapping mapping(*row.range);
    auto* bar = new FormScrollBar(row.kind == ControlKind::VScrollBar ? Qt::Vertical : Qt::Horizontal, parent);
    bar->setRange(mapping.widgetMinimum(), mapping.widgetMaximum());
    bar->setSingleStep(mapping.singleStep());
    bar->setPageStep(mapping.pageStep());
    bar->setValue(mapping.toWidget(control.value));
    // Scroll bars take part in the keyboard order like every other input.
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

}  // namespace

QWidget* createControlWidget(const Control& control, const TwipsScale& scale, QWidget* parent)
{
    QWidget* widget = nullptr;
    switch (control.row->kind) {
    case ControlKind::Label: widget = createLabel(control, parent); break;
    case ControlKind::TextBox: widget = createTextBox(control, parent); break;
    case ControlKind::CheckBox: widget = createCheckBox(control, parent); break;
    case ControlKind::CommandButton: widget = createButton(control, parent); break;
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: widget = createScrollBar(control, parent); break;
    case ControlKind::PictureBox:
    case ControlKind::Line: return nullptr;
    }
    widget->setObjectName(
        QString::fromUtf8(control.row->name.data(), static_cast<qsizetype>(control.row->name.size())));
    widget->setGeometry(scale.rect(*control.row));
    if (control.row->kind != ControlKind::Label) widget->setToolTip(render::inputToolTip(control.row->name));
    return widget;
}

QString shownCaption(const Control& control)
{
    if (control.phrase) return render::translatedPhrase(*control.phrase);
    return QCoreApplication::translate(kLayoutTextContext, control.text.c_str());
}

}  // namespace karnoth::gui
