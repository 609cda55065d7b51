#include "cli/form_state_json.h"

#include "app/yearly_csv.h"
#include "chart/color.h"

#include <cstdlib>

namespace karnoth {
namespace {

// A single as a JSON number with exactly the digits of "%.9g": the double nearest to those
// digits prints back as them.
nlohmann::json single(float value)
{
    return std::strtod(singleText(value).c_str(), nullptr);
}

nlohmann::json opJson(const DrawOp& op)
{
    switch (op.kind) {
    case DrawOp::Kind::Cls: return {{"op", "cls"}};
    case DrawOp::Kind::Line:
        return {{"op", "line"},        {"x1", single(op.x1)}, {"y1", single(op.y1)},
                {"x2", single(op.x2)}, {"y2", single(op.y2)}, {"color", toHex(op.colour)}};
    case DrawOp::Kind::Print: break;
    }
    return {
        {"op", "print"}, {"x", single(op.x1)}, {"y", single(op.y1)}, {"text", op.text}, {"color", toHex(op.colour)}};
}

// The street's rebound after a programme that stops: null when it does not apply, year and
// yearsAfterStop null when the street is not back by 2050.
nlohmann::json reboundJson(const std::optional<Rebound>& rebound)
{
    if (!rebound) return nullptr;
    const auto orNull = [](std::optional<int> value) { return value ? nlohmann::json(*value) : nlohmann::json(); };
    return {{"year", orNull(rebound->year)}, {"yearsAfterStop", orNull(rebound->yearsAfterStop())}};
}

}  // namespace

nlohmann::json seriesJson(const YearlySeries& series)
{
    nlohmann::json values = nlohmann::json::array();
    for (float v : series.values()) values.push_back(single(v));
    return values;
}

nlohmann::json runSeriesJson(const RunSeries& series)
{
    return {{"streetTotal", seriesJson(series.streetTotal)},
            {"streetBreeders", seriesJson(series.streetBreeders)},
            {"extraSterilisations", seriesJson(series.extraSterilisations)},
            {"ownedBreeders", seriesJson(series.ownedBreeders)}};
}

nlohmann::json formStateJson(const Form1& form)
{
    nlohmann::json captions = nlohmann::json::object();
    nlohmann::json texts = nlohmann::json::object();
    nlohmann::json values = nlohmann::json::object();
    for (const Control& control : form.controls()) {
        const std::string name(control.row->name);
        switch (control.row->kind) {
        case ControlKind::Label: captions[name] = control.text; break;
        case ControlKind::TextBox: texts[name] = control.text; break;
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar:
        case ControlKind::CheckBox: values[name] = control.value; break;
        default: break;
        }
    }
    nlohmann::json state;
    state["captions"] = captions;
    state["texts"] = texts;
    state["values"] = values;
    state["formReady"] = form.formReady();
    state["pupsPerYearling"] = single(form.pupsPerYearling());
    state["firstYearSurvival"] = single(form.firstYearSurvival());
    state["errors"] = form.faults();
    state["notices"] = form.notices();
    state["series"] = nullptr;
    state["rebound"] = nullptr;
    if (const auto& series = form.lastSeries()) {
        const ProgrammeOutcome& outcome = *form.lastOutcome();
        state["series"] = runSeriesJson(*series);
        state["series"]["streetSterilisedShare"] = seriesJson(outcome.streetSterilisedShare);
        state["series"]["ownedSterilisedShare"] = seriesJson(outcome.ownedSterilisedShare);
        state["rebound"] = reboundJson(outcome.rebound);
    }
    nlohmann::json ops = nlohmann::json::array();
    for (const DrawOp& op : form.canvas().ops()) ops.push_back(opJson(op));
    state["chart"] = {
        {"width", single(form.canvas().ScaleWidth())}, {"height", single(form.canvas().ScaleHeight())}, {"ops", ops}};
    return state;
}

}  // namespace karnoth
