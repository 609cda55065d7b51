// Analysis -> Uncertainty: opens from the menu saying that nothing is uncertain yet, follows the window's
// runs, its own ranges and the planner's target, refuses an unusable range by name, shows progress
// and stops, reads out a year under the pointer, and exports the chart and the bands.

#include "analysis_view_fixture.h"
#include "app/scenario_file.h"
#include "gui/analyses/band_chart_widget.h"
#include "gui/analyses/range_inputs.h"
#include "gui/analyses/uncertainty_view.h"
#include "gui/scenarios/scenario_tools.h"
#include "gui/window/control_value.h"
#include "gui_fixture.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QXmlStreamReader>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

namespace {

constexpr std::size_t kMedian = 2;  // kBandPercentiles: 5, 25, 50, 75, 95

double percentile(const UncertaintyView& view, std::size_t band, int year)
{
    return view.shown()->result.streetTotal->bands[band][static_cast<std::size_t>(year - kFirstYear)];
}

}  // namespace

class GuiUncertaintyViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchDirectory> scratch_;
    std::unique_ptr<FormWindow> window_;
    UncertaintyView* view_ = nullptr;

    double windowStreetTotal(int year) const { return window_->form().lastSeries()->streetTotal[year]; }

    // A range on the rate: every replicate is the window's run until the programme starts.
    void varyTheRate()
    {
        const int before = view_->resultsShown();
        view_->ranges().setRange(InputField::programmeRate, 200, 300);
        QVERIFY(nextResult(*view_, before));
        QVERIFY(view_->shown());
    }

