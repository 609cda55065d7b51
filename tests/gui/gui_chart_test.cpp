// The chart's painting from the display list (canvas units stretched onto pixels, texts hanging
// from CurrentY, year labels centred on their ticks, gridlines), its hover readout, and its exports
// (legend and footer, one path per series) and context-menu actions.

#include "gui/window/chart_view.h"
#include "gui_fixture.h"
#include "render/main_chart.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>

#include <cmath>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

namespace {

DrawOp lineOp(float x1, float y1, float x2, float y2, Rgb colour)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.colour = colour;
    return op;
}

DrawOp printOp(float x, float y, std::string text)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Print;
    op.x1 = x;
    op.y1 = y;
    op.text = std::move(text);
    return op;
}

// 200 x 100 pixels showing 1000 x 500 canvas units: 5 units per pixel (no text comes near an edge).
QImage paint(const std::vector<DrawOp>& ops)
{
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    const render::MainChartLayout layout = render::layoutMainChart(ops, QRectF(0, 0, 200, 100), 1000, 500, QFont(),
                                                                   &image);
    render::paintMainChart(painter, layout, QFont(), Qt::white);
    return image;
}

int pixelsOf(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff)) ++count;
    return count;
}

// The longest horizontal run of `colour` in any row.
int longestRunOf(const QImage& image, QRgb colour)
{
    int longest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0, run = 0; x < image.width(); ++x) {
            run = (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    return longest;
}

// Pixels of black text, antialiased.
int darkPixelsOf(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 100 && c.green() < 100 && c.blue() < 100) ++count;
        }
    return count;
}

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool rowHasInk(const QImage& image, int y)
{
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != qRgb(255, 255, 255)) return true;
    return false;
}

}  // namespace

class GuiChartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchDirectory> scratch_;
    std::unique_ptr<FormWindow> window_;

