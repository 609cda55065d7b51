#include "panel/report_texts.h"

#include "support/checked_math.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <algorithm>

namespace karnoth {

std::string doublingTimeLine(double doublingTime, float firstYearSurvival)
{
    return "intrinsic doubling time " + formatFixed(doublingTime) + " years, 1st year survival " +
           formatFixed(firstYearSurvival);
}

std::string currentlySterilisedLine(double sterilisedPerYear)
{
    return formatGrouped(sterilisedPerYear) + " currently sterilised per year";
}

std::string firstYearSentence(float extraInStart, float ownedExtra, float streetExtra, double H, double T)
{
    return formatGrouped(extraInStart) + " extra sterilisations in first year, " + formatGrouped(ownedExtra) +
           " in owned (" + formatWholeOrEmpty(H / 10.0 * T / 100.0) + "%), " + formatGrouped(streetExtra) +
           " in street population (" + formatWholeOrEmpty((1.0 - T / 100.0) * (H / 10.0)) + "%)";
}

std::string operationsFirstYearSentence(int startYear, float extraInStart, float ownedExtra, float streetExtra,
                                        double operationsPerYear)
{
    return "in " + std::to_string(startYear) + ": " + formatGrouped(extraInStart) + " sterilisations (" +
           formatGrouped(ownedExtra) + " owned, " + formatGrouped(streetExtra) + " street) of " +
           formatGrouped(operationsPerYear) + " a year";
}

int coverageTargetYear(int programmeStart)
{
    return std::min(std::max(programmeStart, kFirstYear) + 10, kLastYear);
}

std::string coverageSentence(const YearlySeries& streetSterilisedShare, int targetYear)
{
    const auto percentIn = [&](int year) {
        return formatGrouped(double(streetSterilisedShare[year]) * 100.0) + " % in " + std::to_string(year);
    };
    if (targetYear == kLastYear) return "street coverage " + percentIn(kLastYear);
    return "street coverage " + percentIn(targetYear) + ", " + percentIn(kLastYear);
}

std::string reboundSentence(const std::optional<Rebound>& rebound)
{
    if (!rebound) return {};
    const std::string share = formatGrouped(kReboundShare * 100.0) + " % of " + std::to_string(rebound->baselineYear) +
                              "'s street dogs";
    if (!rebound->year) return "not back to " + share + " by " + std::to_string(kLastYear);
    const int after = *rebound->yearsAfterStop();
    return "back to " + share + " in " + std::to_string(*rebound->year) + ", " + std::to_string(after) +
           (after == 1 ? " year" : " years") + " after the programme stops";
}

std::string summarySentence(float streetTotal2005, float streetTotal2000, float abandonedShare2005)
{
    if (streetTotal2000 == 0)
        throw Fault(FaultKind::DivisionByZero,
                    "the street population of 2000 is 0, so the 2005 population cannot be given as "
                    "a per cent of it");
    const double percentOf2000 = checkedDivide(streetTotal2005 * 100.0, streetTotal2000,
                                               "the 2005 street population as a per cent of 2000");
    return "The simulation suggests " + formatGrouped(streetTotal2005) +
           " females in the 2005 street population, of which " + formatWholeOrEmpty(abandonedShare2005 * 100.0) +
           "% were surviving abandoned dogs" + ", and that the year 2005 population was " +
           formatWholeOrEmpty(percentOf2000) + "% of the year 2000 population";
}

std::string stoppedRunLine(std::string_view fault)
{
    if (fault.ends_with('.')) fault.remove_suffix(1);
    return "the last run stopped: " + std::string(fault) + "; the chart shows the run before it";
}

}  // namespace karnoth
