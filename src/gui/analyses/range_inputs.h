#pragma once
// The uncertain inputs of the uncertainty view: one row for each of the fifteen inputs an analysis
// varies (the eight texts, the three bars and the four of a real town, in the catalogue's order),
// each with a box that varies it, the two ends of its uniform range in the control's own units (the
// rate in tenths of a per cent), and the value the window's last run read. Ticking an input whose
// ends are empty fills them with that value less and plus 10 %. A range of a text may cross the
// text's range (the replicates outside it fault), but each end must be a number and the analyses
// must take the range (variedRangeProblem: the low end not above the high one, a bar's range within
// the bar's, one of a real town within its own). A capacity or operations that is not set shows
// "none" and fills no ends.

#include "analysis/uncertainty.h"
#include "app/view_settings.h"
#include "model/model_inputs.h"

#include <QString>
#include <QWidget>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace karnoth::gui {

class RangeInputs : public QWidget {
    Q_OBJECT

public:
    explicit RangeInputs(QWidget* parent = nullptr);

    // Shows each input's value beside its row; the ends a ticked box fills come from it.
    void setCurrentValues(const ModelInputs& inputs);

    // The rows as the window keeps them, by control name (those ticked or with an end typed; read
    // through readKeptRanges), and back: each kept row gets its ends and its tick without a changed(); the others stay
    // as they are.
    std::map<std::string, KeptRange> keptRanges() const;
    void restoreRanges(const std::map<std::string, KeptRange>& ranges);

    // Ticks `field` with the range low..high, as the user would, and says so once (changed()).
    void setRange(InputField field, double low, double high);
    QCheckBox* varyBox(InputField field) const;
    QLineEdit* lowEdit(InputField field) const;
    QLineEdit* highEdit(InputField field) const;

signals:
    // A ticked range was edited, or a box ticked or cleared.
    void changed();

private:
    struct Row {
        InputField field{};
        QCheckBox* vary = nullptr;
        QLineEdit* low = nullptr;
        QLineEdit* high = nullptr;
        QLabel* now = nullptr;
        std::optional<double> value;  // as the last run read it
    };
    const Row* rowOf(InputField field) const;
    void ticked(Row& row, bool on);

    std::vector<Row> rows_;
};

}  // namespace karnoth::gui