private slots:
    void init()
    {
        scratch_ = std::make_unique<ScratchDirectory>();
        window_ = startWindow();
        QVERIFY(window_);
    }
    void cleanup()
    {
        window_.reset();
        scratch_.reset();
    }

    void linesAreScaledFromCanvasUnitsInTheirColours_data()
    {
        QTest::addColumn<int>("canvasY");
        QTest::addColumn<int>("pixelY");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red across the middle") << 250 << 50 << QColor(255, 0, 0);
        QTest::newRow("blue near the top") << 50 << 10 << QColor(0, 0, 255);
        QTest::newRow("green near the bottom") << 450 << 90 << QColor(0, 255, 0);
    }
    void linesAreScaledFromCanvasUnitsInTheirColours()
    {
        QFETCH(int, canvasY);
        QFETCH(int, pixelY);
        QFETCH(QColor, colour);
        const Rgb rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                      static_cast<std::uint8_t>(colour.blue())};
        const QImage image = paint({lineOp(100, canvasY, 900, canvasY, rgb)});
        QCOMPARE(image.pixelColor(100, pixelY), colour);
        QCOMPARE(image.pixelColor(10, pixelY), QColor(Qt::white));  // the line starts at x = 20 pixels
        QVERIFY(!rowHasInk(image, pixelY - 3));
    }

    void textHangsFromCurrentY()
    {
        const QImage image = paint({printOp(100, 250, " 1990 ")});
        for (int y = 0; y < 50; ++y) QVERIFY2(!rowHasInk(image, y), qPrintable(QString::number(y)));
        bool inked = false;
        for (int y = 50; y < 50 + QFontMetrics(QFont()).height(); ++y) inked = inked || rowHasInk(image, y);
        QVERIFY(inked);
    }

    void yearLabelsAreCentredOnTheirTicks()
    {
        // On 1000 canvas units the year 2000 lies at 500 (5 units a pixel: pixel 100); the plotter
        // prints its label from 15 units to the left and marks it. A text it did not mark stays put.
        DrawOp label = printOp(485, 400, " 2000 ");
        label.part = ChartPart{ChartPart::Kind::YearLabel, 0, 2000, 500};
        const QImage image = paint({label, printOp(100, 50, " 2000 ")});
        int first = -1, last = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 80; y < image.height(); ++y)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                    if (first < 0) first = x;
                    last = x;
                }
        QVERIFY(first >= 0);
        QVERIFY2(std::abs((first + last) / 2.0 - 100.0) <= 1.5,
                 qPrintable(QStringLiteral("%1..%2").arg(first).arg(last)));
        // The other starts at its CurrentX (pixel 20) with the blank the number begins with.
        int start = -1;
        for (int x = 0; x < image.width() && start < 0; ++x)
            for (int y = 10; y < 30; ++y)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) start = x;
        QVERIFY(start > 20 && start < 30);
    }

    void gridlinesAreDrawnOnlyWhenAsked()
    {
        const QColor grid(0xe4, 0xe4, 0xe4);
        const auto gridPixels = [&] {
            const QImage image = window_->chart().grab().toImage();
            return pixelsOf(image, grid.rgb());
        };
        const int without = gridPixels();
        window_->chart().setGridlines(true);
        // Eleven year lines and three value lines, each at least half the chart long.
        QVERIFY(gridPixels() - without > 11 * window_->chart().height() / 3);
    }

    void exportsCarryTheLegendAndAFooter()
    {
        window_->resize(window_->layoutSize());  // room for the legend in one row
        QVERIFY(QTest::qWaitFor([this] { return window_->size() == window_->layoutSize(); }));
        QString error;
        const QString png = scratch_->file(QStringLiteral("chart.png"));
        QVERIFY(window_->chart().savePng(png, error));
        const QImage image(png);
        const QSize chart = window_->chart().chartRect().size();
        QCOMPARE(image.size(), window_->chart().exportSize());
        QCOMPARE(image.width(), chart.width());
        const int footer = image.height() - chart.height();
        QVERIFY(footer >= 3 * QFontMetrics(window_->chart().chartFont()).height());
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
        // The footer's text is black; the chart's own texts are coloured and its lines are not black
        // below the year labels.
        QVERIFY(darkPixelsOf(image.copy(0, chart.height(), chart.width(), footer)) > 100);
        // The legend's box, in a corner clear of the curves, has a grey border.
        QVERIFY(longestRunOf(image.copy(0, 0, chart.width(), chart.height()), qRgb(0xa0, 0xa0, 0xa0)) >= 40);

        const QString svgPath = scratch_->file(QStringLiteral("chart.svg"));
        QVERIFY(window_->chart().saveSvg(svgPath, error));
        const QString svg = readAll(svgPath);
        QVERIFY(svg.contains(QStringLiteral("street females aged one and over")));
        QVERIFY(svg.contains(QStringLiteral("fertile street females")));
        QVERIFY(svg.contains(QStringLiteral("sterilisations per year (right scale)")));
        QVERIFY(svg.contains(QStringLiteral("adult survival 0.9, juvenile survival 0.1")));
        QVERIFY(svg.contains(
            QStringLiteral("4,000 one-year-old females abandoned per year; programme 25.2 % a year from 2005")));
        QVERIFY(svg.contains(QStringLiteral("Karnoth, ") + QDate::currentDate().toString(Qt::ISODate)));
    }

    void theSvgDrawsEachSeriesAsOnePathInARealFont()
    {
        QString error;
        const QString path = scratch_->file(QStringLiteral("chart.svg"));
        QVERIFY(window_->chart().saveSvg(path, error));
        const QString svg = readAll(path);
        QVERIFY(svg.contains("<svg"));
        QVERIFY(svg.contains("female pop."));
        // A tenth of the 231 KB that a line element per display-list line took.
        QVERIFY2(svg.size() < 23 * 1024, qPrintable(QString::number(svg.size())));
        // Each series strokes one path in its own pen: the display list's hundred lines, joined; the
        // legend draws its short line in the same pen, in a group of its own after the legend's box.
        const QStringList groups = svg.split(QStringLiteral("<g "));
        for (const render::SeriesLook& look : render::seriesLooks()) {
            if (look.plotted == kPurple) continue;  // the coverage is not charted here
            const QString stroke = QStringLiteral("stroke=\"%1\"").arg(look.shown.name());
            const QString width = QStringLiteral("stroke-width=\"%1\"").arg(look.weight);
            std::vector<int> shapes;
            for (const QString& group : groups)
                if (group.contains(stroke) && group.contains(width))
                    shapes.push_back(static_cast<int>(group.count(QStringLiteral("<path")) +
                                                      group.count(QStringLiteral("<polyline"))));
            QCOMPARE(shapes, std::vector<int>({1, 1}));
        }
        // No line elements at all: ticks are joined too.
        QCOMPARE(svg.count(QStringLiteral("<line")), 0);
        const QStringList installed = QFontDatabase::families();
        const QRegularExpression family(QStringLiteral("font-family=\"([^\"]*)\""));
        int fonts = 0;
        for (auto it = family.globalMatch(svg); it.hasNext(); ++fonts) {
            const QString name = it.next().captured(1);
            QVERIFY2(installed.contains(name), qPrintable(name));
        }
        QVERIFY(fonts > 0);
        QVERIFY(!svg.contains(QStringLiteral("MS Sans Serif")));
    }

    void theHoverReadoutShowsTheYearAndItsCounts_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("logScale");
        for (const bool log : {false, true})
            for (const int year : {1950, 1999, 2005, 2010, 2050})
                QTest::addRow("%d %s", year, log ? "log" : "linear") << year << log;
    }
    void theHoverReadoutShowsTheYearAndItsCounts()
    {
        QFETCH(int, year);
        QFETCH(bool, logScale);
        if (logScale) {
            QTest::mouseClick(widgetOf<QCheckBox>(*window_, "chkLog"), Qt::LeftButton);
            QTest::mouseClick(widgetOf<QPushButton>(*window_, "cmdRun"), Qt::LeftButton);
            QVERIFY(window_->form().caption("Label3").find("119,813") != std::string::npos);
        }
        ChartView& chart = window_->chart();
        // Year t lies at (t - 2000) * 0.8 / 100 of the canvas width right of its middle; the target
        // rectangle is where the canvas is stretched to.
        const QRectF target = chart.chartLayout().target;
        const double x = target.left() + target.width() * (0.5 + (year - 2000) * 0.008);
        QTest::mouseMove(&chart, QPoint(static_cast<int>(std::lround(x)), chart.height() / 2));
        // On a real display the pointer's move arrives through the event loop.
        QTRY_VERIFY(chart.hoverReadout() && chart.hoverReadout()->year == year);
        const auto readout = chart.hoverReadout();
        const RunSeries& series = *window_->form().lastSeries();  // dog counts, before any log
        QCOMPARE(readout->streetTotal, series.streetTotal[year]);
        QCOMPARE(readout->streetBreeders, series.streetBreeders[year]);
        QCOMPARE(readout->extraSterilisations, series.extraSterilisations[year]);
        if (year == 2005) {
            // Worked apart from the view: the survey sentence's 2005 street females.
            QCOMPARE(render::readoutLines(*readout).join('\n').contains(QStringLiteral(": 119,813")), true);
            QVERIFY(readout->extraSterilisations > 15000);  // 15,474 in the programme's first year
        }
        if (year < 2005) QCOMPARE(readout->extraSterilisations, 0.0f);
        // Half a year beside the chart's years there is nothing to read.
        const double beyond = target.left() + target.width() * (0.5 + (year < 2000 ? -51 : 51) * 0.008);
        QTest::mouseMove(&chart, QPoint(static_cast<int>(std::lround(beyond)), chart.height() / 2));
        QTRY_VERIFY(!chart.hoverReadout());
    }

    void aFaultingRunLeavesTheReadoutOnTheChartItLeft()
    {
        ChartView& chart = window_->chart();
        const float before = window_->form().lastSeries()->streetTotal[2010];
        auto* owned = widgetOf<QLineEdit>(*window_, "txtCurrentOwnedSteril");
        owned->selectAll();
        QTest::keyClicks(owned, QStringLiteral("70"));  // no steady state
        QTest::mouseClick(widgetOf<QPushButton>(*window_, "cmdRun"), Qt::LeftButton);
        QVERIFY(!window_->form().currentFault().empty());
        const QRectF target = chart.chartLayout().target;
        QTest::mouseMove(&chart, QPoint(static_cast<int>(target.left() + target.width() * 0.58), chart.height() / 2));
        QTRY_VERIFY(chart.hoverReadout() && chart.hoverReadout()->year == 2010);
        QCOMPARE(chart.hoverReadout()->streetTotal, before);

        owned->selectAll();
        QTest::keyClicks(owned, QStringLiteral("60"));
        QTest::mouseClick(widgetOf<QPushButton>(*window_, "cmdRun"), Qt::LeftButton);
        QVERIFY(window_->form().currentFault().empty());
        QVERIFY(chart.hoverReadout()->streetTotal != before);
        QCOMPARE(chart.hoverReadout()->streetTotal, window_->form().lastSeries()->streetTotal[2010]);
    }

    void aFileThatCannotBeWrittenIsReportedNotThrown()
    {
        QString error;
        const QString path = scratch_->file(QStringLiteral("no/such/folder/chart"));
        QVERIFY(!window_->chart().savePng(path + ".png", error));
        QVERIFY(!error.isEmpty());
        error.clear();
        QVERIFY(!window_->chart().saveSvg(path + ".svg", error));
        QVERIFY(!error.isEmpty());
    }

    // After a run that stops, the chart still shows the run before it: every export says so with the
    // banner that names the fault, and the yearly data is refused with the same words.
    void aStoppedRunsBannerGoesWithEveryExport()
    {
        QString error;
        const QString good = scratch_->file(QStringLiteral("good.png"));
        QVERIFY(window_->chart().savePng(good, error));
        QCOMPARE(bannerPixels(QImage(good)), 0);

        auto* adult = widgetOf<QLineEdit>(*window_, "txtAdultSurv");
        adult->selectAll();
        QTest::keyClicks(adult, QStringLiteral("1.2"));
        QTest::mouseClick(widgetOf<QPushButton>(*window_, "cmdRun"), Qt::LeftButton);
        const QString banner = QStringLiteral(
            "the last run stopped: adult survival 1.2 is outside its range: at least 0 "
            "and below 1; the chart shows the run before it");
        QCOMPARE(window_->chart().bannerText(), banner);

        const QString png = scratch_->file(QStringLiteral("stopped.png"));
        QVERIFY2(window_->chart().savePng(png, error), qPrintable(error));
        QVERIFY(bannerPixels(QImage(png)) > 500);
        const QString svg = scratch_->file(QStringLiteral("stopped.svg"));
        QVERIFY2(window_->chart().saveSvg(svg, error), qPrintable(error));
        QVERIFY(readAll(svg).contains(QStringLiteral("the last run stopped: adult survival 1.2")));

        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        QVERIFY(!window_->chart().copyYearlyData(error));
        QCOMPARE(error, banner);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void copiesTheYearlyDataAsCsv()
    {
        QString error;
        QVERIFY(window_->chart().copyYearlyData(error));
        const QStringList rows = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 102);
        QVERIFY(rows.front().startsWith(QStringLiteral("year,streetTotal")));
        QVERIFY(rows[1].startsWith(QStringLiteral("1950,")));
        QVERIFY(rows.back().startsWith(QStringLiteral("2050,")));
    }
};

QTEST_MAIN(GuiChartTest)
#include "gui_chart_test.moc"
