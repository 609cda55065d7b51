#include "analysis/sensitivity_csv.h"

#include "analysis/analysis_csv.h"

namespace karnoth {

std::string sensitivityCsv(const SensitivityResult& result)
{
    std::string csv =
        "year,delta,outcome,input,value,low,high,outcomeLow,outcomeHigh,swing,elasticity,faultLow,faultHigh\n";
    if (result.fault || !result.outcome) return csv;
    for (const SensitivityRow& row : result.rows) {
        csv += std::to_string(result.year);
        csv += ',';
        csv::appendNumber(csv, result.deltaPercent);
        csv += ',';
        csv::appendNumber(csv, *result.outcome);
        csv += ',';
        csv::appendText(csv, fieldCaption(row.field));
        for (double value : {row.value, row.low, row.high}) {
            csv += ',';
            csv::appendNumber(csv, value);
        }
        csv += ',';
        csv::appendNumber(csv, row.outcomeLow);
        csv += ',';
        csv::appendNumber(csv, row.outcomeHigh);
        csv += ',';
        if (!row.faulted()) csv::appendNumber(csv, row.swing());
        csv += ',';
        csv::appendNumber(csv, row.elasticity);
        csv += ',';
        csv::appendText(csv, row.faultLow);
        csv += ',';
        csv::appendText(csv, row.faultHigh);
        csv += '\n';
    }
    return csv;
}

}  // namespace karnoth
