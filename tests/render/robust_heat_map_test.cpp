// The map of probabilities: the five bands and their names, each band lighter than the one below it
// (so the map reads in grey), cells painted in their band's colour, a share without a valid
// replicate hatched, and the line along the robust minimal rates.

#include "render/robust_heat_map.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace karnoth::render {
namespace {

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
    char name_[16] = "robust_heat_map";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] const ::testing::Environment* const kApplication = ::testing::AddGlobalTestEnvironment(
    new OffscreenApplication);

const QRectF kArea(0, 0, 1200, 700);

// Shares 0, 50 and 100. Share 0: probability 0.3 below rate 300, 0.85 up to 599, 1 from 600, so its
// robust rate at 90 % is 600; share 50: no valid replicate; share 100: 0.6 everywhere, no rate.
RobustPlan threeShares()
{
    RobustPlan plan;
    plan.settings = defaultPlanSettings(2005);
    plan.settings.ownedShareStep = 50;
    plan.confidence = 90;
    plan.replicates = 10;
    RobustRow low{0, 10, 0, std::vector<double>(kPlanRateCount, 0.3), 600, std::nullopt};
    for (int rate = 300; rate < 600; ++rate) low.probability[std::size_t(rate)] = 0.85;
    for (int rate = 600; rate <= 1000; ++rate) low.probability[std::size_t(rate)] = 1;
    plan.rows = {low, RobustRow{50, 0, 10, {}, std::nullopt, std::nullopt},
                 RobustRow{100, 10, 0, std::vector<double>(kPlanRateCount, 0.6), std::nullopt, std::nullopt}};
    return plan;
}

TEST(RobustHeatMap, BandsStartAt50And80And90And95PerCent)
{
    const std::pair<double, int> cases[] = {{0, 0},      {0.4999, 0}, {0.5, 1},    {0.7999, 1}, {0.8, 2},
                                            {0.8999, 2}, {0.9, 3},    {0.9499, 3}, {0.95, 4},   {1, 4}};
    for (const auto& [probability, band] : cases) EXPECT_EQ(probabilityBand(probability), band) << probability;
    EXPECT_EQ(probabilityBandLabel(0), QStringLiteral("0-50 %"));
    EXPECT_EQ(probabilityBandLabel(3), QStringLiteral("90-95 %"));
    EXPECT_EQ(probabilityBandLabel(4), QStringLiteral("95-100 %"));
}

TEST(RobustHeatMap, EachBandIsClearlyLighterThanTheOneBelow)
{
    for (int band = 1; band < kProbabilityBandCount; ++band)
        EXPECT_GE(qGray(probabilityBandColour(band).rgb()) - qGray(probabilityBandColour(band - 1).rgb()), 30) << band;
}

TEST(RobustHeatMap, CellsTakeTheirBandsColourAndAShareWithoutReplicatesIsHatched)
{
    const RobustPlan plan = threeShares();
    QImage image(kArea.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::red);
    {
        QPainter painter(&image);
        paintRobustHeatMap(painter, kArea, plan, HeatMapMarks{}, QFont());
    }
    const HeatMapGeometry geometry = robustHeatMapLayout(kArea, plan, QFont(), &image).geometry;
    const auto colourAt = [&](int share, int rate) {
        return image.pixelColor(geometry.cellRect(share, rate).center().toPoint());
    };
    EXPECT_EQ(colourAt(0, 100), probabilityBandColour(0));
    EXPECT_EQ(colourAt(0, 450), probabilityBandColour(2));
    EXPECT_EQ(colourAt(0, 800), probabilityBandColour(4));
    EXPECT_EQ(colourAt(100, 500), probabilityBandColour(1));
    // Hatching: white and grey only, across the row.
    const QRect row = geometry.cellsRect(50, 0, 1000).toAlignedRect().adjusted(4, 4, -4, -4);
    for (int x = row.left(); x < row.right(); x += 7) {
        const QColor pixel = image.pixelColor(x, row.center().y());
        EXPECT_EQ(pixel.red(), pixel.blue()) << x;
    }
}

TEST(RobustHeatMap, TheLineRunsAlongEachSharesRobustRate)
{
    const RobustPlan plan = threeShares();
    const HeatMapGeometry geometry(QRectF(0, 0, 1001, 300), 50);
    const std::vector<QLineF> lines = robustBoundary(plan, geometry);
    // Share 0 at the left edge of rate 600; shares 50 and 100 at the right edge of the map; one
    // join between shares 0 and 50.
    ASSERT_EQ(lines.size(), std::size_t(4));
    EXPECT_DOUBLE_EQ(lines[0].x1(), geometry.xOfRate(599.5));
    EXPECT_DOUBLE_EQ(lines[0].x2(), geometry.xOfRate(599.5));
    EXPECT_DOUBLE_EQ(lines[1].y1(), geometry.yOfShare(25));
    EXPECT_DOUBLE_EQ(lines[1].x2(), geometry.xOfRate(1000.5));
    EXPECT_DOUBLE_EQ(lines[2].x1(), geometry.xOfRate(1000.5));
    EXPECT_DOUBLE_EQ(lines[3].x1(), geometry.xOfRate(1000.5));
    EXPECT_TRUE(robustBoundary(RobustPlan{}, geometry).empty());
}

TEST(RobustHeatMap, APlanThatCouldNotBeMadeIsPaintedAsItsReason)
{
    RobustPlan plan;
    plan.confidence = 90;
    plan.fault = "the range of adult survival is not a number";
    EXPECT_EQ(robustHeatMapTitle(plan), QStringLiteral("No plan at 90 %: the range of adult survival is not a number"));
    QImage image(kArea.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    paintRobustHeatMap(painter, kArea, plan, HeatMapMarks{}, QFont());
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
}

}  // namespace
}  // namespace karnoth::render
