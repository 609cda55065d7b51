#include "render/report_summary.h"

#include "catalogue/input_catalogue.h"
#include "model/rebound.h"
#include "render/input_help.h"
#include "render/report_words.h"
#include "render/translated_phrase.h"
#include "support/number_masks.h"

#include <QCoreApplication>

#include <cmath>

namespace karnoth::render {
namespace {

using report_words::grouped;
using report_words::plain;
using report_words::ReportWords;

// What is proposed: its years, its rate or operations, whom it is aimed at, and its operations.
QString proposalParagraph(const ReportedProgramme& programme, int programmeRate, int ownedShare)
{
    const QString years =
        programme.stop ? ReportWords::tr("from %1 to %2, when it stops").arg(programme.start).arg(*programme.stop)
                       : ReportWords::tr("from %1 to %2, the last year projected").arg(programme.start).arg(kLastYear);
    const QString effort = programme.operationsPerYear
                               ? ReportWords::tr("%1 operations a year").arg(grouped(*programme.operationsPerYear))
                               : ReportWords::tr("a yearly rate of %1 %").arg(plain(programmeRate / 10.0));
    return ReportWords::tr(
               "Proposed: a sterilisation programme %1, at %2, %3 % aimed at owned dogs and %4 % at street dogs. "
               "It makes %5 operations in %6, its first year, and %7 a year on average.")
        .arg(years, effort)
        .arg(ownedShare)
        .arg(100 - ownedShare)
        .arg(grouped(programme.firstYearOperations))
        .arg(programme.start)
        .arg(grouped(programme.averageOperations));
}

QString achievementParagraph(const ReportedProgramme& programme, const PlanSettings& target)
{
    const double percentOfBaseline = programme.baseline > 0
                                         ? programme.streetTotalInTargetYear * 100 / programme.baseline
                                         : 0;
    const QString level =
        ReportWords::tr("By %1, the target year, the street holds %2 females aged one and over: %3 % of "
                        "the baseline, %4 in %5, the year before the programme starts. The target is at "
                        "most %6 %.")
            .arg(target.targetYear)
            .arg(grouped(programme.streetTotalInTargetYear), grouped(percentOfBaseline), grouped(programme.baseline))
            .arg(programme.baselineYear)
            .arg(plain(target.targetPercent));
    const bool atTarget = atTargetLevel(programme.streetTotalInTargetYear, programme.baseline, target.targetPercent);
    const TargetReach reach = targetReach(programme.firstYearMet, atTarget, target.targetYear);
    return level + QLatin1Char(' ') +
           targetReachSentence(reach, programme.firstYearMet, target, programme.baselineYear);
}

QString costParagraph(const ReportedProgramme& programme, const PlanSettings& target)
{
    return ReportWords::tr(
               "From %1 to %2 it takes %3 operations on owned and %4 on street females. At %5 an owned and %6 a "
               "street operation, as the planner counts cost, that is %7.")
        .arg(programme.start)
        .arg(target.targetYear)
        .arg(grouped(programme.sterilisedOwned), grouped(programme.sterilisedStreet), plain(target.costOwned),
             plain(target.costStreet), grouped(programme.cost));
}

// A range as the user gave it: the input's caption and its ends in the input's unit.
QString rangeWords(const ParameterRange& range)
{
    const InputRow& row = inputRow(range.field);
    const auto end = [&](double value) {
        return row.conversion == Conversion::barValue
                   ? inputValueText(row.control, {}, static_cast<int>(std::lround(value)))
                   : QString::number(value, 'g', 6);
    };
    return ReportWords::tr("%1 %2 to %3").arg(inputCaption(row.control), end(range.low), end(range.high));
}

}  // namespace

QString chanceSentence(const ReportedChance& chance)
{
    QStringList uncertain;
    for (const ParameterRange& range : chance.ranges) uncertain << rangeWords(range);
    if (chance.chance.yearToYearSd > 0)
        uncertain << ReportWords::tr("year-to-year SD %1").arg(plain(chance.chance.yearToYearSd));
    if (chance.chance.wholeDogs) uncertain << ReportWords::tr("whole dogs");
    if (chance.anchored) uncertain << ReportWords::tr("every replicate matched to the counted street dogs");
    const QString what = uncertain.join(QStringLiteral("; "));
    if (!chance.probability)
        return ReportWords::tr("Chance of success: it cannot be told, allowing for what is uncertain (%1): %2.")
            .arg(what, QString::fromStdString(chance.fault.value_or("")));
    return ReportWords::tr(
               "Chance of success: allowing for what is uncertain (%1), the programme meets the target in %2 % "
               "of %3 valid replicates (of %4, seed %5).")
        .arg(what, plain(std::round(*chance.probability * 1000) / 10), grouped(static_cast<double>(chance.valid)),
             grouped(static_cast<double>(chance.replicates)))
        .arg(chance.seed);
}

QString targetReachSentence(TargetReach reach, std::optional<int> firstYearAtTarget, const PlanSettings& target,
                            int baselineYear)
{
    const QString level =
        ReportWords::tr("%1 % of %2's street dogs").arg(plain(target.targetPercent)).arg(baselineYear);
    const int first = firstYearAtTarget.value_or(0);
    switch (reach) {
    case TargetReach::inTargetYear:
        return ReportWords::tr("It reaches %1 in %2: meets the target of %3.")
            .arg(level)
            .arg(first)
            .arg(target.targetYear);
    case TargetReach::early: {
        const int years = target.targetYear - first;
        if (years == 1)
            return ReportWords::tr("It reaches %1 in %2, a year early: meets the target of %3.")
                .arg(level)
                .arg(first)
                .arg(target.targetYear);
        return ReportWords::tr("It reaches %1 in %2, %4 years early: meets the target of %3.")
            .arg(level)
            .arg(first)
            .arg(target.targetYear)
            .arg(years);
    }
    case TargetReach::late:
        return ReportWords::tr("It reaches %1 only in %2: misses the target of %3.")
            .arg(level)
            .arg(first)
            .arg(target.targetYear);
    case TargetReach::never:
        return ReportWords::tr("It does not reach %1 by %2: misses the target of %3.")
            .arg(level)
            .arg(kLastYear)
            .arg(target.targetYear);
    case TargetReach::againAbove:
        return ReportWords::tr("It reaches %1 in %2 but is above it again in %3: misses the target of %3.")
            .arg(level)
            .arg(first)
            .arg(target.targetYear);
    }
    return {};
}

QStringList summaryParagraphs(const ReportedProgramme& programme, const PlanSettings& target, int programmeRate,
                              int ownedShare, const std::optional<ReportedChance>& chance)
{
    QStringList paragraphs{
        proposalParagraph(programme, programmeRate, ownedShare), achievementParagraph(programme, target),
        costParagraph(programme, target),
        ReportWords::tr("In %1, %2 % of the street females aged one and over are sterilised (the street "
                        "coverage).")
            .arg(target.targetYear)
            .arg(grouped(programme.coverageInTargetYear * 100))};
    if (chance) paragraphs << chanceSentence(*chance);
    if (!programme.rebound.text().empty())
        paragraphs << ReportWords::tr("Once the programme stops after %1, the street is %2.")
                          .arg(*programme.stop)
                          .arg(translatedPhrase(programme.rebound));
    return paragraphs;
}

std::vector<std::pair<QString, QString>> glossaryEntries()
{
    return {
        {ReportWords::tr("street total"),
         ReportWords::tr(
             "The street females aged one and over, fertile and sterilised. The model counts females only.")},
        {ReportWords::tr("street breeders"),
         ReportWords::tr("The fertile street females of breeding age: those that can have "
                         "litters.")},
        {ReportWords::tr("operations"),
         ReportWords::tr("The programme's sterilisations of owned and street females in a year.")},
        {ReportWords::tr("street coverage"),
         ReportWords::tr(
             "The share of the street females aged one and over that are sterilised, at the end of a year.")},
        {ReportWords::tr("programme rate"),
         ReportWords::tr("The per cent of the fertile females the programme sterilises each year; or, when a number of "
                         "operations a year is given, that number.")},
        {ReportWords::tr("owned share"),
         ReportWords::tr("The per cent of the programme aimed at owned dogs; the rest is aimed at "
                         "street dogs.")},
        {ReportWords::tr("baseline"),
         ReportWords::tr("The street total in the year before the programme starts. The target is a "
                         "per cent of it, to be reached by the target year.")},
        {ReportWords::tr("rebound"),
         ReportWords::tr(
             "After a programme stops, the street dogs come back: the rebound is the year the street total is "
             "again at %1 % of the baseline.")
             .arg(plain(kReboundShare * 100))},
    };
}

}  // namespace karnoth::render
