#pragma once
// A small spin box beside each scroll bar, to read the bar's exact value and type one: the number
// of one-year-old females abandoned per year, the programme rate in per cent (the bar counts tenths
// of a per cent, so 252 shows as 25.2 %), the per cent of the programme aimed at owned dogs. A
// typed value is committed by Enter, by leaving the box or by a step (arrow, key, wheel); typing
// digits alone commits nothing. Numbers are shown and read with the window's separators
// ("4,000", "25.2"). A value outside the bar's range is brought to its nearest end; a text that is
// no number goes back to the value shown.

#include "app/layout.h"

#include <QDoubleSpinBox>

#include <optional>
#include <span>
#include <string_view>

namespace karnoth::gui {

// Where a bar's box stands (twips, like the layout) and how it shows the bar's value.
struct BarValueBoxRow {
    std::string_view bar;  // the scroll bar's control name
    int left, top, width, height;
    int barUnitsPerShown;  // 10 for the rate: the bar counts tenths of what the box shows
    int decimals;
    std::string_view suffix;
};

// One box per scroll bar, in the free room next to it.
std::span<const BarValueBoxRow> barValueBoxRows();

class BarValueBox : public QDoubleSpinBox {
    Q_OBJECT

public:
    // The box of `row` for a bar with `range`, named after the bar ("hscSterilise" gets
    // "hscSteriliseValue"); it shows `barValue`.
    BarValueBox(const BarValueBoxRow& row, const ScrollRange& range, int barValue, QWidget* parent = nullptr);

    // The value shown, in the bar's own units.
    int barValue() const;
    // Shows a bar value; emits nothing.
    void showBarValue(int barValue);

signals:
    // A value was committed (see above), in the bar's own units.
    void committed(int barValue);

protected:
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;
    // A number outside the range becomes its nearest end; anything else reverts to the value shown.
    void fixup(QString& input) const override;
    // Enter commits a changed value and ends there; with nothing to commit it goes on to the window
    // (which presses Run).
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The number in `text` without suffix and blanks, nullopt when it is not one.
    std::optional<double> parse(const QString& text) const;

    int barUnitsPerShown_;
};

}  // namespace karnoth::gui
