// Scenarios on common axes: the axes' tops, styles that differ in more than colour, where years and
// counts fall, and the hover readout.

#include "render/scenario_overlay.h"

#include "model/engine.h"

#include "gui_application.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace karnoth::render {
namespace {

struct AxisTopCase {
    double largest;
    double top;
};

class AxisTop : public ::testing::TestWithParam<AxisTopCase> { };

TEST_P(AxisTop, IsTheLeastOfOneTwoTwoAndAHalfAndFiveTimesAPowerOfTenAtLeastTheLargest)
{
    EXPECT_DOUBLE_EQ(niceAxisTop(GetParam().largest), GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(Counts, AxisTop,
                         ::testing::Values(AxisTopCase{119813, 200000}, AxisTopCase{100000, 100000},
                                           AxisTopCase{100001, 200000}, AxisTopCase{2400, 2500},
                                           AxisTopCase{2600, 5000}, AxisTopCase{5001, 10000}, AxisTopCase{0.3, 0.5},
                                           AxisTopCase{0, 1}, AxisTopCase{-5, 1}, AxisTopCase{1.0 / 0.0, 1}));

TEST(OverlayStyles, EightScenariosDifferInColourDashAndMarkerAlike)
{
    std::set<QRgb> colours;
    std::set<std::vector<qreal>> dashes;
    std::set<MarkerShape> markers;
    for (int i = 0; i < kOverlayStyleCount; ++i) {
        const OverlayStyle style = overlayStyle(i);
        colours.insert(style.colour.rgb());
        dashes.insert(std::vector<qreal>(style.dashes.begin(), style.dashes.end()));
        markers.insert(style.marker);
    }
    EXPECT_EQ(colours.size(), 8u);
    EXPECT_EQ(dashes.size(), 8u);
    EXPECT_EQ(markers.size(), 8u);
    EXPECT_EQ(overlayStyle(8).colour, overlayStyle(0).colour);
    for (int i = 0; i < kOverlayStyleCount; ++i) {
        const QColor colour = overlayStyle(i).colour;
        EXPECT_LE((0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue()) / 255.0, 0.6)
            << "style " << i << " fades on grey print";
    }
    EXPECT_EQ(overlayPen(overlayStyle(1), 2).dashPattern(), overlayStyle(1).dashes);
}

// A run whose street total is `level` every year, with breeders a half and sterilisations a tenth.
OverlayLine flatLine(const QString& name, float level, int style)
{
    OverlayLine line{name, {}, style};
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        line.series.streetTotal[year] = level;
        line.series.streetBreeders[year] = level / 2;
        line.series.extraSterilisations[year] = level / 10;
    }
    return line;
}

class OverlayLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { testing::ensureGuiApplication(); }
    QImage image{800, 500, QImage::Format_RGB32};
    QFont font{QStringLiteral("DejaVu Sans"), 9};
    std::vector<OverlayLine> lines{flatLine("low", 40000, 0), flatLine("high", 119813, 1)};
};

TEST_F(OverlayLayoutTest, YearsSpanThePlotAndCountsRiseFromItsBottom)
{
    const QRectF area(10, 20, 780, 460);
    const OverlayLayout layout = overlayLayout(area, lines, OverlayCompanion::None, font, &image);
    EXPECT_TRUE(area.contains(layout.plot));
    EXPECT_DOUBLE_EQ(layout.top, 200000);
    EXPECT_DOUBLE_EQ(layout.rightTop, 0);
    EXPECT_DOUBLE_EQ(layout.xOf(1950), layout.plot.left());
    EXPECT_DOUBLE_EQ(layout.xOf(2050), layout.plot.right());
    EXPECT_DOUBLE_EQ(layout.yOf(0), layout.plot.bottom());
    EXPECT_DOUBLE_EQ(layout.yOf(100000), layout.plot.center().y());
    // The legend lies under the axes, inside the area.
    EXPECT_GE(layout.legend.top(), layout.plot.bottom());
    EXPECT_LE(layout.legend.bottom(), area.bottom() + 1e-9);
    for (int year : {1950, 1977, 2005, 2050}) EXPECT_EQ(layout.yearAt(layout.xOf(year) + 0.3), year);
    const double yearWidth = layout.plot.width() / 100;
    EXPECT_EQ(layout.yearAt(layout.plot.left() - 0.4 * yearWidth), 1950);
    EXPECT_FALSE(layout.yearAt(layout.plot.left() - 0.6 * yearWidth));
    EXPECT_FALSE(layout.yearAt(layout.plot.right() + 0.6 * yearWidth));
}

TEST_F(OverlayLayoutTest, SterilisationsTakeARightScaleOfTheirOwnBreedersShareTheLeft)
{
    const QRectF area(0, 0, 800, 500);
    const OverlayLayout right = overlayLayout(area, lines, OverlayCompanion::Sterilisations, font, &image);
    EXPECT_DOUBLE_EQ(right.rightTop, 20000);  // 11,981 sterilised at most
    EXPECT_DOUBLE_EQ(right.yOfRight(10000), right.plot.center().y());
    const OverlayLayout breeders = overlayLayout(area, lines, OverlayCompanion::Breeders, font, &image);
    EXPECT_DOUBLE_EQ(breeders.rightTop, 0);
    EXPECT_DOUBLE_EQ(breeders.top, 200000);
}

TEST_F(OverlayLayoutTest, TheReadoutGivesEveryScenariosCountsInTheYear)
{
    EXPECT_EQ(overlayReadoutLines(2020, lines, OverlayCompanion::None),
              (QStringList{"2020", "low: 40,000", "high: 119,813"}));
    EXPECT_EQ(overlayReadoutLines(2020, lines, OverlayCompanion::Sterilisations)[2],
              "high: 119,813 (11,981 sterilised)");
    EXPECT_EQ(overlayReadoutLines(2020, lines, OverlayCompanion::Breeders)[1], "low: 40,000 (20,000 fertile)");
}

bool near(const QColor& pixel, const QColor& colour)
{
    return std::abs(pixel.red() - colour.red()) < 60 && std::abs(pixel.green() - colour.green()) < 60 &&
           std::abs(pixel.blue() - colour.blue()) < 60;
}

// Between two years, the columns where some row around `y` is near `colour` (the line is
// antialiased, so one row alone may hold only its blended edge), and those where every such row is
// white paper: a gap between dashes.
std::pair<int, int> lineAndGapColumns(const QImage& image, const OverlayLayout& layout, double y, const QColor& colour)
{
    int line = 0;
    int gap = 0;
    for (int x = static_cast<int>(layout.xOf(2041)) + 5; x <= static_cast<int>(layout.xOf(2049)); ++x) {
        bool hit = false;
        bool paper = true;
        for (int row = static_cast<int>(std::floor(y)) - 1; row <= static_cast<int>(std::ceil(y)) + 1; ++row) {
            hit = hit || near(image.pixelColor(x, row), colour);
            paper = paper && near(image.pixelColor(x, row), Qt::white);
        }
        line += hit ? 1 : 0;
        gap += paper ? 1 : 0;
    }
    return {line, gap};
}

TEST_F(OverlayLayoutTest, EachLineIsPaintedAtItsCountInItsColour)
{
    image.fill(Qt::white);
    QPainter painter(&image);
    const OverlayLayout layout = overlayLayout(QRectF(image.rect()), lines, OverlayCompanion::None, font, &image);
    paintOverlay(painter, layout, lines, OverlayCompanion::None, font);
    painter.end();
    // The first scenario's line is solid black, the second's dashed orange: each in its own colour at
    // its own count, the dashes with gaps of paper between them.
    const auto [solid, solidGaps] = lineAndGapColumns(image, layout, layout.yOf(40000), overlayStyle(0).colour);
    EXPECT_GT(solid, 30);
    EXPECT_EQ(solidGaps, 0);
    EXPECT_EQ(lineAndGapColumns(image, layout, layout.yOf(40000), overlayStyle(1).colour).first, 0);
    const auto [dashed, dashGaps] = lineAndGapColumns(image, layout, layout.yOf(119813), overlayStyle(1).colour);
    EXPECT_GT(dashed, 10);
    EXPECT_GT(dashGaps, 2);
}

// A row keeps the style of its place in the list, so a faulted row leaves its style unused and
// the legend's colours do not shift when a scenario faults.
TEST(ScenarioOverlay, EachRowWithARunIsDrawnInTheStyleOfItsPlace)
{
    ComparisonRow drawn;
    drawn.name = "current";
    drawn.comparison.run = runModel(ModelInputs{}).result();
    const std::vector<ComparisonRow> rows{drawn, faultedRow("impossible", "adult survival 1.5"),
                                          faultedRow("gone", "gone.karnoth does not exist"), drawn};
    const std::vector<OverlayLine> lines = overlayLines(rows);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].name, "current");
    EXPECT_EQ(lines[0].style, 0);
    EXPECT_EQ(lines[1].style, 3);
}

}  // namespace
}  // namespace karnoth::render
