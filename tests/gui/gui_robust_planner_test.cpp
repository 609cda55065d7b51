// The planner's plans that hold: the confidence follows the uncertainty settings until the user
// sets it; with it on, the map of probabilities, the table's column and the summary's line show the
// robust plan computed for the window's inputs and the uncertainty view's settings; a click on the
// map sets the main window's bars.

#include "analysis/robust_planner.h"
#include "gui/planner/plan_settings_box.h"
#include "gui/planner/plan_table.h"
#include "gui/planner/plan_texts.h"
#include "gui/planner/planner_window.h"
#include "gui/planner/robust_heat_map_view.h"
#include "gui_fixture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

namespace {

constexpr int kWait = 60000;  // ms: a generous bound on a busy machine, never a timing check

// Adult survival 0.85..0.95 over 40 replicates from seed 3.
UncertaintySettings survivalRange()
{
    return UncertaintySettings{{{"txtAdultSurv", {true, "0.85", "0.95"}}}, 0, false, 40, 3};
}

}  // namespace

class GuiRobustPlannerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchDirectory> scratch_;
    std::unique_ptr<FormWindow> window_;
    PlannerWindow* planner_ = nullptr;

    bool waitForBoth() const
    {
        return QTest::qWaitFor(
            [this] {
                return planner_->plan() && !planner_->isComputing() && !planner_->isComputingRobust() &&
                       (!planner_->confidence() || planner_->robustPlan());
            },
            kWait);
    }

    // The target 50 % in 2030, owned shares 0, 50 and 100.
    void setTarget2030InSteps50()
    {
        PlanSettings settings = window_->planSettingsFor(window_->form().lastRunInputs()->inputs.programmeStart);
        settings.targetYear = 2030;
        settings.ownedShareStep = 50;
        window_->setPlanSettings(settings);
    }

    // The robust plan for the window's last run, computed here with the request built by hand.
    RobustPlan expectedPlan(std::optional<UncertaintyRequest> uncertainty, int confidence) const
    {
        const WindowInputs& run = *window_->form().lastRunInputs();
        const PlanRequest plan{run.inputs, run.killedByYear, *window_->planSettings()};
        return *makeRobustPlan(RobustPlanRequest{plan, std::move(uncertainty), double(confidence)}, BatchRunner());
    }

    int value(const char* bar) const { return window_->form().control(bar).value; }

