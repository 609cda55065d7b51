#include "panel/report_texts.h"

#include "support/checked_math.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <algorithm>

namespace karnoth {

Phrase doublingTimeLine(double doublingTime, float firstYearSurvival)
{
    return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "intrinsic doubling time %1 years, 1st year survival %2"),
            {formatFixed(doublingTime), formatFixed(firstYearSurvival)}};
}

Phrase currentlySterilisedLine(double sterilisedPerYear)
{
    return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "%1 currently sterilised per year"),
            {formatGrouped(sterilisedPerYear)}};
}

Phrase firstYearSentence(float extraInStart, float ownedExtra, float streetExtra, double H, double T)
{
    return {KARNOTH_TRANSLATE_NOOP(
                "karnoth::Phrase",
                "%1 extra sterilisations in first year, %2 in owned (%3%), %4 in street population (%5%)"),
            {formatGrouped(extraInStart), formatGrouped(ownedExtra), formatWholeOrEmpty(H / 10.0 * T / 100.0),
             formatGrouped(streetExtra), formatWholeOrEmpty((1.0 - T / 100.0) * (H / 10.0))}};
}

Phrase operationsFirstYearSentence(int startYear, float extraInStart, float ownedExtra, float streetExtra,
                                   double operationsPerYear)
{
    return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "in %1: %2 sterilisations (%3 owned, %4 street) of %5 a year"),
            {std::to_string(startYear), formatGrouped(extraInStart), formatGrouped(ownedExtra),
             formatGrouped(streetExtra), formatGrouped(operationsPerYear)}};
}

int coverageTargetYear(int programmeStart)
{
    return std::min(std::max(programmeStart, kFirstYear) + 10, kLastYear);
}

Phrase coverageSentence(const YearlySeries& streetSterilisedShare, int targetYear)
{
    const auto percentIn = [&](int year) { return formatGrouped(double(streetSterilisedShare[year]) * 100.0); };
    if (targetYear == kLastYear)
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "street coverage %1 % in %2"),
                {percentIn(kLastYear), std::to_string(kLastYear)}};
    return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "street coverage %1 % in %2, %3 % in %4"),
            {percentIn(targetYear), std::to_string(targetYear), percentIn(kLastYear), std::to_string(kLastYear)}};
}

Phrase reboundSentence(const std::optional<Rebound>& rebound)
{
    if (!rebound) return {};
    const std::string share = formatGrouped(kReboundShare * 100.0);
    const std::string baseline = std::to_string(rebound->baselineYear);
    if (!rebound->year)
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "not back to %1 % of %2's street dogs by %3"),
                {share, baseline, std::to_string(kLastYear)}};
    const int after = *rebound->yearsAfterStop();
    return {after == 1
                ? KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "back to %1 % of %2's street dogs in %3, %4 year after the "
                                                            "programme stops")
                : KARNOTH_TRANSLATE_NOOP("karnoth::Phrase",
                                         "back to %1 % of %2's street dogs in %3, %4 years after the "
                                         "programme stops"),
            {share, baseline, std::to_string(*rebound->year), std::to_string(after)}};
}

Phrase summarySentence(float streetTotal2005, float streetTotal2000, float abandonedShare2005)
{
    if (streetTotal2000 == 0)
        throw Fault(FaultKind::DivisionByZero,
                    "the street population of 2000 is 0, so the 2005 population cannot be given as "
                    "a per cent of it");
    const double percentOf2000 = checkedDivide(streetTotal2005 * 100.0, streetTotal2000,
                                               "the 2005 street population as a per cent of 2000");
    return {
        KARNOTH_TRANSLATE_NOOP("karnoth::Phrase",
                               "The simulation suggests %1 females in the 2005 street population, of which %2% were "
                               "surviving abandoned dogs, and that the year 2005 population was %3% of "
                               "the year 2000 population"),
        {formatGrouped(streetTotal2005), formatWholeOrEmpty(abandonedShare2005 * 100.0),
         formatWholeOrEmpty(percentOf2000)}};
}

Phrase stoppedRunLine(std::string_view fault)
{
    if (fault.ends_with('.')) fault.remove_suffix(1);
    return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "the last run stopped: %1; the chart shows the run before it"),
            {std::string(fault)}};
}

}  // namespace karnoth
