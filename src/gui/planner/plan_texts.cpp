#include "gui/planner/plan_texts.h"

#include "support/number_masks.h"

#include <QCoreApplication>

#include <cmath>

namespace karnoth::gui {
namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("karnoth::gui::Planner", text);
}

QString oneDecimal(double value)
{
    return QString::fromStdString(formatOneDecimal(value));
}

// The sterilisations and cost of a figure set, in one line each.
QStringList figureLines(const Plan& plan, const PlanFigures& figures)
{
    const int start = plan.baselineYear.value_or(plan.settings.targetYear - 1) + 1;
    return {translated("street total in %1: %2, %3 % of the baseline")
                .arg(plan.settings.targetYear)
                .arg(wholeText(figures.streetTotal), oneDecimal(figures.percentOfBaseline)),
            translated("sterilisations %1\u2013%2: %3 owned, %4 street, %5 in all")
                .arg(start)
                .arg(plan.settings.targetYear)
                .arg(wholeText(figures.sterilisedOwned), wholeText(figures.sterilisedStreet),
                     wholeText(figures.sterilisedOwned + figures.sterilisedStreet)),
            translated("cost %1").arg(wholeText(figures.cost))};
}

}  // namespace

QString ratePercentText(int rate)
{
    return oneDecimal(rate / 10.0) + QStringLiteral(" %");
}

QString wholeText(double value)
{
    return std::isfinite(value) ? QString::fromStdString(formatGrouped(value)) : QStringLiteral("?");
}

QStringList cellDetailLines(const Plan& plan, const PlanCell& cell)
{
    QStringList lines{
        translated("rate %1 a year, %2 % aimed at owned dogs").arg(ratePercentText(cell.rate)).arg(cell.ownedShare)};
    if (!cell.valid) {
        lines << translated("the run faults: %1").arg(QString::fromStdString(cell.fault));
        return lines;
    }
    lines << figureLines(plan, cell.figures);
    lines << (cell.meetsTarget ? translated("meets the target") : translated("misses the target"));
    return lines;
}

QStringList planSummaryLines(const Plan& plan)
{
    if (plan.fault) return {translated("No plan: %1").arg(QString::fromStdString(*plan.fault))};
    QStringList lines{translated("Baseline: %1 street females aged one and over in %2; the target is at most %3 "
                                 "(%4 %) in %5.")
                          .arg(wholeText(*plan.baseline))
                          .arg(*plan.baselineYear)
                          .arg(wholeText(*plan.baseline * plan.settings.targetPercent / 100),
                               QString::fromStdString(formatPlain(plan.settings.targetPercent)))
                          .arg(plan.settings.targetYear)};
    if (!plan.cheapest) {
        lines << translated("No programme on the grid meets the target.");
        return lines;
    }
    const PlanFigures& cheapest = plan.cheapest->figures;
    lines << translated("Cheapest: rate %1 a year, %2 % aimed at owned dogs, cost %3 (%4 owned and %5 street "
                        "sterilisations).")
                 .arg(ratePercentText(plan.cheapest->rate))
                 .arg(plan.cheapest->ownedShare)
                 .arg(wholeText(cheapest.cost), wholeText(cheapest.sterilisedOwned),
                      wholeText(cheapest.sterilisedStreet));
    return lines;
}

QString calibrationSummary(const Calibration& calibration)
{
    const double difference = calibration.difference;
    // A small difference keeps two decimals, so that it never reads as 0 when it is not.
    const double size = std::abs(difference);
    const QString amount = size < 10 ? QString::fromStdString(formatFixed(size)) : wholeText(size);
    const QString count = wholeText(calibration.count);
    const QString nearness = difference == 0  ? translated("exactly the count of %1").arg(count)
                             : difference > 0 ? translated("%1 above the count of %2").arg(amount, count)
                                              : translated("%1 below the count of %2").arg(amount, count);
    QString text = translated("Abandoned per year set to %1: the street total in %2 is %3, %4.")
                       .arg(wholeText(calibration.abandonedPerYear))
                       .arg(calibration.surveyYear)
                       .arg(wholeText(calibration.streetTotal), nearness);
    if (!calibration.reached)
        text += QLatin1Char(' ') + translated("No value of the abandonment bar reaches the count; this is the nearest "
                                              "it can give.");
    return text;
}

}  // namespace karnoth::gui