private slots:
    void init()
    {
        scratch_ = std::make_unique<ScratchDirectory>();
        window_ = startWindow();
        QVERIFY(window_);
        view_ = openFromAnalysisMenu<UncertaintyView>(*window_, "uncertaintyAction");
        QVERIFY(view_);
        QVERIFY(!view_->isModal());
        QVERIFY(nextResult(*view_, 0));
    }
    void cleanup()
    {
        window_.reset();
        scratch_.reset();
    }

    // With nothing varied and no chance every replicate would be the window's run: it says so.
    void opensSayingNothingIsUncertainAndRunsNothing()
    {
        QCOMPARE(view_->replicatesBox().value(), 1000);
        QCOMPARE(view_->seedBox().value(), 1);
        QCOMPARE(view_->yearToYearBox().value(), 0.0);
        QVERIFY(!view_->wholeDogsBox().isChecked());
        QVERIFY(!view_->shown());
        QVERIFY(!view_->job().isRunning());
        QVERIFY2(view_->statusText().startsWith(QStringLiteral("Nothing is uncertain yet")),
                 qPrintable(view_->statusText()));
        QVERIFY(view_->targetLine().text().isEmpty());
        QVERIFY2(!window_->computedUncertainty(), "the report has no uncertainty to repeat");
        QString error;
        QVERIFY(!view_->saveCsv(scratch_->file(QStringLiteral("none.csv")), error));
    }

    void followsARunOfTheWindowAndTheDefaultTarget()
    {
        varyTheRate();
        // No planner settings yet: ten years after the start (2005), at 50 % of 2004.
        const std::optional<TargetChance>& target = view_->shown()->result.target;
        QVERIFY(target && target->probability);
        QCOMPARE(target->year, 2015);
        QCOMPARE(target->percent, 50.0);
        QVERIFY2(view_->targetLine().text().contains(QStringLiteral("2015")), qPrintable(view_->targetLine().text()));
        for (std::size_t band = 0; band < kBandPercentiles.size(); ++band)
            QCOMPARE(percentile(*view_, band, 2004), windowStreetTotal(2004));

        const int before = view_->resultsShown();
        window_->binding().apply(ControlValue::value("vscTarget", 20));
        QVERIFY(nextResult(*view_, before));
        QCOMPARE(view_->shownInputs()->inputs.ownedShare, 20.0);
        // What the report repeats is what was shown.
        QVERIFY(window_->computedUncertainty());
        QCOMPARE(window_->computedUncertainty()->ranges.size(), std::size_t(1));
        QCOMPARE(window_->computedUncertainty()->ranges[0].high, 300.0);
        QCOMPARE(view_->chart().chart().run->values(), window_->form().lastSeries()->streetTotal.values());
    }

    void followsThePlannersTarget()
    {
        varyTheRate();
        const int before = view_->resultsShown();
        PlanSettings settings = defaultPlanSettings(2005);
        settings.targetYear = 2040;
        settings.targetPercent = 30;
        window_->setPlanSettings(settings);
        QVERIFY(nextResult(*view_, before));
        const std::optional<TargetChance>& target = view_->shown()->result.target;
        QVERIFY(target && target->probability);
        QCOMPARE(target->year, 2040);
        QCOMPARE(target->percent, 30.0);
        QVERIFY(view_->targetLine().text().contains(QStringLiteral("2040")));
        QVERIFY(view_->targetLine().text().contains(QStringLiteral("30 %")));
    }

    void aRangeWidensTheBandsInOrder()
    {
        const int before = view_->resultsShown();
        view_->replicatesBox().setValue(300);
        QVERIFY(nextResult(*view_, before));
        const int ranged = view_->resultsShown();
        view_->ranges().setRange(InputField::adultSurvival, 0.85, 0.92);
        QVERIFY(nextResult(*view_, ranged));
        const UncertaintyResult& result = view_->shown()->result;
        QCOMPARE(result.replicates, std::size_t{300});
        QCOMPARE(view_->shown()->request.ranges.size(), std::size_t{1});
        bool spread = false;
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            for (std::size_t band = 1; band < kBandPercentiles.size(); ++band)
                QVERIFY(percentile(*view_, band - 1, year) <= percentile(*view_, band, year));
            spread = spread || percentile(*view_, 0, year) < percentile(*view_, 4, year);
        }
        QVERIFY(spread);
        // The same seed gives the same bands again.
        const double median2030 = percentile(*view_, kMedian, 2030);
        const int again = view_->resultsShown();
        view_->seedBox().setValue(2);
        QVERIFY(nextResult(*view_, again));
        const int back = view_->resultsShown();
        view_->seedBox().setValue(1);
        QVERIFY(nextResult(*view_, back));
        QCOMPARE(percentile(*view_, kMedian, 2030), median2030);
    }

    // Anchored to a count, the replicates start together at it in the survey year.
    void anchoredBandsStartAtTheCount()
    {
        view_->replicatesBox().setValue(60);
        varyTheRate();
        const int ranged = view_->resultsShown();
        view_->ranges().setRange(InputField::adultSurvival, 0.86, 0.9);
        QVERIFY(nextResult(*view_, ranged));
        const int before = view_->resultsShown();
        view_->anchorSurveyYearBox().setValue(2003);
        view_->anchorCountBox().setValue(50000);
        view_->anchorBox().setChecked(true);
        QVERIFY(nextResult(*view_, before));
        QVERIFY(view_->shown()->request.anchor);
        QCOMPARE(view_->shown()->request.anchor->surveyYear, 2003);
        for (std::size_t band = 0; band < kBandPercentiles.size(); ++band)
            QVERIFY(std::abs(percentile(*view_, band, 2003) - 50000) < 0.01 * 50000);
    }

    // The analyses' own check: a range of a bar stays within the bar, as in --vary.
    void aRangeBeyondABarsRangeIsRefusedAndNothingRuns()
    {
        const int before = view_->resultsShown();
        view_->ranges().setRange(InputField::abandonedPerYear, 1e15, 1e16);
        QVERIFY(!view_->job().isRunning());
        QCOMPARE(view_->resultsShown(), before);
        QVERIFY(!window_->computedUncertainty());
        QVERIFY2(view_->statusText().contains(QStringLiteral("bar's range, 1 to 30000")),
                 qPrintable(view_->statusText()));
    }

    // What the view is set to is kept in the window at once, goes into a saved scenario, and comes
    // back into the open view when a scenario holding other settings is opened and undone.
    void scenariosKeepTheViewsSettings()
    {
        varyTheRate();
        view_->seedBox().setValue(9);
        QVERIFY(window_->keptSettings().uncertainty);
        const UncertaintySettings mine = *window_->keptSettings().uncertainty;
        QCOMPARE(mine.seed, 9);
        QVERIFY(mine.ranges.at("hscSterilise").varied);

        auto& tools = *window_->findChild<ScenarioTools*>();
        QString error;
        QVERIFY2(tools.saveScenarioFile(scratch_->file(QStringLiteral("mine.karnoth")), "mine", "", error),
                 qPrintable(error));
        QCOMPARE(readScenarioFile(scratch_->file(QStringLiteral("mine.karnoth")).toStdString()).uncertainty,
                 std::optional<UncertaintySettings>(mine));

        Scenario other = window_->form().currentScenario("other");
        other.values["hscSterilise"] = 100;
        other.uncertainty = UncertaintySettings{{{"txtAdultSurv", {true, "0.85", "0.95"}}}, 0.05, false, 300, 4};
        writeScenarioFile(scratch_->file(QStringLiteral("other.karnoth")).toStdString(), other);
        QVERIFY2(tools.openScenarioFile(scratch_->file(QStringLiteral("other.karnoth")), error), qPrintable(error));
        QCOMPARE(view_->seedBox().value(), 4);
        QCOMPARE(view_->replicatesBox().value(), 300);
        QCOMPARE(view_->yearToYearBox().value(), 0.05);
        QCOMPARE(window_->keptSettings().uncertainty, other.uncertainty);
        QVERIFY(view_->ranges().keptRanges().at("txtAdultSurv").varied);

        window_->undo();
        QCOMPARE(view_->seedBox().value(), 9);
        QCOMPARE(view_->yearToYearBox().value(), 0.0);
        QCOMPARE(window_->keptSettings().uncertainty, std::optional<UncertaintySettings>(mine));
    }

    // Streets that empty under year-to-year variation are valid replicates, counted as died out.
    void diedOutReplicatesAreToldInTheStatus()
    {
        const int before = view_->resultsShown();
        view_->replicatesBox().setValue(400);
        QVERIFY(nextResult(*view_, before));
        const int varied = view_->resultsShown();
        view_->yearToYearBox().setValue(0.5);
        QVERIFY(nextResult(*view_, varied));
        const UncertaintyResult& result = view_->shown()->result;
        QCOMPARE(result.faulted, std::size_t{0});
        QVERIFY(result.diedOut > 0);
        QVERIFY2(view_->statusText().contains(QStringLiteral("400 valid (%1 died out), 0 faulted").arg(result.diedOut)),
                 qPrintable(view_->statusText()));
    }

    void anUnusableRangeIsNamedAndNothingRuns_data()
    {
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        QTest::addColumn<QString>("says");
        QTest::newRow("not a number") << "abc"
                                      << "0.12"
                                      << "\"abc\" is not a number";
        QTest::newRow("empty") << "0.08"
                               << ""
                               << "\"\" is not a number";
        QTest::newRow("low above high") << "0.12"
                                        << "0.08"
                                        << "lies above";
    }
    void anUnusableRangeIsNamedAndNothingRuns()
    {
        QFETCH(QString, low);
        QFETCH(QString, high);
        QFETCH(QString, says);
        const int before = view_->resultsShown();
        RangeInputs& ranges = view_->ranges();
        ranges.varyBox(InputField::streetJuvenileSurvival)->setChecked(true);
        QVERIFY(nextResult(*view_, before));  // ticked: 0.09 to 0.11, the window's 0.1 less and plus 10 %
        QCOMPARE(ranges.lowEdit(InputField::streetJuvenileSurvival)->text(), QStringLiteral("0.09"));
        QCOMPARE(ranges.highEdit(InputField::streetJuvenileSurvival)->text(), QStringLiteral("0.11"));

        const int typed = view_->resultsShown();
        QLineEdit* lowEdit = ranges.lowEdit(InputField::streetJuvenileSurvival);
        QLineEdit* highEdit = ranges.highEdit(InputField::streetJuvenileSurvival);
        lowEdit->setText(low);
        lowEdit->setModified(true);
        highEdit->setText(high);
        highEdit->setModified(true);
        emit highEdit->editingFinished();
        QVERIFY(!view_->job().isRunning());
        QCOMPARE(view_->resultsShown(), typed);
        QVERIFY2(view_->statusText().contains(QStringLiteral("juvenile survival")), qPrintable(view_->statusText()));
        QVERIFY2(view_->statusText().contains(says), qPrintable(view_->statusText()));
    }

    void showsProgressAndStops()
    {
        // Enough work that it is still running when we look.
        view_->wholeDogsBox().setChecked(true);
        view_->replicatesBox().setValue(100000);
        QVERIFY(view_->job().isRunning());
        auto* progress = view_->findChild<QProgressBar*>(QStringLiteral("analysisProgress"));
        auto* stop = view_->findChild<QPushButton*>(QStringLiteral("stopOrRecompute"));
        QVERIFY(progress && stop);
        QVERIFY(progress->isVisible());
        QTRY_VERIFY(progress->maximum() == 100000 && progress->value() > 0);

        // A run of the window replaces it with a computation on the new inputs.
        const int before = view_->resultsShown();
        window_->binding().apply(ControlValue::value("hscSterilise", 500));
        QVERIFY(view_->job().isRunning());
        QTest::mouseClick(stop, Qt::LeftButton);
        QVERIFY(!view_->job().isRunning());
        QVERIFY(!progress->isVisible());
        QVERIFY(view_->statusText().startsWith(QStringLiteral("Stopped")));
        QCoreApplication::processEvents();
        QCOMPARE(view_->resultsShown(), before);

        // Recompute starts it again.
        view_->replicatesBox().setValue(50);
        QVERIFY(nextResult(*view_, before));
        QCOMPARE(view_->shownInputs()->inputs.programmeRate, 500.0);
    }

    void pointingAtAYearReadsItOut()
    {
        varyTheRate();
        BandChartWidget& chart = view_->chart();
        const render::BandChartLayout layout = chart.chartLayout();
        const QPoint at(static_cast<int>(std::lround(layout.xOfYear(2010))),
                        static_cast<int>(layout.plot.center().y()));
        movePointer(chart, at);
        QCOMPARE(chart.hoveredYear(), std::optional<int>(2010));
        const QStringList lines = chart.readoutAt(at);
        QCOMPARE(lines.front(), QStringLiteral("2010"));
        QVERIFY(lines.join('\n').contains(render::dogsText(windowStreetTotal(2010))));
        QVERIFY(!chart.yearAt(QPoint(1, at.y())));
    }

    void exportsTheChartAndTheBands()
    {
        varyTheRate();
        QString error;
        const QString png = scratch_->file(QStringLiteral("uncertainty.png"));
        QVERIFY2(view_->savePng(png, error), qPrintable(error));
        const QImage image(png);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), view_->exportSize() * view_->devicePixelRatioF());

        const QString svg = scratch_->file(QStringLiteral("uncertainty.svg"));
        QVERIFY2(view_->saveSvg(svg, error), qPrintable(error));
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svgFile);
        QStringList texts;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::Characters) texts << xml.text().toString();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(texts.join(' ').contains(QStringLiteral("median of the replicates")));
        QVERIFY(texts.join(' ').contains(QStringLiteral("1000 replicates, seed 1")));  // the footer

        const QString csv = scratch_->file(QStringLiteral("uncertainty.csv"));
        QVERIFY2(view_->saveCsv(csv, error), qPrintable(error));
        const QStringList lines = linesOfFile(csv);
        QCOMPARE(lines.size(), 102);
        QVERIFY(lines.front().startsWith(QStringLiteral("year,streetTotal_p5,streetTotal_p25,streetTotal_p50,")));
        QCOMPARE(lines.front().count(','), 15);
        // 2004's median is the window's 2004 street total (the rate varies from 2005), as the
        // window's own CSV writes it.
        const QString median2004 = QString::number(windowStreetTotal(2004), 'g', 9);
        QCOMPARE(lines[2004 - kFirstYear + 1].section(',', 3, 3), median2004);
    }
};

QTEST_MAIN(GuiUncertaintyViewTest)
#include "gui_uncertainty_view_test.moc"
