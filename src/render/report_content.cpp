#include "render/report_content.h"

#include "catalogue/input_catalogue.h"
#include "panel/form_inputs.h"
#include "render/input_help.h"

#include "render/report_words.h"
#include "render/translated_phrase.h"

#include <QCoreApplication>

#include <algorithm>

namespace karnoth::render {
namespace {

using report_words::ReportWords;

// "caption: value" as the user reads the value ("adult survival: 0.85").
QString captionAndValue(std::string_view name, const std::string& text, int value)
{
    return describeInput(name).caption + QStringLiteral(": ") + inputValueText(name, text, value);
}

// The field's inputs are listed only where they change the run: a box left empty (arrivals: at
// their default 0), and the compensation while no capacity is set, tell a reader nothing.
bool leftOff(const InputSetting& setting, const ReportedWindow& window)
{
    const InputRow* row = findInput(setting.control);
    if (!row) return false;
    if (row->conversion == Conversion::optionalNumberText || row->conversion == Conversion::optionalYearText)
        return blankText(setting.text) || setting.text == row->defaultText;
    if (setting.control == control::txtCompensation) {
        const auto capacity = std::find_if(window.inputs.begin(), window.inputs.end(),
                                           [](const InputSetting& s) { return s.control == control::txtCapacity; });
        return capacity != window.inputs.end() && blankText(capacity->text);
    }
    return false;
}

}  // namespace

std::vector<ReportInput> reportInputs(const ReportedWindow& window)
{
    const std::optional<std::string_view> atFault = controlNamedBy(window.runFaultField);
    std::vector<ReportInput> inputs;
    for (const InputSetting& setting : window.inputs) {
        const InputRow* row = findInput(setting.control);
        if (row && row->chartOnly) continue;
        if (leftOff(setting, window) && atFault != setting.control) continue;
        const InputDescription description = describeInput(setting.control);
        inputs.push_back({description.caption, inputValueText(setting.control, setting.text, setting.value),
                          description.unit, atFault == setting.control});
    }
    return inputs;
}

QString inputDifferences(const std::vector<InputSetting>& differences)
{
    QStringList shown;
    for (const InputSetting& setting : differences)
        shown << captionAndValue(setting.control, setting.text, setting.value);
    return shown.join(QStringLiteral("; "));
}

ReportContent reportContent(const ReportedWindow& window, std::vector<ComparisonRow> comparison,
                            const ReportRequest& request)
{
    const auto windowEntry = std::find_if(window.scenarios.begin(), window.scenarios.end(),
                                          [](const ReportedScenario& s) { return s.window; });
    ReportContent content;
    content.title = ReportWords::tr("Karnoth report: %1")
                        .arg(QString::fromStdString(windowEntry == window.scenarios.end() ? "current"
                                                                                          : windowEntry->name));
    content.details = request.details;
    content.date = request.date;
    for (const ReportedScenario& entry : window.scenarios) {
        ReportScenario scenario{
            QString::fromStdString(entry.name), QString::fromStdString(entry.notes), {}, entry.window};
        if (entry.stored) {
            const QString differences = inputDifferences(entry.differences);
            scenario.differences = differences.isEmpty()
                                       ? ReportWords::tr("The same inputs as the window.")
                                       : ReportWords::tr("Differs from the window in: %1.").arg(differences);
        } else if (!entry.window) {
            scenario.differences = QString::fromStdString(entry.fault);
        }
        content.scenarios.push_back(scenario);
    }
    content.inputs = reportInputs(window);
    content.runFault = translatedFault(window.runFault, window.runFaultPhrase);
    content.programme = window.programme;
    content.programmeProblem = QString::fromStdString(window.programmeProblem);
    content.programmeRate = window.programmeRate;
    content.ownedShare = window.ownedShare;
    content.years = window.years;
    for (const std::string& sentence : window.sentences) content.sentences << QString::fromStdString(sentence);
    content.chartOps = window.chartOps;
    content.chartScaleWidth = window.chartWidth;
    content.chartScaleHeight = window.chartHeight;
    content.logScale = window.logScale;
    content.firstYearShown = window.firstYearShown;
    content.plan = request.plan;
    content.planMark = QPointF(window.programmeRate, window.ownedShare);
    content.target = request.target;
    if (comparison.size() > 1) {
        content.overlay = overlayLines(comparison);
        content.comparison = std::move(comparison);
    }
    content.companion = request.companion;
    return content;
}

}  // namespace karnoth::render
