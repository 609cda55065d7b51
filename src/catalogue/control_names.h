#pragma once
// The names of the window's controls that the code reads, writes or listens to, in one place. The
// layout table gives every control its name; handlers, the run, start-up, the command-line driver
// and the window all refer to them through these.

#include <string_view>

namespace karnoth::control {

// Life-history texts, headed "street dogs".
inline constexpr std::string_view txtAdultSurv = "txtAdultSurv";
inline constexpr std::string_view txtJuvSurv = "txtJuvSurv";
inline constexpr std::string_view txtRecruit = "txtRecruit";
inline constexpr std::string_view txtSenile = "txtSenile";
inline constexpr std::string_view txtFecundity = "txtFecundity";
inline constexpr std::string_view txtLitter = "txtLitter";
// Owned dogs.
inline constexpr std::string_view txtCurrentOwnedSteril = "txtCurrentOwnedSteril";
inline constexpr std::string_view vscGainLoss = "vscGainLoss";
// Control panel: culling and the programme.
inline constexpr std::string_view txtFrom = "txtFrom";
inline constexpr std::string_view txtTo = "txtTo";
inline constexpr std::string_view txtStart = "txtStart";
inline constexpr std::string_view txtTimes = "txtTimes";
inline constexpr std::string_view chkSterilise = "chkSterilise";
inline constexpr std::string_view hscSterilise = "hscSterilise";
inline constexpr std::string_view vscTarget = "vscTarget";
// A real town: arrivals, capacity, the programme's end, operations.
inline constexpr std::string_view txtImmigrants = "txtImmigrants";
inline constexpr std::string_view txtCapacity = "txtCapacity";
inline constexpr std::string_view txtCompensation = "txtCompensation";
inline constexpr std::string_view txtStop = "txtStop";
inline constexpr std::string_view txtOperations = "txtOperations";
// Run row and chart.
inline constexpr std::string_view cmdRun = "cmdRun";
inline constexpr std::string_view chkLog = "chkLog";
inline constexpr std::string_view picPlot = "picPlot";

// Captions a handler or a run writes.
inline constexpr std::string_view Label2 = "Label2";  // abandoned per year
inline constexpr std::string_view Label3 = "Label3";  // the survey sentence about 2005
inline constexpr std::string_view Label4 = "Label4";  // programme rate, then its first year
inline constexpr std::string_view Label6 = "Label6";  // currently sterilised per year
inline constexpr std::string_view Label9 = "Label9";  // expected lifespan at birth
inline constexpr std::string_view Label10 = "Label10";  // expected lifespan at one year
inline constexpr std::string_view Label14 = "Label14";  // doubling time and first-year survival
inline constexpr std::string_view Label1_1 = "Label1(1)";  // the juvenile-survival threshold
inline constexpr std::string_view lblCoverage = "lblCoverage";  // street coverage in the target year and 2050
inline constexpr std::string_view lblRebound = "lblRebound";  // how fast the street comes back after a stop

}  // namespace karnoth::control
