#pragma once
// The report's words for a reader who did not run the model: the summary on its first page (what
// is proposed, what it achieves by the target year against the target, its cost, the street
// coverage then, the chance of meeting the target, the rebound after a stop) and the glossary of
// the terms its tables use.

#include "analysis/planner.h"
#include "analysis/target_reach.h"
#include "app/report_chance.h"
#include "panel/reported_window.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace karnoth::render {

// The summary's paragraphs for `programme`, judged by `target`, with the window's rate bar
// (`programmeRate`, tenths of a per cent) and share bar (`ownedShare`, per cent), and its chance of
// meeting the target when one was computed.
QStringList summaryParagraphs(const ReportedProgramme& programme, const PlanSettings& target, int programmeRate,
                              int ownedShare, const std::optional<ReportedChance>& chance = std::nullopt);

// The chance of meeting the target in words: "Chance of success: allowing for what is uncertain
// (adult survival 0.85 to 0.95; year-to-year SD 0.05), the programme meets the target in 87.3 % of
// 998 valid replicates (of 1,000, seed 1)."
QString chanceSentence(const ReportedChance& chance);

// Whether the target is met, in words: "It reaches 50 % of 2025's street dogs only in 2037: misses
// the target of 2035." (`firstYearAtTarget` as for targetReach).
QString targetReachSentence(TargetReach reach, std::optional<int> firstYearAtTarget, const PlanSettings& target,
                            int baselineYear);

// The glossary's terms and their meanings, in the order the report lists them.
std::vector<std::pair<QString, QString>> glossaryEntries();

}  // namespace karnoth::render
