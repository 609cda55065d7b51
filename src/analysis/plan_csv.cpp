#include "analysis/plan_csv.h"

#include <charconv>

namespace karnoth {
namespace {

void appendNumber(std::string& csv, double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 9).ptr;
    csv.append(text, end);
}

}  // namespace

std::string planGridCsv(const Plan& plan)
{
    std::string csv =
        "ownedShare,rate,valid,streetTotal,percentOfBaseline,sterilisedOwned,sterilisedStreet,cost,meetsTarget\n";
    csv.reserve(csv.size() + plan.cells.size() * 64);
    for (const PlanCell& cell : plan.cells) {
        csv += std::to_string(cell.ownedShare);
        csv += ',';
        csv += std::to_string(cell.rate);
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
        csv += cell.meetsTarget ? ",1\n" : ",0\n";
    }
    return csv;
}

std::string planTableCsv(const Plan& plan)
{
    std::string csv = "ownedShare,minimalRate,streetTotal,sterilisedOwned,sterilisedStreet,cost\n";
    for (const PlanRow& row : plan.rows) {
        csv += std::to_string(row.ownedShare);
        csv += ',';
        if (row.minimalRate) csv += std::to_string(*row.minimalRate);
        if (row.figures) {
            for (double value : {row.figures->streetTotal, row.figures->sterilisedOwned, row.figures->sterilisedStreet,
                                 row.figures->cost}) {
                csv += ',';
                appendNumber(csv, value);
            }
        } else {
            csv += ",,,,";
        }
        csv += '\n';
    }
    return csv;
}

}  // namespace karnoth
