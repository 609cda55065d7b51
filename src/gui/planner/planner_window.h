#pragma once
// The planner: which programme reaches the target, and at what cost. A window of its own beside
// the main window (Analysis -> Planner), which it follows live: after every run of the main window,
// and whenever the planner's settings change, it computes the plan for the inputs that run read,
// in the background (a newer computation cancels an older one; a progress bar shows while one
// runs). The grid replaces only the programme rate and owned share, so moving those two bars only
// moves the heat map's mark; any other input computes the grid again.
//
// It shows the plan as a heat map and a table, exports them (PNG, SVG, CSV), sets the main window's
// rate and owned share to a clicked cell and matches the abandonment bar to a counted population,
// each as one undoable step of the main window. Closing it hides it: its settings live in the
// main window (FormWindow::planSettings), its plan is made again when it is opened.
//
// With a confidence set (off, or 50..99 %; until the user sets it, 90 % while the uncertainty
// view's settings draw anything), it also computes the robust plan for the same inputs and the
// uncertainty view's settings, in the background with a progress bar of its own, and shows it as a
// map of probabilities (a second tab), a column of the table and a line under the summary.

#include "analysis/batch_runner.h"
#include "analysis/calibration.h"
#include "analysis/planner.h"
#include "analysis/robust_planner.h"
#include "app/view_settings.h"
#include "gui/window/window_extension.h"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace karnoth::gui {

class BackgroundJob;
class CalibrationBox;
class FormWindow;
class PlanHeatMapView;
class PlanSettingsBox;
class PlanTable;
class RobustHeatMapView;

// "Planner..." and "Match a count..." in the window's Analysis menu.
class PlannerActions : public QObject, public WindowExtension {
    Q_OBJECT

public:
    explicit PlannerActions(FormWindow& window);
    QList<PlacedAction> actions() const override;

private:
    QAction* planner_;
    QAction* match_;
};

class PlannerWindow : public QWidget {
    Q_OBJECT

public:
    // The planner of `window`, made the first time it is asked for.
    static PlannerWindow& of(FormWindow& window);

    PlanHeatMapView& heatMap() const { return *heatMap_; }
    RobustHeatMapView& robustMap() const { return *robustMap_; }
    // The plan's map and the map of probabilities, a tab each.
    QTabWidget& maps() const { return *maps_; }
    QProgressBar& robustProgressBar() const { return *robustProgress_; }
    PlanTable& table() const { return *table_; }
    PlanSettingsBox& settingsBox() const { return *settingsBox_; }
    CalibrationBox& calibrationBox() const { return *calibrationBox_; }
    QProgressBar& progressBar() const { return *progress_; }
    QLabel& summary() const { return *summary_; }
    QLabel& details() const { return *details_; }

    // The plan on show; nullptr before the first.
    const std::shared_ptr<const Plan>& plan() const { return plan_; }
    // A plan is being computed.
    bool isComputing() const;
    // The robust plan on show; nullptr while the confidence is off or before the first.
    const std::shared_ptr<const RobustPlan>& robustPlan() const { return robust_; }
    bool isComputingRobust() const;
    // The confidence in force, per cent: the user's, or the default; none when off.
    std::optional<int> confidence() const;

    // The exports; each returns false with a reason in `error`. The heat map has the size of the
    // view on screen (at least a readable minimum); the CSVs have the command line's columns.
    QSize exportSize() const;
    bool saveHeatMapPng(const QString& path, QString& error) const;
    bool saveHeatMapSvg(const QString& path, QString& error) const;
    bool saveTableCsv(const QString& path, QString& error) const;
    bool saveGridCsv(const QString& path, QString& error) const;

public slots:
    void open();
    // Sets the main window's programme rate (tenths of a per cent) and owned share (per cent) as
    // one undoable step, which reruns its chart.
    void chooseCell(int ownedShare, int rate);
    // Searches for the abandonment bar's value that matches a count of street females aged one and
    // over in `surveyYear`, then sets it as one undoable step.
    void matchSurveyCount(int surveyYear, double count);

signals:
    // A plan, or the reason there is none, is now on show.
    void planShown();
    // A robust plan, the reason there is none, or none at all (the confidence off) is now on show.
    void robustPlanShown();
    // A calibration ended: set, or refused with a reason.
    void calibrationShown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    explicit PlannerWindow(FormWindow& window);
    void buildExportButton(QPushButton* button);
    void refresh();
    void refreshPlan();
    void refreshRobustPlan();
    void showRobustPlan(std::shared_ptr<const RobustPlan> plan);
    void showUnmadeRobustPlan(const PlanSettings& settings, int confidence, const QString& reason);
    void robustComputationEnded();
    void showSummary();
    void showPlan(std::shared_ptr<const Plan> plan);
    void showUnmadePlan(const PlanSettings& settings, const QString& reason);
    void showSettings();
    void updateMark();
    void applyCalibration(const Calibration& calibration);
    void stopCalibration(const QString& reason);
    void computationEnded();
    void askAndSave(const QString& title, const QString& filter, const QString& suffix,
                    bool (PlannerWindow::*save)(const QString&, QString&) const);

    FormWindow& window_;
    std::shared_ptr<const BatchRunner> runner_;
    BackgroundJob* planJob_ = nullptr;
    BackgroundJob* calibrationJob_ = nullptr;
    // What the plan on show, or the one being computed, was asked for.
    std::optional<PlanRequest> requested_;
    std::shared_ptr<const Plan> plan_;
    BackgroundJob* robustJob_ = nullptr;
    // What the robust plan on show, or the one being computed, was asked for.
    struct RobustKey {
        PlanRequest plan;
        UncertaintySettings uncertainty;
        int confidence = 0;
    };
    std::optional<RobustKey> robustRequested_;
    std::shared_ptr<const RobustPlan> robust_;
    // The main window ran while the planner was hidden.
    bool outOfDate_ = true;

    PlanSettingsBox* settingsBox_ = nullptr;
    CalibrationBox* calibrationBox_ = nullptr;
    PlanHeatMapView* heatMap_ = nullptr;
    RobustHeatMapView* robustMap_ = nullptr;
    QTabWidget* maps_ = nullptr;
    QProgressBar* robustProgress_ = nullptr;
    PlanTable* table_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* details_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

}  // namespace karnoth::gui
