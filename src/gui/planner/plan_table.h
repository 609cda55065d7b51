#pragma once
// The planner's table: one row per owned share, with the smallest rate that meets the target (in
// per cent), the street total in the target year, the owned, street and total sterilisations over
// the programme's years and their cost, the operations a year in the programme's first year and on
// average over its years, and the street coverage in the target year. A share whose rates all miss
// the target shows "none" and the figures at rate 100 %; empty figures when that run faults too.
// The row of the owned share of the cheapest programme on the whole grid is highlighted. Activating a row
// (double-click, Enter) stands for choosing its share at its minimal rate. When the plan scans operations a year, the
// rate is read as operations a year throughout. With a robust plan, the column beside the minimal
// rate holds each share's robust minimal rate ("Rate at 90 %"); it is hidden otherwise.

#include "analysis/planner.h"
#include "analysis/robust_planner.h"

#include <QTableWidget>

#include <memory>
#include <optional>

namespace karnoth::gui {

class PlanTable : public QTableWidget {
    Q_OBJECT

public:
    enum Column {
        OwnedShare,
        MinimalRate,  // or the minimal operations a year, when the plan scans them
        RobustRate,  // the robust minimal rate at the robust plan's confidence
        StreetTotal,
        SterilisedOwned,
        SterilisedStreet,
        SterilisedTotal,
        Cost,
        OperationsFirstYear,
        OperationsMeanPerYear,
        StreetCoverage
    };

    explicit PlanTable(QWidget* parent = nullptr);

    void setPlan(const std::shared_ptr<const Plan>& plan);
    // The robust plan whose rates the RobustRate column shows; nullptr hides it.
    void setRobustPlan(const std::shared_ptr<const RobustPlan>& plan);
    // The highlighted row, nullopt when no programme meets the target.
    std::optional<int> cheapestRow() const { return cheapestRow_; }

private:
    void showRobustRates();

    std::optional<int> cheapestRow_;
    std::shared_ptr<const Plan> plan_;
    std::shared_ptr<const RobustPlan> robust_;
};

}  // namespace karnoth::gui
