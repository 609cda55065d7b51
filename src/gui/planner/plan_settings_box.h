#pragma once
// The planner's own inputs: the target (a year and a percentage of the baseline), the cost of one
// owned and one street sterilisation in any unit, and the owned-share step of the grid. They are
// the window's shared planner settings; this box shows them and reports the user's edits. Until
// the user sets them they follow the programme's start year (ten years after it, 50 %, costs 1),
// and "Defaults" returns to that. Below them, the confidence a plan that holds asks for: off, or
// 50..99 % of the replicates the uncertainty settings draw (kept by the window beside the others).

#include "analysis/planner.h"

#include <QGroupBox>

#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace karnoth::gui {

class PlanSettingsBox : public QGroupBox {
    Q_OBJECT

public:
    explicit PlanSettingsBox(QWidget* parent = nullptr);

    // Shows `settings` without reporting an edit; `followingStart` when they are the defaults of
    // the programme's start year.
    void showSettings(const PlanSettings& settings, bool followingStart);
    // The settings as the box shows them.
    PlanSettings settings() const;
    // Shows the confidence, per cent, or none for off, without reporting an edit.
    void showConfidence(std::optional<int> confidence);
    std::optional<int> confidence() const;

    QSpinBox& targetYearBox() const { return *targetYear_; }
    QDoubleSpinBox& targetPercentBox() const { return *targetPercent_; }
    QDoubleSpinBox& costOwnedBox() const { return *costOwned_; }
    QDoubleSpinBox& costStreetBox() const { return *costStreet_; }
    QComboBox& stepBox() const { return *step_; }
    QSpinBox& confidenceBox() const { return *confidence_; }
    QPushButton& defaultsButton() const { return *defaults_; }

signals:
    // The user changed a setting (committed: Enter, leaving the box, an arrow, a choice).
    void edited(const PlanSettings& settings);
    void defaultsRequested();
    // The user changed the confidence: per cent, or none for off.
    void confidenceEdited(std::optional<int> confidence);

private:
    void report();

    QSpinBox* targetYear_ = nullptr;
    QDoubleSpinBox* targetPercent_ = nullptr;
    QDoubleSpinBox* costOwned_ = nullptr;
    QDoubleSpinBox* costStreet_ = nullptr;
    QComboBox* step_ = nullptr;
    QSpinBox* confidence_ = nullptr;
    QPushButton* defaults_ = nullptr;
    QLabel* following_ = nullptr;
};

}  // namespace karnoth::gui
