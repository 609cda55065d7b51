// Analysis -> Sensitivity: opens from the menu, follows the window's runs and its own year and
// delta, shows the fault of a run that could not read its inputs, reads out a bar under the
// pointer, and exports the chart and the table.

#include "analysis/varied_inputs.h"
#include "analysis_view_fixture.h"
#include "catalogue/input_catalogue.h"
#include "gui/analyses/sensitivity_view.h"
#include "gui/analyses/tornado_widget.h"
#include "gui/window/control_value.h"
#include "gui_fixture.h"
#include "render/tornado_chart.h"

#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QXmlStreamReader>

#include <cmath>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

namespace {

// The rows at the window's initial inputs: the eleven older inputs; those of a real town are off.
constexpr std::size_t kOlderInputs = 11;

const SensitivityRow* rowOf(const SensitivityResult& result, InputField field)
{
    for (const SensitivityRow& row : result.rows)
        if (row.field == field) return &row;
    return nullptr;
}

}  // namespace

class GuiSensitivityViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchDirectory> scratch_;
    std::unique_ptr<FormWindow> window_;
    SensitivityView* view_ = nullptr;

    // The street total the window's own last run gives in `year`.
    double windowStreetTotal(int year) const { return window_->form().lastSeries()->streetTotal[year]; }

