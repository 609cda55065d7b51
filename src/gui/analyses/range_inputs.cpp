#include "gui/analyses/range_inputs.h"

#include "analysis/varied_inputs.h"
#include "catalogue/input_catalogue.h"
#include "model/input_field.h"
#include "support/number_masks.h"
#include "support/numeric_text.h"
#include "support/phrase.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace karnoth::gui {
namespace {

// A ticked input with empty ends starts at its value less and plus this share.
constexpr double kDefaultSpread = 0.1;

// The control an analysis's input is typed or set in ("txtAdultSurv").
std::string controlOf(InputField field)
{
    const auto row = std::find_if(kInputCatalogue.begin(), kInputCatalogue.end(),
                                  [field](const InputRow& input) { return input.field == field; });
    return row == kInputCatalogue.end() ? std::string() : std::string(row->control);
}

QString captionOf(InputField field)
{
    // The model's caption is a marked text of the phrases' context: shown in the window's language.
    return QCoreApplication::translate(kPhraseContext, std::string(fieldCaption(field)).c_str());
}

// A value in its shortest plain form, first rounded to 6 significant digits so that 0.9 x 0.9
// shows as 0.81.
QString shortText(double value)
{
    if (!std::isfinite(value)) return {};
    const double rounded = QString::number(value, 'g', 6).toDouble();
    return QString::fromStdString(formatPlain(rounded));
}

}  // namespace

RangeInputs::RangeInputs(QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(tr("vary"), this), 0, 0);
    grid->addWidget(new QLabel(tr("from"), this), 0, 1);
    grid->addWidget(new QLabel(tr("to"), this), 0, 2);
    grid->addWidget(new QLabel(tr("now"), this), 0, 3);
    int line = 1;
    for (InputField field : kVariedInputs) {
        Row row;
        row.field = field;
        const QString caption = captionOf(field);
        row.vary = new QCheckBox(caption, this);
        row.vary->setToolTip(tr("Draw %1 for each replicate from a uniform range, spread evenly over the replicates "
                                "(Latin hypercube)")
                                 .arg(caption));
        row.low = new QLineEdit(this);
        row.high = new QLineEdit(this);
        for (QLineEdit* edit : {row.low, row.high}) {
            edit->setEnabled(false);
            edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000.000")));
        }
        row.low->setToolTip(tr("The low end of %1's range, in its own units").arg(caption));
        row.high->setToolTip(tr("The high end of %1's range, in its own units").arg(caption));
        row.now = new QLabel(this);
        row.now->setToolTip(tr("%1 as the window's last run read it").arg(caption));
        grid->addWidget(row.vary, line, 0);
        grid->addWidget(row.low, line, 1);
        grid->addWidget(row.high, line, 2);
        grid->addWidget(row.now, line, 3);
        ++line;
        rows_.push_back(row);
    }
    grid->setColumnStretch(0, 1);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        connect(rows_[i].vary, &QCheckBox::toggled, this, [this, i](bool on) { ticked(rows_[i], on); });
        for (QLineEdit* edit : {rows_[i].low, rows_[i].high})
            connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
                // Leaving a box unchanged is no change.
                if (!edit->isModified()) return;
                edit->setModified(false);
                emit changed();
            });
    }
}

void RangeInputs::setCurrentValues(const ModelInputs& inputs)
{
    for (Row& row : rows_) {
        // A capacity or operations that is not set has no value to spread a range around.
        const double value = inputValue(inputs, row.field);
        row.value = std::isnan(value) ? std::nullopt : std::optional<double>(value);
        row.now->setText(row.value ? shortText(*row.value) : tr("none"));
    }
}

void RangeInputs::ticked(Row& row, bool on)
{
    row.low->setEnabled(on);
    row.high->setEnabled(on);
    if (on && row.value && row.low->text().isEmpty() && row.high->text().isEmpty()) {
        row.low->setText(shortText(*row.value * (1 - kDefaultSpread)));
        row.high->setText(shortText(*row.value * (1 + kDefaultSpread)));
    }
    emit changed();
}

std::map<std::string, KeptRange> RangeInputs::keptRanges() const
{
    std::map<std::string, KeptRange> kept;
    for (const Row& row : rows_)
        if (row.vary->isChecked() || !row.low->text().isEmpty() || !row.high->text().isEmpty())
            kept[controlOf(row.field)] = {row.vary->isChecked(), row.low->text().toStdString(),
                                          row.high->text().toStdString()};
    return kept;
}

void RangeInputs::restoreRanges(const std::map<std::string, KeptRange>& ranges)
{
    const QSignalBlocker blocker(this);
    for (Row& row : rows_) {
        const auto kept = ranges.find(controlOf(row.field));
        if (kept == ranges.end()) continue;
        // The ends first, so that ticking keeps them rather than filling its own.
        row.low->setText(QString::fromStdString(kept->second.low));
        row.high->setText(QString::fromStdString(kept->second.high));
        row.vary->setChecked(kept->second.varied);
        ticked(row, kept->second.varied);
    }
}

void RangeInputs::setRange(InputField field, double low, double high)
{
    const Row* row = rowOf(field);
    if (!row) return;
    {
        const QSignalBlocker blocker(this);
        row->low->setText(shortText(low));
        row->high->setText(shortText(high));
        row->vary->setChecked(true);
    }
    emit changed();
}

const RangeInputs::Row* RangeInputs::rowOf(InputField field) const
{
    for (const Row& row : rows_)
        if (row.field == field) return &row;
    return nullptr;
}

QCheckBox* RangeInputs::varyBox(InputField field) const
{
    return rowOf(field) ? rowOf(field)->vary : nullptr;
}
QLineEdit* RangeInputs::lowEdit(InputField field) const
{
    return rowOf(field) ? rowOf(field)->low : nullptr;
}
QLineEdit* RangeInputs::highEdit(InputField field) const
{
    return rowOf(field) ? rowOf(field)->high : nullptr;
}

}  // namespace karnoth::gui