private slots:
    void init()
    {
        scratch_ = std::make_unique<ScratchDirectory>();
        window_ = startWindow();
        QVERIFY(window_);
        planner_ = &PlannerWindow::of(*window_);
        planner_->open();
        QVERIFY(QTest::qWaitForWindowExposed(planner_));
        setTarget2030InSteps50();
        QVERIFY(waitForBoth());
    }
    void cleanup()
    {
        window_.reset();
        scratch_.reset();
    }

    void theConfidenceFollowsTheUncertaintySettingsUntilTheUserSetsIt()
    {
        QSpinBox& box = planner_->settingsBox().confidenceBox();
        PlanTable& table = planner_->table();
        // Nothing drawn: off, and nothing of a robust plan shows.
        QCOMPARE(box.text(), QStringLiteral("off"));
        QCOMPARE(planner_->confidence(), std::nullopt);
        QVERIFY(!planner_->robustPlan());
        QVERIFY(!planner_->maps().isTabEnabled(1));
        QVERIFY(table.isColumnHidden(PlanTable::RobustRate));

        // A range set in the uncertainty view: 90 %, computed at once.
        window_->keepUncertaintySettings(survivalRange());
        QCOMPARE(box.value(), 90);
        QVERIFY(waitForBoth());
        QCOMPARE(planner_->robustPlan()->confidence, 90.0);
        QCOMPARE(planner_->robustPlan()->replicates, std::size_t(40));
        QVERIFY(planner_->maps().isTabEnabled(1));
        QVERIFY(!table.isColumnHidden(PlanTable::RobustRate));
        QCOMPARE(table.horizontalHeaderItem(PlanTable::RobustRate)->text(), QStringLiteral("Rate at\n90 %"));

        // The user's choice: 80 % recomputes; off then holds whatever the uncertainty settings draw.
        box.setValue(80);
        QCOMPARE(window_->chosenConfidence(), std::optional<int>(80));
        QCOMPARE(planner_->maps().currentIndex(), 1);
        QVERIFY(waitForBoth());
        QCOMPARE(planner_->robustPlan()->confidence, 80.0);
        box.setValue(box.minimum());
        QCOMPARE(window_->chosenConfidence(), std::optional<int>(FormWindow::kConfidenceOff));
        UncertaintySettings wider = survivalRange();
        wider.yearToYearSd = 0.05;
        window_->keepUncertaintySettings(wider);
        QCOMPARE(planner_->confidence(), std::nullopt);
        QVERIFY(!planner_->robustPlan());
        QVERIFY(table.isColumnHidden(PlanTable::RobustRate));
        QCOMPARE(planner_->maps().currentIndex(), 0);
    }

    void theMapTableAndSummaryShowTheComputedRobustPlan()
    {
        window_->keepUncertaintySettings(survivalRange());
        QVERIFY(waitForBoth());
        UncertaintyRequest uncertainty;
        uncertainty.replicates = 40;
        uncertainty.seed = 3;
        uncertainty.ranges = {{InputField::adultSurvival, 0.85, 0.95}};
        const RobustPlan expected = expectedPlan(uncertainty, 90);
        const std::shared_ptr<const RobustPlan> shown = planner_->robustPlan();
        QVERIFY(!shown->fault);
        QCOMPARE(shown->rows.size(), std::size_t(3));
        QVERIFY(expected.cheapest);
        QCOMPARE(shown->cheapest->rate, expected.cheapest->rate);
        QCOMPARE(shown->cheapest->ownedShare, expected.cheapest->ownedShare);
        RobustHeatMapView& map = planner_->robustMap();
        for (std::size_t i = 0; i < expected.rows.size(); ++i) {
            const RobustRow& row = expected.rows[i];
            QCOMPARE(shown->rows[i].minimalRate, row.minimalRate);
            QCOMPARE(shown->rows[i].probability, row.probability);
            const int r = static_cast<int>(i);
            QCOMPARE(planner_->table().item(r, PlanTable::RobustRate)->text(),
                     row.minimalRate ? ratePercentText(*row.minimalRate) : QStringLiteral("none"));
            // The cell the pointer is over tells its own probability.
            for (int rate : {0, 120, 250, 1000})
                QVERIFY2(map.detailsOf({row.ownedShare, rate})
                             .contains(QStringLiteral("meets the target in %1 %")
                                           .arg(QString::number(100 * row.probability[std::size_t(rate)], 'f', 1))),
                         qPrintable(map.detailsOf({row.ownedShare, rate})));
        }
        QVERIFY2(planner_->summary().text().contains(QStringLiteral("Cheapest at 90 %: owned share %1 %, rate %2, cost")
                                                         .arg(expected.cheapest->ownedShare)
                                                         .arg(ratePercentText(expected.cheapest->rate))),
                 qPrintable(planner_->summary().text()));
    }

    void withoutUncertaintyTheRobustRatesAreThePlansOwn()
    {
        planner_->settingsBox().confidenceBox().setValue(95);
        QVERIFY(waitForBoth());
        const std::shared_ptr<const RobustPlan> robust = planner_->robustPlan();
        QCOMPARE(robust->replicates, std::size_t(1));
        QCOMPARE(robust->rows.size(), planner_->plan()->rows.size());
        for (std::size_t i = 0; i < robust->rows.size(); ++i)
            QCOMPARE(robust->rows[i].minimalRate, planner_->plan()->rows[i].minimalRate);
    }

    void aClickOnTheProbabilityMapSetsTheBars()
    {
        window_->keepUncertaintySettings(survivalRange());
        QVERIFY(waitForBoth());
        planner_->maps().setCurrentIndex(1);
        RobustHeatMapView& map = planner_->robustMap();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        const QPoint point = map.centreOf({50, 300}).toPoint();
        const std::optional<render::GridCell> cell = map.cellAt(point);
        QVERIFY(cell);
        QCOMPARE(cell->ownedShare, 50);
        QVERIFY(std::abs(cell->rate - 300) <= 1);
        QTest::mouseClick(&map, Qt::LeftButton, {}, point);
        QCOMPARE(value("hscSterilise"), cell->rate);
        QCOMPARE(value("vscTarget"), 50);
        // Only the programme moved: no new robust plan, the mark moved to the cell.
        QVERIFY(!planner_->isComputingRobust());
    }

    void aRangeThatCannotBeReadSaysSoOnTheMap()
    {
        UncertaintySettings broken = survivalRange();
        broken.ranges["txtAdultSurv"].high = "abc";
        window_->keepUncertaintySettings(broken);
        QVERIFY(waitForBoth());
        QVERIFY(planner_->robustPlan()->fault);
        QVERIFY2(QString::fromStdString(*planner_->robustPlan()->fault).contains(QStringLiteral("\"abc\"")),
                 planner_->robustPlan()->fault->c_str());
        QVERIFY(planner_->summary().text().contains(QStringLiteral("No plan at 90 %")));
    }
};

QTEST_MAIN(GuiRobustPlannerTest)
#include "gui_robust_planner_test.moc"
