#include "render/report_content.h"

#include "catalogue/control_names.h"
#include "panel/form_inputs.h"
#include "render/input_help.h"

#include <QCoreApplication>

#include <algorithm>

namespace karnoth::render {
namespace {

QString translated(const char* text) { return QCoreApplication::translate("karnoth::render::Report", text); }

// "caption: value" as the user reads the value ("adult survival: 0.85").
QString captionAndValue(std::string_view name, const std::string& text, int value)
{
    return describeInput(name).caption + QStringLiteral(": ") + inputValueText(name, text, value);
}

}  // namespace

std::vector<ReportInput> reportInputs(const Form1& form)
{
    const std::optional<std::string_view> atFault = controlNamedBy(form.runFaultField());
    std::vector<ReportInput> inputs;
    for (const std::string_view name : describedInputs()) {
        const Control& control = form.control(name);
        const InputDescription description = describeInput(name);
        const bool check = control.row->kind == ControlKind::CheckBox;
        inputs.push_back({description.caption, inputValueText(name, control.text, control.value),
                          check ? QString() : description.unit, atFault == name});
    }
    return inputs;
}

QStringList reportSentences(const Form1& form)
{
    QStringList sentences;
    for (const std::string_view label : {control::Label14, control::Label6, control::Label4, control::Label3})
        sentences << QString::fromStdString(form.caption(label));
    return sentences;
}

QString inputDifferences(const Scenario& scenario, const Form1& form)
{
    QStringList differences;
    for (const std::string_view name : describedInputs()) {
        const Control& control = form.control(name);
        const std::string key(name);
        if (const auto text = scenario.texts.find(key); text != scenario.texts.end()) {
            if (text->second != control.text) differences << captionAndValue(name, text->second, 0);
        } else if (const auto value = scenario.values.find(key); value != scenario.values.end()) {
            if (value->second != control.value) differences << captionAndValue(name, {}, value->second);
        }
    }
    return differences.join(QStringLiteral("; "));
}

ReportContent reportContent(const Form1& window, const ReportRequest& request)
{
    const Form1 form = window.copyAfterRun();
    std::vector<ListedScenario> listed = request.listed;
    const auto windowListed = std::find_if(listed.begin(), listed.end(), [](const ListedScenario& s) { return s.window; });
    if (windowListed == listed.end()) listed.insert(listed.begin(), ListedScenario::ofWindow("current"));
    const ListedScenario& windowEntry =
        *std::find_if(listed.begin(), listed.end(), [](const ListedScenario& s) { return s.window; });

    ReportContent content;
    content.title = translated("Karnoth report: %1").arg(QString::fromStdString(windowEntry.name));
    content.date = request.date;
    for (const ListedScenario& entry : listed) {
        ReportScenario scenario{QString::fromStdString(entry.name), QString::fromStdString(entry.notes), {}, entry.window};
        if (entry.stored) {
            const QString differences = inputDifferences(*entry.stored, form);
            scenario.differences = differences.isEmpty() ? translated("The same inputs as the window.")
                                                         : translated("Differs from the window in: %1.").arg(differences);
        } else if (!entry.window) {
            scenario.differences = QString::fromStdString(entry.fault);
        }
        content.scenarios.push_back(scenario);
    }
    content.inputs = reportInputs(form);
    content.runFault = QString::fromStdString(form.runFault());
    if (content.runFault.isEmpty()) {
        content.sentences = reportSentences(form);
        content.chartOps = form.canvas().ops();
    }
    content.chartScaleWidth = form.canvas().ScaleWidth();
    content.chartScaleHeight = form.canvas().ScaleHeight();
    content.logScale = form.isChecked(control::chkLog);
    content.plan = request.plan;
    content.planMark = QPointF(form.value(control::hscSterilise), form.value(control::vscTarget));
    content.comparisonTarget = request.target;
    if (listed.size() > 1) {
        content.comparison = comparisonRows(listed, form, request.target);
        content.overlay = overlayLines(content.comparison);
    }
    content.companion = request.companion;
    return content;
}

}  // namespace karnoth::render
