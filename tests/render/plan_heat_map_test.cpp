// The heat map painted into an image: each cell in its band's colour, faulting cells hatched in grey
// on white, the parts laid out one beside the other, and a plan that could not be made painted as
// its reason.

#include "render/plan_heat_map.h"
#include "synthetic_plan.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace karnoth::render {
namespace {

using karnoth::testing::cellOf;
using karnoth::testing::syntheticPlan;

// Fonts need an application; the tests need no display.
class OffscreenApplication : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "plan_heat_map";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] const ::testing::Environment* const kApplication = ::testing::AddGlobalTestEnvironment(
    new OffscreenApplication);

const QRectF kArea(0, 0, 1200, 700);

QImage painted(const Plan& plan, const HeatMapMarks& marks = {})
{
    QImage image(kArea.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::red);  // anything left unpainted shows
    QPainter painter(&image);
    paintPlanHeatMap(painter, kArea, plan, marks, QFont());
    return image;
}

// Share 0: 5 % of the baseline from rate 500 on; share 50: every run from rate 900 on faults.
Plan bandedPlan()
{
    Plan plan = syntheticPlan();
    for (int rate = 500; rate <= 1000; ++rate) {
        PlanCell& cell = cellOf(plan, 0, rate);
        cell.figures.percentOfBaseline = 5;
        cell.meetsTarget = true;
    }
    for (int rate = 900; rate <= 1000; ++rate) {
        PlanCell& cell = cellOf(plan, 50, rate);
        cell.valid = false;
        cell.fault = "more than there are";
    }
    return plan;
}

TEST(PlanHeatMap, PartsLieBesideEachOtherInsideTheArea)
{
    const Plan plan = bandedPlan();
    QImage device(kArea.size().toSize(), QImage::Format_RGB32);
    const HeatMapLayout layout = planHeatMapLayout(kArea, plan, QFont(), &device);
    EXPECT_TRUE(kArea.contains(layout.plot));
    EXPECT_TRUE(kArea.contains(layout.key));
    EXPECT_LE(layout.title.bottom(), layout.plot.top());
    EXPECT_LT(layout.plot.bottom(), layout.key.top());
    EXPECT_LT(layout.plot.right(), layout.scale.left());
    EXPECT_LE(layout.scale.right(), kArea.right());
    EXPECT_DOUBLE_EQ(layout.scale.height(), layout.plot.height());
    EXPECT_GT(layout.plot.width(), kArea.width() / 2);
    EXPECT_EQ(layout.geometry.plot(), layout.plot);
    EXPECT_EQ(layout.geometry.ownedShareStep(), 50);
}

TEST(PlanHeatMap, CellsTakeTheirBandsColourAndFaultingCellsAreHatched)
{
    const Plan plan = bandedPlan();
    const QImage image = painted(plan);
    const HeatMapLayout layout = planHeatMapLayout(kArea, plan, QFont(), const_cast<QImage*>(&image));
    const PercentScale scale = percentScaleFor(50);
    const auto pixel = [&](int share, int rate) {
        const QPointF centre = layout.geometry.cellRect(share, rate).center();
        return image.pixelColor(centre.toPoint());
    };
    EXPECT_EQ(pixel(0, 100), scale.colourOf(150));  // 150 % of the baseline
    EXPECT_EQ(pixel(0, 700), scale.colourOf(5));  // 5 %
    EXPECT_EQ(pixel(100, 950), scale.colourOf(150));
    EXPECT_NE(scale.colourOf(150), scale.colourOf(5));

    // The faulting cells hold only white and the hatching's grey.
    const QRectF hatched = layout.geometry.cellsRect(50, 905, 995).adjusted(2, 2, -2, -2);
    std::set<QRgb> colours;
    for (int y = static_cast<int>(hatched.top()); y < hatched.bottom(); ++y)
        for (int x = static_cast<int>(hatched.left()); x < hatched.right(); ++x) colours.insert(image.pixel(x, y));
    EXPECT_TRUE(colours.count(qRgb(255, 255, 255)));
    EXPECT_TRUE(colours.count(qRgb(0x70, 0x70, 0x70)));
    for (QRgb colour : colours) EXPECT_EQ(qRed(colour), qBlue(colour)) << std::hex << colour;  // grey only

    // Nothing is left unpainted.
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) ASSERT_NE(image.pixel(x, y), qRgb(255, 0, 0)) << x << ", " << y;
}

TEST(PlanHeatMap, MarksTheWindowsSettingAndTheCheapestCell)
{
    Plan plan = bandedPlan();
    plan.cheapest = PlanCheapest{0, 600, {}};
    const QImage image = painted(plan, HeatMapMarks{QPointF(250, 100)});
    const HeatMapLayout layout = planHeatMapLayout(kArea, plan, QFont(), const_cast<QImage*>(&image));
    // The ring's black edge lies 6 pixels from its centre, white inside; the diamond is black inside.
    const QPointF ring = layout.geometry.toPixels(250, 100);
    EXPECT_LT(image.pixelColor((ring + QPointF(6, 0)).toPoint()).lightness(), 60);  // smoothed edge
    EXPECT_EQ(image.pixelColor((ring + QPointF(3, 0)).toPoint()), QColor(Qt::white));
    const QPointF diamond = layout.geometry.toPixels(600, 0);
    EXPECT_EQ(image.pixelColor((diamond + QPointF(2, 0)).toPoint()), QColor(Qt::black));
}

TEST(PlanHeatMap, APlanThatCouldNotBeMadeShowsItsReason)
{
    const Plan plan = unmadePlan(defaultPlanSettings(2005), "the target year 2000 lies outside 2005..2050");
    EXPECT_EQ(heatMapTitle(plan), QStringLiteral("No plan: the target year 2000 lies outside 2005..2050"));
    const QImage image = painted(plan);
    const PercentScale scale = percentScaleFor(50);
    bool dark = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            ASSERT_NE(colour, scale.colourOfBand(15));
            ASSERT_NE(colour, QColor(Qt::red));
            dark = dark || colour.lightness() < 100;
        }
    EXPECT_TRUE(dark);  // the words
}

TEST(PlanHeatMap, TitleAndKeyNameTheTarget)
{
    Plan plan = bandedPlan();
    plan.settings.targetYear = 2030;
    plan.baseline = 119813.375;
    EXPECT_EQ(heatMapTitle(plan),
              QStringLiteral("Street total in 2030 as a percentage of 119,813, the street total in 2004"));
    const QStringList key = heatMapKeyEntries(plan);
    ASSERT_EQ(key.size(), 4);
    EXPECT_EQ(key[0], QStringLiteral("target: at most 50 % in 2030"));
}

}  // namespace
}  // namespace karnoth::render
