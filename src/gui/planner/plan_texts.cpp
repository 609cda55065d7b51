#include "gui/planner/plan_texts.h"

#include "support/number_masks.h"

#include <QCoreApplication>

#include <cmath>

namespace karnoth::gui {
namespace {

// The planner's words, in their own translation context.
struct PlannerWords {
    Q_DECLARE_TR_FUNCTIONS(karnoth::gui::Planner)
};

QString oneDecimal(double value)
{
    return QString::fromStdString(formatOneDecimal(value));
}

// Step `rate` of the scan in a sentence: "rate 13.6 %" or "1,200 operations".
QString scanPhrase(std::optional<double> operationsStep, int rate)
{
    return operationsStep ? scanStepText(operationsStep, rate) : PlannerWords::tr("rate %1").arg(ratePercentText(rate));
}
QString scanPhrase(const Plan& plan, int rate)
{
    return scanPhrase(plan.operationsStep, rate);
}

QString confidenceText(double confidence)
{
    return QString::fromStdString(formatPlain(confidence));
}

// The sterilisations and cost of a figure set, in one line each.
QStringList figureLines(const Plan& plan, const PlanFigures& figures)
{
    const int start = plan.baselineYear.value_or(plan.settings.targetYear - 1) + 1;
    return {PlannerWords::tr("street total in %1: %2, %3 % of the baseline")
                .arg(plan.settings.targetYear)
                .arg(wholeText(figures.streetTotal), oneDecimal(figures.percentOfBaseline)),
            PlannerWords::tr("sterilisations %1\u2013%2: %3 owned, %4 street, %5 in all")
                .arg(start)
                .arg(plan.settings.targetYear)
                .arg(wholeText(figures.sterilisedOwned), wholeText(figures.sterilisedStreet),
                     wholeText(figures.sterilisedOwned + figures.sterilisedStreet)),
            PlannerWords::tr("cost %1").arg(wholeText(figures.cost)),
            PlannerWords::tr("operations a year: %1 in %2, %3 on average over the programme's years")
                .arg(wholeText(figures.operationsFirstYear))
                .arg(start)
                .arg(wholeText(figures.operationsMeanPerYear)),
            PlannerWords::tr("street coverage in %1: %2 %")
                .arg(plan.settings.targetYear)
                .arg(coveragePercentText(figures.streetCoverage))};
}

}  // namespace

QString ratePercentText(int rate)
{
    return oneDecimal(rate / 10.0) + QStringLiteral(" %");
}

QString scanValueText(const Plan& plan, int rate)
{
    return scanStepText(plan.operationsStep, rate);
}

QString scanStepText(std::optional<double> operationsStep, int rate)
{
    if (!operationsStep) return ratePercentText(rate);
    return PlannerWords::tr("%1 operations").arg(wholeText(rate * *operationsStep));
}

QString coveragePercentText(double share)
{
    return oneDecimal(100 * share);
}

QString perMonthCount(const PlanFigures& figures)
{
    return wholeText(std::round(figures.operationsMeanPerYear / 12));
}

QString perMonthText(const PlanFigures& figures)
{
    return PlannerWords::tr("about %1 operations a month").arg(perMonthCount(figures));
}

QString wholeText(double value)
{
    return std::isfinite(value) ? QString::fromStdString(formatGrouped(value)) : QStringLiteral("?");
}

QStringList cellDetailLines(const Plan& plan, const PlanCell& cell)
{
    QStringList lines{
        PlannerWords::tr("%1 a year, %2 % aimed at owned dogs").arg(scanPhrase(plan, cell.rate)).arg(cell.ownedShare)};
    if (!cell.valid) {
        lines << PlannerWords::tr("the run faults: %1").arg(QString::fromStdString(cell.fault));
        return lines;
    }
    lines << figureLines(plan, cell.figures);
    lines << (cell.meetsTarget ? PlannerWords::tr("meets the target") : PlannerWords::tr("misses the target"));
    return lines;
}

QStringList planSummaryLines(const Plan& plan)
{
    if (plan.fault) return {PlannerWords::tr("No plan: %1").arg(QString::fromStdString(*plan.fault))};
    QStringList lines{PlannerWords::tr("Baseline: %1 street females aged one and over in %2; the target is at most %3 "
                                       "(%4 %) in %5.")
                          .arg(wholeText(*plan.baseline))
                          .arg(*plan.baselineYear)
                          .arg(wholeText(*plan.baseline * plan.settings.targetPercent / 100),
                               QString::fromStdString(formatPlain(plan.settings.targetPercent)))
                          .arg(plan.settings.targetYear)};
    if (!plan.cheapest) {
        lines << PlannerWords::tr("No programme on the grid meets the target.");
        return lines;
    }
    const PlanFigures& cheapest = plan.cheapest->figures;
    lines << PlannerWords::tr("Cheapest: %1 a year (%2), %3 % aimed at owned dogs, cost %4 (%5 owned and %6 street "
                              "sterilisations).")
                 .arg(scanPhrase(plan, plan.cheapest->rate), perMonthText(cheapest))
                 .arg(plan.cheapest->ownedShare)
                 .arg(wholeText(cheapest.cost), wholeText(cheapest.sterilisedOwned),
                      wholeText(cheapest.sterilisedStreet));
    // The cheapest cell need not be its share's minimal rate: a faster programme brings the street
    // down sooner, and fewer dogs are left to sterilise in the years that follow.
    const std::size_t row = static_cast<std::size_t>(plan.cheapest->ownedShare / plan.settings.ownedShareStep);
    if (row < plan.rows.size() && plan.rows[row].minimalRate && *plan.rows[row].minimalRate < plan.cheapest->rate)
        lines << PlannerWords::tr(
                     "That is above the minimal %1 of its share: a faster programme reaches the target with "
                     "fewer operations in all.")
                     .arg(scanPhrase(plan, *plan.rows[row].minimalRate));
    return lines;
}

QString robustRateText(const RobustPlan& plan, const RobustRow& row)
{
    if (row.probability.empty()) return QStringLiteral("-");
    return row.minimalRate ? scanStepText(plan.operationsStep, *row.minimalRate) : PlannerWords::tr("none");
}

QStringList robustCellDetailLines(const RobustPlan& plan, const RobustRow& row, int rate)
{
    QStringList lines{PlannerWords::tr("%1 a year, %2 % aimed at owned dogs")
                          .arg(scanPhrase(plan.operationsStep, rate))
                          .arg(row.ownedShare)};
    if (row.probability.empty()) {
        lines << PlannerWords::tr("every replicate faults at rate 0 for this share");
        return lines;
    }
    lines << PlannerWords::tr("meets the target in %1 % of %2 valid replicates")
                 .arg(oneDecimal(100 * row.probability[static_cast<std::size_t>(rate)]))
                 .arg(row.valid);
    if (row.faulted > 0) lines << PlannerWords::tr("%1 replicates fault at rate 0 and are left out").arg(row.faulted);
    return lines;
}

QStringList robustSummaryLines(const RobustPlan& plan)
{
    const QString confidence = confidenceText(plan.confidence);
    if (plan.fault)
        return {PlannerWords::tr("No plan at %1 %: %2").arg(confidence, QString::fromStdString(*plan.fault))};
    QStringList lines;
    if (plan.cheapest)
        lines << PlannerWords::tr("Cheapest at %1 %: owned share %2 %, %3, cost %4.")
                     .arg(confidence)
                     .arg(plan.cheapest->ownedShare)
                     .arg(scanPhrase(plan.operationsStep, plan.cheapest->rate), wholeText(plan.cheapest->figures.cost));
    else
        lines << PlannerWords::tr("No owned share meets the target in %1 % of the replicates.").arg(confidence);
    if (plan.faulted > 0)
        lines << PlannerWords::tr("Up to %1 of %2 replicates fault at rate 0 and are left out of their share.")
                     .arg(plan.faulted)
                     .arg(plan.replicates);
    return lines;
}

QString calibrationSummary(const Calibration& calibration)
{
    const double difference = calibration.difference;
    // A small difference keeps two decimals, so that it never reads as 0 when it is not.
    const double size = std::abs(difference);
    const QString amount = size < 10 ? QString::fromStdString(formatFixed(size)) : wholeText(size);
    const QString count = wholeText(calibration.count);
    const QString nearness = difference == 0  ? PlannerWords::tr("exactly the count of %1").arg(count)
                             : difference > 0 ? PlannerWords::tr("%1 above the count of %2").arg(amount, count)
                                              : PlannerWords::tr("%1 below the count of %2").arg(amount, count);
    const char* sentence = QT_TRANSLATE_NOOP("karnoth::gui::Planner",
                                             "Abandoned per year set to %1: the street total in %2 is %3, %4.");
    const char* unreachable = QT_TRANSLATE_NOOP(
        "karnoth::gui::Planner", "No value of the abandonment bar reaches the count; this is the nearest it can give.");
    switch (calibration.adjusted) {
    case CalibratedInput::abandonedPerYear: break;
    case CalibratedInput::immigrantsPerYear:
        sentence = QT_TRANSLATE_NOOP("karnoth::gui::Planner",
                                     "Immigrants per year set to %1: the street total in %2 is %3, %4.");
        unreachable = QT_TRANSLATE_NOOP("karnoth::gui::Planner", "No number of immigrants from 0 to 30,000 reaches the "
                                                                 "count; this is the nearest they give.");
        break;
    case CalibratedInput::carryingCapacity:
        sentence = QT_TRANSLATE_NOOP("karnoth::gui::Planner",
                                     "Carrying capacity set to %1: the street total in %2 is %3, %4.");
        unreachable = QT_TRANSLATE_NOOP("karnoth::gui::Planner", "No carrying capacity from 1 to 10,000,000 reaches "
                                                                 "the count; this is the nearest it gives.");
        break;
    }
    QString text = PlannerWords::tr(sentence)
                       .arg(wholeText(calibration.value))
                       .arg(calibration.surveyYear)
                       .arg(wholeText(calibration.streetTotal), nearness);
    if (!calibration.reached) text += QLatin1Char(' ') + PlannerWords::tr(unreachable);
    return text;
}

}  // namespace karnoth::gui
