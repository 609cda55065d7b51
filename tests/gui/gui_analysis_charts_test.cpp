// The analyses' drawings without a window: round value axes, the tornado chart (bars from the low
// end's street total to the high end's around the outcome's line, hatched and solid so they read
// apart in grey, faulted ends in words, the row under a point) and the uncertainty bands (years
// across, the bands between their percentiles, the readout of a year).

#include "render/band_chart.h"
#include "render/tornado_chart.h"
#include "render/value_axis.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <set>

using namespace karnoth;
using namespace karnoth::render;

namespace {

SensitivityRow row(InputField field, std::optional<double> low, std::optional<double> high)
{
    SensitivityRow made;
    made.field = field;
    made.value = 1;
    made.low = 0.9;
    made.high = 1.1;
    made.outcomeLow = low;
    made.outcomeHigh = high;
    if (!low) made.faultLow = "the low end's fault";
    if (!high) made.faultHigh = "the high end's fault";
    return made;
}

// Outcome 100: adult survival gives 80 .. 130, juvenile survival 95 .. 105, prob. pregnant faults
// at its high end and gives 90 at its low one.
SensitivityResult handTable()
{
    SensitivityResult result;
    result.year = 2030;
    result.deltaPercent = 10;
    result.outcome = 100;
    result.rows = {row(InputField::adultSurvival, 80, 130), row(InputField::streetJuvenileSurvival, 95, 105),
                   row(InputField::probPregnant, 90, std::nullopt)};
    return result;
}

QImage paintedTornado(const SensitivityResult& result, const TornadoLayout& layout)
{
    QImage image(600, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    paintTornado(painter, layout, result, QFont());
    return image;
}

// The distinct grey levels of the pixels in a box: one for a solid fill, two or more for a hatch.
std::set<int> greysIn(const QImage& image, const QRectF& box)
{
    std::set<int> greys;
    for (int y = static_cast<int>(std::ceil(box.top())) + 2; y < static_cast<int>(box.bottom()) - 1; ++y)
        for (int x = static_cast<int>(std::ceil(box.left())) + 2; x < static_cast<int>(box.right()) - 1; ++x)
            greys.insert(qGray(image.pixel(x, y)));
    return greys;
}

// Percentile i of every year is 1000 (i + 1): 1000, 2000, 3000, 4000, 5000; the run is 5500.
BandChart handBands()
{
    BandChart chart;
    chart.title = QStringLiteral("bands");
    SeriesBands bands;
    for (std::size_t i = 0; i < bands.bands.size(); ++i) bands.bands[i].fill(1000.0 * double(i + 1));
    chart.bands = bands;
    YearlySeries run;
    run.values().fill(5500);
    chart.run = run;
    chart.targetYear = 2030;
    return chart;
}

}  // namespace

class GuiAnalysisChartsTest : public QObject {
    Q_OBJECT

private slots:
    void axesEndOnRoundStepsAroundTheData_data()
    {
        QTest::addColumn<double>("lowest");
        QTest::addColumn<double>("highest");
        QTest::addColumn<int>("most");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("step");
        QTest::newRow("street totals from 0") << 0.0 << 37143.0 << 6 << 0.0 << 40000.0 << 10000.0;
        QTest::newRow("a tornado's span") << 21516.0 << 44723.0 << 6 << 20000.0 << 45000.0 << 5000.0;
        QTest::newRow("a step of 2") << 3.0 << 97.0 << 5 << 0.0 << 100.0 << 20.0;
        QTest::newRow("nothing but 0") << 0.0 << 0.0 << 6 << 0.0 << 1.0 << 0.2;
        QTest::newRow("one value") << 0.5 << 0.5 << 6 << 0.4 << 0.6 << 0.05;
    }
    void axesEndOnRoundStepsAroundTheData()
    {
        QFETCH(double, lowest);
        QFETCH(double, highest);
        QFETCH(int, most);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, step);
        const ValueAxis axis = niceAxis(lowest, highest, most);
        const bool ends = std::abs(axis.low - low) < 1e-9 && std::abs(axis.high - high) < 1e-9;
        QVERIFY2(ends && std::abs(axis.step - step) < 1e-12,
                 qPrintable(QStringLiteral("%1 .. %2 by %3").arg(axis.low).arg(axis.high).arg(axis.step)));
        QVERIFY(axis.ticks.size() <= static_cast<std::size_t>(most) + 1);
        QVERIFY(std::abs(axis.ticks.front() - low) < 1e-9 && std::abs(axis.ticks.back() - high) < 1e-9);
    }

