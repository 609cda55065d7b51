#pragma once
// Analysis -> Compare: the Scenarios view. It lists the window ("current", live: it follows every
// run) and the scenarios opened from files or kept from the window's state, which the user adds,
// renames, removes and reorders. Up to eight are drawn on common axes, each in its own colour, dash
// and marker, the street total with the fertile street females or the programme's sterilisations
// as an option; point at the chart to read the counts. The table below has one row per scenario,
// all judged by the planner's target and costs (FormWindow::planSettings); a faulted scenario shows
// its fault and is not drawn, and one whose culling records differ from killed.txt is marked. The
// table exports as CSV, the chart as PNG and SVG.

#include "analysis/comparison_table.h"
#include "render/scenario_overlay.h"

#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace karnoth::gui {

class FormWindow;
class ScenarioList;
class ScenarioOverlayView;

class ScenariosView : public QWidget {
    Q_OBJECT

public:
    ScenariosView(FormWindow& window, ScenarioList& list, QWidget* parent = nullptr);

    // The rows and the target, in the list's order. A hidden view follows the window only when it
    // is shown or asked, so a run of the window costs it nothing; these bring it up to date first.
    const std::vector<ComparisonRow>& rows();
    const PlanSettings& target();
    ScenarioOverlayView& overlay();
    QTableWidget& table();
    render::OverlayCompanion companion() const;

    // What the buttons do, without their dialogs. Each returns false with a reason in `error`.
    bool addScenarioFile(const QString& path, QString& error);
    bool addWindowState(const QString& name, const QString& notes, QString& error);
    bool exportCsv(const QString& path, QString& error);

public slots:
    // Reruns every scenario and redraws the list, the chart and the table.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // After a run of the window or a change of the planner's settings: a shown view refreshes at
    // once, a hidden one notes that it is out of date.
    void follow();
    void bringUpToDate();
    void buildList();
    void buildTable();
    void showRows();
    void updateButtons();
    int selectedIndex() const;
    void select(int index);
    void report(const QString& message);

    // The buttons' dialogs.
    void askToOpen();
    void askToAddWindowState();
    void askToRename();
    void askToExport(const QString& title, const QString& filter, const QString& suffix,
                     const std::function<bool(const QString&, QString&)>& save);

    FormWindow& window_;
    ScenarioList& list_;
    std::vector<ComparisonRow> rows_;
    PlanSettings target_;
    bool outOfDate_ = false;

    QListWidget* listWidget_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
    QComboBox* companion_ = nullptr;
    ScenarioOverlayView* overlay_ = nullptr;
    QLabel* targetLine_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace karnoth::gui
