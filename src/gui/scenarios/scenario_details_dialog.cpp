#include "gui/scenarios/scenario_details_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace karnoth::gui {

ScenarioDetailsDialog::ScenarioDetailsDialog(const QString& title, const QString& name, const QString& notes,
                                             QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("scenarioDetails"));
    setWindowTitle(title);
    name_ = new QLineEdit(name, this);
    name_->setObjectName(QStringLiteral("scenarioName"));
    name_->setToolTip(tr("The name the comparison and the report show for this scenario."));
    notes_ = new QPlainTextEdit(notes, this);
    notes_->setObjectName(QStringLiteral("scenarioNotes"));
    notes_->setToolTip(tr("Anything a reader of the report should know: the source of the figures, what the option "
                          "stands for."));
    notes_->setTabChangesFocus(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("N&otes:"), notes_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(name_, &QLineEdit::textChanged, this, [this] { ok_->setEnabled(!this->name().isEmpty()); });
    ok_->setEnabled(!this->name().isEmpty());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    const QFontMetrics metrics(font());
    notes_->setMinimumSize(metrics.averageCharWidth() * 50, metrics.lineSpacing() * 6);
}

QString ScenarioDetailsDialog::name() const
{
    return name_->text().trimmed();
}

QString ScenarioDetailsDialog::notes() const
{
    return notes_->toPlainText();
}

}  // namespace karnoth::gui