    void tornadoBarsRunFromTheLowEndsTotalToTheHighEndsAroundTheOutcome()
    {
        const SensitivityResult result = handTable();
        const TornadoLayout layout = layoutTornado(result, QRectF(0, 0, 600, 400), QFont(), nullptr);
        QCOMPARE(layout.rows.size(), std::size_t{3});
        for (std::size_t i = 1; i < layout.rows.size(); ++i)
            QVERIFY(layout.rows[i].top() >= layout.rows[i - 1].bottom() - 1e-9);
        QVERIFY(layout.axis.low <= 80 && layout.axis.high >= 130);
        const QImage image = paintedTornado(result, layout);
        const double y = layout.rows[0].center().y();
        const double barTop = y - layout.barHeight / 2;
        const QRectF raised(layout.xOf(100), barTop, layout.xOf(130) - layout.xOf(100), layout.barHeight);
        const QRectF lowered(layout.xOf(80), raised.top(), layout.xOf(100) - layout.xOf(80), layout.barHeight);
        // Solid where the raised input takes it, hatched where the lowered one does: apart in grey.
        QCOMPARE(greysIn(image, raised).size(), std::size_t{1});
        QVERIFY(greysIn(image, lowered).size() >= 2);
        QVERIFY(*greysIn(image, raised).begin() < 250);
        // Nothing of the bar beyond the high end (its street total is written there).
        const QRgb raisedColour = image.pixel(raised.center().toPoint());
        for (int x = static_cast<int>(layout.xOf(130)) + 2; x < static_cast<int>(layout.plot.right()); ++x)
            QVERIFY(image.pixel(x, static_cast<int>(y)) != raisedColour);
        // The faulted row draws no raised part: the words take its place.
        const double faultY = layout.rows[2].center().y();
        const QRectF faultLowered(layout.xOf(90), faultY - layout.barHeight / 2, layout.xOf(100) - layout.xOf(90),
                                  layout.barHeight);
        QVERIFY(greysIn(image, faultLowered).size() >= 2);
        bool words = false;  // dark red, right of the line
        for (int x = static_cast<int>(layout.xOf(100)) + 3; x < static_cast<int>(layout.plot.right()); ++x) {
            const QColor c = image.pixelColor(x, static_cast<int>(faultY));
            words = words || (c.red() > 100 && c.green() < 80 && c.blue() < 80);
        }
        QVERIFY(words);
        QCOMPARE(tornadoRowAt(layout, QPointF(layout.xOf(100), faultY)), std::optional<std::size_t>(2));
        QVERIFY(!tornadoRowAt(layout, QPointF(5, 5)));
    }

