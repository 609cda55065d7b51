#include "analysis/plan_csv.h"

#include <charconv>
#include <optional>

namespace karnoth {
namespace {

void appendNumber(std::string& csv, double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 9).ptr;
    csv.append(text, end);
}

// The scan's value at step `rate`: the rate, or operations a year.
void appendScanValue(std::string& csv, const Plan& plan, int rate)
{
    if (plan.operationsStep)
        appendNumber(csv, plan.scanValue(rate));
    else
        csv += std::to_string(rate);
}

void appendOperationsAndCoverage(std::string& csv, const std::optional<PlanFigures>& figures)
{
    if (!figures) {
        csv += ",,,";
        return;
    }
    for (double value : {figures->operationsFirstYear, figures->operationsMeanPerYear, figures->streetCoverage}) {
        csv += ',';
        appendNumber(csv, value);
    }
}

}  // namespace

std::string planGridCsv(const Plan& plan)
{
    return planGridCsv(plan, nullptr);
}

std::string planGridCsv(const Plan& plan, const RobustPlan* robust)
{
    const bool withProbability = robust && !robust->rows.empty();
    std::string csv = std::string("ownedShare,") + (plan.operationsStep ? "operations" : "rate") +
                      ",valid,streetTotal,percentOfBaseline,sterilisedOwned,sterilisedStreet,cost,meetsTarget,"
                      "operationsFirstYear,operationsMeanPerYear,streetCoverage" +
                      (robust ? ",probability\n" : "\n");
    csv.reserve(csv.size() + plan.cells.size() * 96);
    for (const PlanCell& cell : plan.cells) {
        csv += std::to_string(cell.ownedShare);
        csv += ',';
        appendScanValue(csv, plan, cell.rate);
        csv += cell.valid ? ",1" : ",0";
        if (cell.valid) {
            for (double value : {cell.figures.streetTotal, cell.figures.percentOfBaseline, cell.figures.sterilisedOwned,
                                 cell.figures.sterilisedStreet, cell.figures.cost}) {
                csv += ',';
                appendNumber(csv, value);
            }
        } else {
            csv += ",,,,,";
        }
        csv += cell.meetsTarget ? ",1" : ",0";
        appendOperationsAndCoverage(csv, cell.valid ? std::optional(cell.figures) : std::nullopt);
        if (robust) csv += ',';
        if (withProbability)
            if (const std::optional<double> probability = robust->probability(cell.ownedShare, cell.rate))
                appendNumber(csv, *probability);
        csv += '\n';
    }
    return csv;
}

std::string planTableCsv(const Plan& plan)
{
    std::string csv = std::string("ownedShare,") + (plan.operationsStep ? "minimalOperations" : "minimalRate") +
                      ",streetTotal,sterilisedOwned,sterilisedStreet,cost,operationsFirstYear,operationsMeanPerYear,"
                      "streetCoverage\n";
    for (const PlanRow& row : plan.rows) {
        csv += std::to_string(row.ownedShare);
        csv += ',';
        if (row.minimalRate) appendScanValue(csv, plan, *row.minimalRate);
        if (row.figures) {
            for (double value : {row.figures->streetTotal, row.figures->sterilisedOwned, row.figures->sterilisedStreet,
                                 row.figures->cost}) {
                csv += ',';
                appendNumber(csv, value);
            }
        } else {
            csv += ",,,,";
        }
        appendOperationsAndCoverage(csv, row.figures);
        csv += '\n';
    }
    return csv;
}

}  // namespace karnoth