private slots:
    void init()
    {
        scratch_ = std::make_unique<ScratchDirectory>();
        window_ = startWindow();
        QVERIFY(window_);
        view_ = openFromAnalysisMenu<SensitivityView>(*window_, "sensitivityAction");
        QVERIFY(view_);
        QVERIFY(!view_->isModal());
        QVERIFY(nextResult(*view_, 0));
    }
    void cleanup()
    {
        window_.reset();
        scratch_.reset();
    }

    void opensWithTheTableOfTheWindowsInputs()
    {
        const std::optional<SensitivityResult>& result = view_->result();
        QVERIFY(result);
        QCOMPARE(result->year, 2015);  // the planner's default target year: ten years after the start
        QCOMPARE(result->deltaPercent, 10.0);
        QVERIFY(!result->fault);
        QCOMPARE(*result->outcome, windowStreetTotal(2015));
        QCOMPARE(result->rows.size(), kOlderInputs);
        // The window's adult survival 0.9 moves to 0.81 and 0.99.
        const SensitivityRow* adult = rowOf(*result, InputField::adultSurvival);
        QVERIFY(adult);
        QCOMPARE(adult->value, 0.9);
        QVERIFY(std::abs(adult->low - 0.81) < 1e-12);
        QVERIFY(std::abs(adult->high - 0.99) < 1e-12);
        QVERIFY(view_->statusText().contains(QStringLiteral("Point at a bar")));
        // Opening it again brings back the same view.
        window_->analysisMenu()->findChild<QAction*>(QStringLiteral("sensitivityAction"))->trigger();
        QCOMPARE(window_->findChildren<SensitivityView*>().size(), 1);
    }

    void followsARunOfTheWindow()
    {
        const int before = view_->resultsShown();
        window_->binding().apply(ControlValue::value("hscSterilise", 400));
        QVERIFY(nextResult(*view_, before));
        const SensitivityResult& result = *view_->result();
        QCOMPARE(*result.outcome, windowStreetTotal(2015));
        const SensitivityRow* rate = rowOf(result, InputField::programmeRate);
        QVERIFY(rate);
        QCOMPARE(rate->value, 400.0);
        QCOMPARE(rate->low, 360.0);
        QCOMPARE(rate->high, 440.0);
        QCOMPARE(view_->shownInputs()->inputs.programmeRate, 400.0);
    }

    // The year follows the planner's target (a later start moves it) until the user sets one.
    void theYearFollowsThePlannersTargetUntilSet()
    {
        int before = view_->resultsShown();
        window_->binding().apply(ControlValue::text("txtStart", "2026"));
        QTest::mouseClick(widgetOf<QPushButton>(*window_, "cmdRun"), Qt::LeftButton);
        QVERIFY(nextResult(*view_, before));
        QCOMPARE(view_->result()->year, 2036);
        const SensitivityRow* rate = rowOf(*view_->result(), InputField::programmeRate);
        QVERIFY(rate && rate->elasticity && *rate->elasticity != 0);  // the programme matters by then

        before = view_->resultsShown();
        PlanSettings settings = defaultPlanSettings(2026);
        settings.targetYear = 2045;
        window_->setPlanSettings(settings);
        QVERIFY(nextResult(*view_, before));
        QCOMPARE(view_->result()->year, 2045);

        before = view_->resultsShown();
        view_->yearBox().setValue(2030);
        QVERIFY(nextResult(*view_, before));
        before = view_->resultsShown();
        settings.targetYear = 2040;
        window_->setPlanSettings(settings);
        window_->binding().apply(ControlValue::value("hscSterilise", 300));
        QVERIFY(nextResult(*view_, before));
        QCOMPARE(view_->result()->year, 2030);
    }

    // Each bar in words, the rate in per cent: "10 % higher adult survival: 23 % more street dogs in 2015".
    void aBarReadsInPlainWords()
    {
        const SensitivityResult& result = *view_->result();
        for (std::size_t i = 0; i < result.rows.size(); ++i) {
            const SensitivityRow& row = result.rows[i];
            const QStringList sentences = render::tornadoSentences(result, i);
            QCOMPARE(sentences.size(), 2);
            const QString caption = QString::fromUtf8(inputRow(row.field).caption);
            QVERIFY2(sentences[0].startsWith(QStringLiteral("10 % higher ") + caption + ':'), qPrintable(sentences[0]));
            QVERIFY2(sentences[1].startsWith(QStringLiteral("10 % lower ") + caption + ':'), qPrintable(sentences[1]));
            if (!row.outcomeHigh) {
                QVERIFY(sentences[0].endsWith(QStringLiteral("the run faults")));
                continue;
            }
            const double change = 100 * (*row.outcomeHigh - *result.outcome) / *result.outcome;
            const QString more = change > 0 ? QStringLiteral("more") : QStringLiteral("fewer");
            QVERIFY2(sentences[0].endsWith(QStringLiteral(" % ") + more + QStringLiteral(" street dogs in 2015")),
                     qPrintable(sentences[0]));
        }
        const std::size_t rate = std::size_t(rowOf(result, InputField::programmeRate) - result.rows.data());
        QVERIFY2(render::tornadoReadoutLines(result, rate)
                     .front()
                     .startsWith(QStringLiteral("sterilisation rate: 25.2 %, moved to 22.68 % .. 27.72 %")),
                 qPrintable(render::tornadoReadoutLines(result, rate).front()));
    }

    void followsItsOwnYearAndDelta()
    {
        // Typed and committed with Enter, which leaves the view open.
        int before = view_->resultsShown();
        QTest::keyClick(&view_->yearBox(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&view_->yearBox(), QStringLiteral("2035"));
        QCOMPARE(view_->resultsShown(), before);
        QTest::keyClick(&view_->yearBox(), Qt::Key_Return);
        QVERIFY(nextResult(*view_, before));
        QVERIFY(view_->isVisible());
        QCOMPARE(view_->result()->year, 2035);
        QCOMPARE(*view_->result()->outcome, windowStreetTotal(2035));

        before = view_->resultsShown();
        view_->deltaBox().setValue(25);
        QVERIFY(nextResult(*view_, before));
        const SensitivityRow* share = rowOf(*view_->result(), InputField::ownedShare);
        QVERIFY(share);
        QCOMPARE(share->low, 37.5);  // the window's 50 % share moved by 25 %
        QCOMPARE(share->high, 62.5);
    }

    void aRunThatCouldNotReadItsInputsShowsItsFault()
    {
        const int before = view_->resultsShown();
        window_->binding().apply(ControlValue::text("txtAdultSurv", "abc"));
        QTest::mouseClick(widgetOf<QPushButton>(*window_, "cmdRun"), Qt::LeftButton);
        QVERIFY(nextResult(*view_, before));
        QVERIFY(!window_->form().lastRunInputs());
        QVERIFY2(view_->statusText().contains(QStringLiteral("adult survival")), qPrintable(view_->statusText()));
        QVERIFY(!view_->result());
        QString error;
        QVERIFY(!view_->saveCsv(scratch_->file(QStringLiteral("none.csv")), error));
        QVERIFY(!error.isEmpty());

        // Mended and run again, the table comes back.
        const int mended = view_->resultsShown();
        window_->binding().apply(ControlValue::text("txtAdultSurv", "0.9"));
        QTest::mouseClick(widgetOf<QPushButton>(*window_, "cmdRun"), Qt::LeftButton);
        QVERIFY(nextResult(*view_, mended));
        QVERIFY(view_->result());
    }

    void pointingAtABarReadsItOut()
    {
        TornadoWidget& chart = view_->chart();
        const render::TornadoLayout layout = chart.chartLayout();
        QVERIFY(!layout.rows.empty());
        const QPoint first = layout.rows.front().center().toPoint();
        movePointer(chart, first);
        QCOMPARE(chart.hoveredRow(), std::optional<std::size_t>(0));
        const QStringList lines = chart.readoutAt(first);
        const SensitivityRow& top = view_->result()->rows.front();
        QVERIFY(lines.front().startsWith(QString::fromUtf8(inputRow(top.field).caption)));
        // The adult survival's high end faults at the defaults (0.99 needs juvenile survival below its
        // threshold): its readout carries the message.
        const auto& rows = view_->result()->rows;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].faultHigh)
                QVERIFY(chart.readoutAt(layout.rows[i].center().toPoint())
                            .join('\n')
                            .contains(QString::fromStdString(*rows[i].faultHigh)));
        QVERIFY(!chart.rowAt(QPoint(2, 2)));
    }

    void exportsTheChartAndTheTable()
    {
        QString error;
        const QString png = scratch_->file(QStringLiteral("sensitivity.png"));
        QVERIFY2(view_->savePng(png, error), qPrintable(error));
        const QImage image(png);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), view_->exportSize() * view_->devicePixelRatioF());

        const QString svg = scratch_->file(QStringLiteral("sensitivity.svg"));
        QVERIFY2(view_->saveSvg(svg, error), qPrintable(error));
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svgFile);
        QStringList texts;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::Characters) texts << xml.text().toString();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        const QString all = texts.join(' ');
        QVERIFY(all.contains(QStringLiteral("juvenile survival")));
        QVERIFY(all.contains(QStringLiteral("elasticity")));

        const QString csv = scratch_->file(QStringLiteral("sensitivity.csv"));
        QVERIFY2(view_->saveCsv(csv, error), qPrintable(error));
        const QStringList lines = linesOfFile(csv);
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines.front(), QStringLiteral("year,delta,outcome,input,value,low,high,outcomeLow,outcomeHigh,swing,"
                                               "elasticity,faultLow,faultHigh"));
        // Every row names its year and delta; the adult survival row's high end faults.
        for (const QString& line : lines.mid(1)) QVERIFY(line.startsWith(QStringLiteral("2015,10,")));
        bool adultFaults = false;
        for (const QString& line : lines)
            if (line.contains(QStringLiteral(",adult survival,0.9,"))) adultFaults = line.endsWith('"');
        QVERIFY(adultFaults);
    }

    void aClosedViewCatchesUpWhenShownAgain()
    {
        view_->close();
        const int before = view_->resultsShown();
        window_->binding().apply(ControlValue::value("hscSterilise", 100));
        QCoreApplication::processEvents();
        QCOMPARE(view_->resultsShown(), before);
        QVERIFY(!view_->job().isRunning());
        window_->analysisMenu()->findChild<QAction*>(QStringLiteral("sensitivityAction"))->trigger();
        QVERIFY(nextResult(*view_, before));
        QCOMPARE(view_->result()->rows.size(), kOlderInputs);
        QCOMPARE(view_->shownInputs()->inputs.programmeRate, 100.0);
    }

    void closingTheWindowClosesTheView()
    {
        window_->close();
        QVERIFY(!view_->isVisible());
    }
};

QTEST_MAIN(GuiSensitivityViewTest)
#include "gui_sensitivity_view_test.moc"