    void tornadoReadoutsTellTheEndsAndTheirFaults()
    {
        const SensitivityResult result = handTable();
        const QStringList first = tornadoReadoutLines(result, 0);
        QCOMPARE(first.at(0), QStringLiteral("adult survival: 1, moved to 0.9 .. 1.1"));
        // In words, the raised end first: 130 is 30 % more than 100, 80 is 20 % fewer.
        QCOMPARE(first.at(1), QStringLiteral("10 % higher adult survival: 30 % more street dogs in 2030"));
        QCOMPARE(first.at(2), QStringLiteral("10 % lower adult survival: 20 % fewer street dogs in 2030"));
        QCOMPARE(first.at(3), QStringLiteral("street total in 2030: 80 .. 130 (100 as given)"));
        QVERIFY(first.at(4).startsWith(QStringLiteral("swing 50")));
        const QStringList faulted = tornadoReadoutLines(result, 2);
        QVERIFY2(faulted.at(1).endsWith(QStringLiteral(": the run faults")), qPrintable(faulted.at(1)));
        QCOMPARE(faulted.at(3), QStringLiteral("street total in 2030: 90 .. fault (100 as given)"));
        QCOMPARE(faulted.last(), QStringLiteral("high end: the high end's fault"));
    }

    void aTableThatCouldNotBeMadeDrawsItsFault()
    {
        SensitivityResult result;
        result.year = 2020;
        result.deltaPercent = 10;
        result.fault = "adult survival 1.5 is outside its range";
        const TornadoLayout layout = layoutTornado(result, QRectF(0, 0, 600, 400), QFont(), nullptr);
        QVERIFY(layout.rows.empty());
        QCOMPARE(tornadoTitle(result), QStringLiteral("Street total in 2020: no table"));
        const QImage image = paintedTornado(result, layout);
        QVERIFY(greysIn(image, layout.plot).size() > 1);  // the message is written there
    }

    void bandsLieBetweenTheirPercentilesAcrossTheYears()
    {
        const BandChart chart = handBands();
        const BandChartLayout layout = layoutBandChart(chart, QRectF(0, 0, 600, 400), QFont(), nullptr);
        QCOMPARE(layout.xOfYear(kFirstYear), layout.plot.left());
        QCOMPARE(layout.xOfYear(kLastYear), layout.plot.right());
        QCOMPARE(layout.yOf(0), layout.plot.bottom());
        QVERIFY(layout.axis.low == 0 && layout.axis.high >= 5000);
        QCOMPARE(bandChartYearAt(layout, layout.xOfYear(1987) + 1), std::optional<int>(1987));
        QVERIFY(!bandChartYearAt(layout, layout.xOfYear(kLastYear) + layout.plot.width() / 100));

        QImage image(600, 400, QImage::Format_RGB32);
        QPainter painter(&image);
        paintBandChart(painter, layout, chart, QFont());
        painter.end();
        // Away from the lines (at 1975, clear of the year gridlines): the 50 % band between 2000 and
        // 4000 is solid, the 90 % band's outer parts (1000..2000 and 4000..5000) hatched, and
        // between 5000 and the run's line at 5500 there is nothing.
        const double x = layout.xOfYear(1975);
        const auto box = [&](double from, double to) {
            return QRectF(x - 4, layout.yOf(to) + 3, 8, layout.yOf(from) - layout.yOf(to) - 6);
        };
        QCOMPARE(greysIn(image, box(2600, 2900)).size(), std::size_t{1});
        QVERIFY(*greysIn(image, box(2600, 2900)).begin() < 250);
        QVERIFY(greysIn(image, box(4100, 4900)).size() >= 2);
        QVERIFY(greysIn(image, box(1100, 1900)).size() >= 2);
        QCOMPARE(greysIn(image, box(5100, 5400)), std::set<int>{255});
        QVERIFY(greysIn(image, box(5300, 5700)).size() >= 2);  // the run's line
    }

    void aYearsReadoutTellsTheRunTheMedianAndBothBands()
    {
        QCOMPARE(bandReadoutLines(handBands(), 2012),
                 QStringList({QStringLiteral("2012"), QStringLiteral("the window's run: 5,500"),
                              QStringLiteral("median: 3,000"), QStringLiteral("50 %: 2,000 .. 4,000"),
                              QStringLiteral("90 %: 1,000 .. 5,000")}));
    }
};

QTEST_MAIN(GuiAnalysisChartsTest)
#include "gui_analysis_charts_test.moc"
