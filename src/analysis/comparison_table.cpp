#include "analysis/comparison_table.h"

#include "analysis/target_reach.h"
#include "support/number_masks.h"

#include <charconv>

namespace karnoth {
namespace {

constexpr std::string_view kKilledMark = " *";

void appendNumber(std::string& csv, double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 9).ptr;
    csv.append(text, end);
}

void appendText(std::string& csv, const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        csv += text;
        return;
    }
    csv += '"';
    for (const char c : text) {
        if (c == '"') csv += '"';
        csv += c;
    }
    csv += '"';
}

}  // namespace

ComparisonRow faultedRow(std::string name, std::string fault)
{
    ComparisonRow row;
    row.name = std::move(name);
    row.comparison.fault = std::move(fault);
    return row;
}

std::vector<std::string> comparisonHeadings(const PlanSettings& settings)
{
    const std::string target = std::to_string(settings.targetYear);
    return {"scenario",
            "street total before the start",
            "street total " + target,
            "street total " + std::to_string(kLastYear),
            "sterilised owned",
            "sterilised street",
            "sterilised total",
            "cost",
            "first at the target"};
}

namespace {

// The last cell: the first year at the target's level, and whether that misses the target.
std::string firstAtTargetCell(const ComparisonFigures& f, const PlanSettings& settings)
{
    const std::string target = std::to_string(settings.targetYear);
    const bool atTarget = atTargetLevel(f.streetTotalInTargetYear, f.baseline, settings.targetPercent);
    switch (targetReach(f.firstYearMet, atTarget, settings.targetYear)) {
    case TargetReach::inTargetYear:
    case TargetReach::early: return std::to_string(*f.firstYearMet);
    case TargetReach::late: return std::to_string(*f.firstYearMet) + ": misses the target of " + target;
    case TargetReach::never: return "never: misses the target of " + target;
    case TargetReach::againAbove:
        return std::to_string(*f.firstYearMet) + ", above it again in " + target + ": misses the target";
    }
    return {};
}

}  // namespace

std::vector<std::string> comparisonCells(const ComparisonRow& row, const PlanSettings& settings)
{
    std::vector<std::string> cells(comparisonHeadings({}).size());
    cells[0] = row.killedDiffers ? row.name + std::string(kKilledMark) : row.name;
    if (!row.comparison.figures) {
        cells[1] = row.comparison.fault.value_or("");
        return cells;
    }
    const ComparisonFigures& f = *row.comparison.figures;
    cells[1] = formatGrouped(f.baseline) + " in " + std::to_string(f.baselineYear);
    cells[2] = formatGrouped(f.streetTotalInTargetYear);
    cells[3] = formatGrouped(f.streetTotalIn2050);
    cells[4] = formatGrouped(f.sterilisedOwned);
    cells[5] = formatGrouped(f.sterilisedStreet);
    cells[6] = formatGrouped(f.sterilisedTotal);
    cells[7] = formatGrouped(f.cost);
    cells[8] = firstAtTargetCell(f, settings);
    return cells;
}

std::string killedMarkNote()
{
    return "*: the scenario's culling records differ from killed.txt; its row runs on its own records, the "
           "window's on killed.txt's.";
}

std::string comparisonCsv(const std::vector<ComparisonRow>& rows, const PlanSettings& settings)
{
    std::string csv = "name,baselineYear,baseline,targetYear,streetTotalInTargetYear,streetTotalIn2050,sterilisedOwned,"
                      "sterilisedStreet,sterilisedTotal,cost,firstYearMet,killedDiffers,fault\n";
    for (const ComparisonRow& row : rows) {
        appendText(csv, row.name);
        if (const auto& f = row.comparison.figures) {
            csv += ',' + std::to_string(f->baselineYear) + ',';
            appendNumber(csv, f->baseline);
            csv += ',' + std::to_string(settings.targetYear);
            for (double value : {f->streetTotalInTargetYear, f->streetTotalIn2050, f->sterilisedOwned,
                                 f->sterilisedStreet, f->sterilisedTotal, f->cost}) {
                csv += ',';
                appendNumber(csv, value);
            }
            csv += ',' + (f->firstYearMet ? std::to_string(*f->firstYearMet) : std::string("never"));
        } else {
            csv += ",,,,,,,,,,";
        }
        csv += row.killedDiffers ? ",1," : ",0,";
        if (row.comparison.fault) appendText(csv, *row.comparison.fault);
        csv += '\n';
    }
    return csv;
}

}  // namespace karnoth
