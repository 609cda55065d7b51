#include "app/report_gathering.h"

#include "app/form1.h"
#include "catalogue/control_names.h"
#include "catalogue/input_catalogue.h"

#include <algorithm>

namespace karnoth {

std::vector<InputSetting> differingSettings(const Scenario& scenario, const std::vector<InputSetting>& window)
{
    std::vector<InputSetting> differing;
    for (const InputSetting& setting : window) {
        const std::string key(setting.control);
        if (const auto text = scenario.texts.find(key); text != scenario.texts.end()) {
            if (text->second != setting.text) differing.push_back({setting.control, text->second, 0, setting.checkBox});
        } else if (const auto value = scenario.values.find(key); value != scenario.values.end()) {
            if (value->second != setting.value)
                differing.push_back({setting.control, {}, value->second, setting.checkBox});
        }
    }
    return differing;
}

GatheredReport gatherReport(const Form1& ran, std::vector<ListedScenario> listed, const PlanSettings& target)
{
    GatheredReport gathered;
    ReportedWindow& window = gathered.window;
    for (const InputRow& input : kInputCatalogue) {
        const Control& control = ran.control(input.control);
        window.inputs.push_back(
            {input.control, control.text, control.value, control.row->kind == ControlKind::CheckBox});
    }
    window.runFault = ran.runFault();
    window.runFaultField = ran.runFaultField();
    if (window.runFault.empty()) {
        for (const std::string_view label : {control::Label14, control::Label6, control::Label4, control::Label3})
            window.sentences.push_back(ran.caption(label));
        window.chartOps = ran.canvas().ops();
    }
    window.chartWidth = ran.canvas().ScaleWidth();
    window.chartHeight = ran.canvas().ScaleHeight();
    window.logScale = ran.isChecked(control::chkLog);
    window.programmeRate = ran.value(control::hscSterilise);
    window.ownedShare = ran.value(control::vscTarget);

    if (std::none_of(listed.begin(), listed.end(), [](const ListedScenario& s) { return s.window; }))
        listed.insert(listed.begin(), ListedScenario::ofWindow("current"));
    for (const ListedScenario& entry : listed) {
        ReportedScenario scenario{entry.name, entry.notes, entry.window, entry.stored.has_value(), {}, entry.fault};
        if (entry.stored) scenario.differences = differingSettings(*entry.stored, window.inputs);
        window.scenarios.push_back(std::move(scenario));
    }
    if (listed.size() > 1) gathered.comparison = comparisonRows(listed, ran, target);
    return gathered;
}

}  // namespace karnoth
