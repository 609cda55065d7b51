#pragma once
// The report sentences a run writes into the window's labels, in the window's number locale. The
// ones beyond the window's first design are phrases (a pattern and its numbers), which the window
// shows translated; their text() is the English every other reader takes.

#include "model/rebound.h"
#include "support/phrase.h"
#include "support/yearly_series.h"

#include <optional>
#include <string>
#include <string_view>

namespace karnoth {

// Label14: "intrinsic doubling time 1.65 years, 1st year survival 0.43" (both "fixed").
Phrase doublingTimeLine(double doublingTime, float firstYearSurvival);

// Label6: the owned yearlings owners sterilise each year at equilibrium in "##,##0", then
// " currently sterilised per year".
Phrase currentlySterilisedLine(double sterilisedPerYear);

// Label4 in the programme's first year: its sterilisations, owned and street, with the yearly
// per cent of each part ("###"). H is in tenths of a per cent, T the per cent aimed at owned dogs.
Phrase firstYearSentence(float extraInStart, float ownedExtra, float streetExtra, double H, double T);

// Label4 in the first year of a programme of a number of operations a year, where the rate's per
// cents do not apply: "in 2005: 3,000 sterilisations (100 owned, 2,900 street) of 3,000 a year"
// (the counts in "##,##0").
Phrase operationsFirstYearSentence(int startYear, float extraInStart, float ownedExtra, float streetExtra,
                                   double operationsPerYear);

// The year the street coverage is stated in beside 2050: the planner's own default target, ten
// years after the programme's start (from 1950 at the earliest), 2050 at the latest.
int coverageTargetYear(int programmeStart);

// lblCoverage: the street coverage (sterilised share of street females aged one and over, a share
// 0..1 by year) in per cent ("##,##0") in `targetYear` and in 2050: "street coverage 64 % in 2035,
// 71 % in 2050"; the 2050 figure alone when the target year is 2050.
Phrase coverageSentence(const YearlySeries& streetSterilisedShare, int targetYear);

// lblRebound: "back to 90 % of 2025's street dogs in 2041, 6 years after the programme stops", or
// "not back to 90 % of 2025's street dogs by 2050"; empty when there is no rebound to tell of.
Phrase reboundSentence(const std::optional<Rebound>& rebound);

// Label3: the 2005 street population, the share of surviving abandoned dogs in its yearlings, and
// 2005 against 2000 (years fixed, whatever the programme's start). Faults when the 2000 street
// population is 0.
Phrase summarySentence(float streetTotal2005, float streetTotal2000, float abandonedShare2005);

// What the chart and its data say when the last run stopped: "the last run stopped: FAULT; the
// chart shows the run before it" (a full stop ending the fault is dropped).
Phrase stoppedRunLine(std::string_view fault);

}  // namespace karnoth
