#pragma once
// The report sentences a run writes into the window's labels, in the window's number locale.

#include <string>
#include <string_view>

namespace karnoth {

// Label14: "intrinsic doubling time 1.65 years, 1st year survival 0.43" (both "fixed").
std::string doublingTimeLine(double doublingTime, float firstYearSurvival);

// Label6: the owned yearlings owners sterilise each year at equilibrium in "##,##0", then
// " currently sterilised per year".
std::string currentlySterilisedLine(double sterilisedPerYear);

// Label4 in the programme's first year: its sterilisations, owned and street, with the yearly
// per cent of each part ("###"). H is in tenths of a per cent, T the per cent aimed at owned dogs.
std::string firstYearSentence(float extraInStart, float ownedExtra, float streetExtra, double H, double T);

// Label3: the 2005 street population, the share of surviving abandoned dogs in its yearlings, and
// 2005 against 2000 (years fixed, whatever the programme's start). Faults when the 2000 street
// population is 0.
std::string summarySentence(float streetTotal2005, float streetTotal2000, float abandonedShare2005);

// What the chart and its data say when the last run stopped: "the last run stopped: FAULT; the
// chart shows the run before it" (a full stop ending the fault is dropped).
std::string stoppedRunLine(std::string_view fault);

}  // namespace karnoth
