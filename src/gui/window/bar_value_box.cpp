#include "gui/window/bar_value_box.h"

#include "catalogue/control_names.h"
#include "support/number_locale.h"
#include "support/number_masks.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <array>
#include <cmath>

namespace karnoth::gui {
namespace {

// In the owned-dogs panel right of vscGainLoss above its caption; left of "times" above the left
// end of hscSterilise; right above vscTarget, over Label7's "owned".
constexpr std::array<BarValueBoxRow, 3> kRows{{
    {control::vscGainLoss, 600, 1245, 1215, 285, 1, 0, ""},
    {control::hscSterilise, 11640, 1305, 1020, 285, 10, 1, " %"},
    {control::vscTarget, 14040, 1530, 945, 270, 1, 0, " %"},
}};

QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::span<const BarValueBoxRow> barValueBoxRows()
{
    return kRows;
}

BarValueBox::BarValueBox(const BarValueBoxRow& row, const ScrollRange& range, int barValue, QWidget* parent)
    : QDoubleSpinBox(parent), barUnitsPerShown_(row.barUnitsPerShown)
{
    setObjectName(qtText(row.bar) + QStringLiteral("Value"));
    setDecimals(row.decimals);
    setRange(double(range.lowest()) / barUnitsPerShown_, double(range.highest()) / barUnitsPerShown_);
    setSingleStep(double(range.smallStep) / barUnitsPerShown_);
    setSuffix(qtText(row.suffix));
    setKeyboardTracking(false);  // only a commit changes the value
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);  // text that is no number
    setAccelerated(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showBarValue(barValue);
    connect(this, &QDoubleSpinBox::valueChanged, this, [this] { emit committed(this->barValue()); });
}

int BarValueBox::barValue() const
{
    return static_cast<int>(std::lround(value() * barUnitsPerShown_));
}

void BarValueBox::showBarValue(int barValue)
{
    const QSignalBlocker blocker(this);
    setValue(double(barValue) / barUnitsPerShown_);
}

QString BarValueBox::textFromValue(double value) const
{
    return QString::fromStdString(decimals() == 0 ? formatGrouped(value) : formatOneDecimal(value));
}

std::optional<double> BarValueBox::parse(const QString& text) const
{
    QString body = text.trimmed();
    if (!suffix().isEmpty() && body.endsWith(suffix().trimmed())) body.chop(suffix().trimmed().size());
    body = body.trimmed();
    const NumberLocale& locale = numberLocale();
    body.remove(QChar(locale.thousandsSeparator));
    if (body.isEmpty()) return std::nullopt;
    QString plain;
    for (const QChar c : body) {
        if (c.isDigit())
            plain += c;
        else if (c == QChar(locale.decimalSeparator) && decimals() > 0)
            plain += '.';
        else
            return std::nullopt;
    }
    bool ok = false;
    const double value = plain.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

double BarValueBox::valueFromText(const QString& text) const
{
    return parse(text).value_or(value());
}

QValidator::State BarValueBox::validate(QString& input, int&) const
{
    const NumberLocale& locale = numberLocale();
    for (const QChar c : input) {
        const bool allowed = c.isDigit() || c.isSpace() || c == QChar(locale.thousandsSeparator) ||
                             (decimals() > 0 && c == QChar(locale.decimalSeparator)) || suffix().contains(c);
        if (!allowed) return QValidator::Invalid;
    }
    const std::optional<double> value = parse(input);
    if (!value) return QValidator::Intermediate;
    const double decimalsFactor = std::pow(10.0, decimals());
    if (std::fabs(std::round(*value * decimalsFactor) - *value * decimalsFactor) > 1e-9) return QValidator::Invalid;
    return *value >= minimum() && *value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void BarValueBox::fixup(QString& input) const
{
    if (const std::optional<double> value = parse(input))
        input = textFromValue(std::clamp(*value, minimum(), maximum())) + suffix();
}

void BarValueBox::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const int before = barValue();
    QDoubleSpinBox::keyPressEvent(event);
    if (enter && barValue() != before) event->accept();
}

}  // namespace karnoth::gui
