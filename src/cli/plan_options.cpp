#include "cli/plan_options.h"

#include "analysis/calibration.h"
#include "analysis/plan_csv.h"
#include "catalogue/control_names.h"
#include "cli/option_values.h"
#include "panel/capacity_compensation.h"
#include "panel/window_inputs.h"
#include "support/fault.h"
#include "support/numeric_text.h"
#include "support/quoted_text.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

namespace karnoth {
namespace {

// What the options asked for, shared by the callbacks that parse them and those that report.
struct PlanOptions {
    bool planned = false;
    PlanSettings settings;
    std::optional<Plan> plan;  // made once, when first reported

    struct CalibrationEvent {
        int year = 0;
        double count = 0;
        CalibratedInput adjusted = CalibratedInput::abandonedPerYear;
        std::optional<Calibration> result;  // nullopt when it faulted
    };
    std::optional<CalibrationEvent> calibration;  // the last --calibrate applied
    CalibratedInput adjusted = CalibratedInput::abandonedPerYear;  // what every --calibrate adjusts

    BatchRunner runner;

    const Plan& planFor(Form1& form)
    {
        if (!plan) plan = planAtWindow(form, settings, runner);
        return *plan;
    }
};

// The plan's settings with `value`'s part set by `set`; refused when the planner refuses them.
template <class Set>
void setSettings(PlanSettings& settings, const OptionValue& value, Set set)
{
    PlanSettings changed = settings;
    set(changed);
    if (std::optional<std::string> problem = planSettingsProblem(changed)) value.refuse(*problem);
    settings = changed;
}

nlohmann::json rowJson(const Plan& plan, const PlanRow& planRow)
{
    const std::optional<PlanFigures>& figures = planRow.figures;
    nlohmann::json row;
    row["ownedShare"] = planRow.ownedShare;
    if (plan.operationsStep)
        row["minimalOperations"] = planRow.minimalRate ? jsonNumber(plan.scanValue(*planRow.minimalRate))
                                                       : nlohmann::json(nullptr);
    else
        row["minimalRate"] = planRow.minimalRate ? nlohmann::json(*planRow.minimalRate) : nlohmann::json(nullptr);
    row["streetTotal"] = figures ? jsonNumber(figures->streetTotal) : nlohmann::json(nullptr);
    row["sterilisedOwned"] = figures ? jsonNumber(figures->sterilisedOwned) : nlohmann::json(nullptr);
    row["sterilisedStreet"] = figures ? jsonNumber(figures->sterilisedStreet) : nlohmann::json(nullptr);
    row["cost"] = figures ? jsonNumber(figures->cost) : nlohmann::json(nullptr);
    row["operationsFirstYear"] = figures ? jsonNumber(figures->operationsFirstYear) : nlohmann::json(nullptr);
    row["operationsMeanPerYear"] = figures ? jsonNumber(figures->operationsMeanPerYear) : nlohmann::json(nullptr);
    row["streetCoverage"] = figures ? jsonNumber(figures->streetCoverage) : nlohmann::json(nullptr);
    return row;
}

nlohmann::json planJson(const Plan& plan)
{
    nlohmann::json json;
    json["targetYear"] = plan.settings.targetYear;
    json["targetPercent"] = jsonNumber(plan.settings.targetPercent);
    json["baselineYear"] = plan.baselineYear ? nlohmann::json(*plan.baselineYear) : nlohmann::json(nullptr);
    json["baseline"] = plan.baseline ? jsonNumber(*plan.baseline) : nlohmann::json(nullptr);
    json["costOwned"] = jsonNumber(plan.settings.costOwned);
    json["costStreet"] = jsonNumber(plan.settings.costStreet);
    json["ownedShareStep"] = plan.settings.ownedShareStep;
    json["rows"] = nlohmann::json::array();
    for (const PlanRow& row : plan.rows) json["rows"].push_back(rowJson(plan, row));
    if (plan.operationsStep) json["operationsStep"] = jsonNumber(*plan.operationsStep);
    if (plan.cheapest && plan.operationsStep)
        json["cheapest"] = {{"ownedShare", plan.cheapest->ownedShare},
                            {"operations", jsonNumber(plan.scanValue(plan.cheapest->rate))},
                            {"cost", jsonNumber(plan.cheapest->figures.cost)}};
    else if (plan.cheapest)
        json["cheapest"] = {{"ownedShare", plan.cheapest->ownedShare},
                            {"rate", plan.cheapest->rate},
                            {"cost", jsonNumber(plan.cheapest->figures.cost)}};
    else
        json["cheapest"] = nullptr;
    json["fault"] = plan.fault ? nlohmann::json(*plan.fault) : nlohmann::json(nullptr);
    return json;
}

// A rate in tenths of a per cent as a per cent ("9.9%").
std::string ratePercent(int rate)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d%%", rate / 10, rate % 10);
    return text;
}

std::string scanText(const Plan& plan, int rate)
{
    return scanStepText(plan.operationsStep, rate);
}

std::string twoDecimals(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

void printPlan(const Plan& plan, std::ostream& out)
{
    const PlanSettings& settings = plan.settings;
    out << "plan: street total in " << settings.targetYear << " at most " << jsonNumber(settings.targetPercent).dump()
        << "% of the baseline; costs " << jsonNumber(settings.costOwned).dump() << " (owned), "
        << jsonNumber(settings.costStreet).dump() << " (street)\n";
    if (plan.fault) {
        out << "  no plan: " << *plan.fault << "\n";
        return;
    }
    out << "  baseline: " << jsonNumber(*plan.baseline).dump() << " street females aged one and over in "
        << *plan.baselineYear << "\n";
    if (plan.operationsStep)
        out << "  scanning operations a year in steps of " << jsonNumber(*plan.operationsStep).dump() << "\n";
    char line[240];
    std::snprintf(line, sizeof line, "  %11s %12s %14s %16s %17s %14s %12s %12s %9s\n", "owned share",
                  plan.operationsStep ? "minimal ops" : "minimal rate", "street total", "sterilised owned",
                  "sterilised street", "cost", "ops 1st year", "ops mean/yr", "coverage");
    out << line;
    for (const PlanRow& row : plan.rows) {
        const std::string share = std::to_string(row.ownedShare) + "%";
        const std::string rate = row.minimalRate ? scanText(plan, *row.minimalRate) : "none";
        if (row.figures) {
            char coverage[32];
            std::snprintf(coverage, sizeof coverage, "%.1f%%", 100 * row.figures->streetCoverage);
            std::snprintf(line, sizeof line, "  %11s %12s %14s %16s %17s %14s %12s %12s %9s\n", share.c_str(),
                          rate.c_str(), twoDecimals(row.figures->streetTotal).c_str(),
                          twoDecimals(row.figures->sterilisedOwned).c_str(),
                          twoDecimals(row.figures->sterilisedStreet).c_str(), twoDecimals(row.figures->cost).c_str(),
                          twoDecimals(row.figures->operationsFirstYear).c_str(),
                          twoDecimals(row.figures->operationsMeanPerYear).c_str(), coverage);
        } else {
            std::snprintf(line, sizeof line, "  %11s %12s   (the run at %s faults)\n", share.c_str(), rate.c_str(),
                          scanText(plan, kHighestProgrammeRate).c_str());
        }
        out << line;
    }
    if (plan.cheapest)
        out << "  cheapest: owned share " << plan.cheapest->ownedShare << "%, "
            << (plan.operationsStep ? "operations " : "rate ") << scanText(plan, plan.cheapest->rate) << ", cost "
            << twoDecimals(plan.cheapest->figures.cost) << "\n";
    else
        out << "  cheapest: no programme meets the target\n";
}

// The control a calibration of `input` sets.
std::string_view calibratedControl(CalibratedInput input)
{
    switch (input) {
    case CalibratedInput::abandonedPerYear: return control::vscGainLoss;
    case CalibratedInput::immigrantsPerYear: return control::txtImmigrants;
    case CalibratedInput::carryingCapacity: return control::txtCapacity;
    }
    return {};
}

// The text a calibration writes into a text box: its whole number.
std::string calibratedText(double value)
{
    return std::to_string(std::llround(value));
}

nlohmann::json calibrationJson(const PlanOptions::CalibrationEvent& event)
{
    nlohmann::json json;
    json["year"] = event.year;
    json["count"] = jsonNumber(event.count);
    const std::optional<Calibration>& result = event.result;
    const std::string name(calibratedControl(event.adjusted));
    json[name] = result ? nlohmann::json(std::llround(result->value)) : nlohmann::json(nullptr);
    json["streetTotal"] = result ? jsonNumber(result->streetTotal) : nlohmann::json(nullptr);
    json["difference"] = result ? jsonNumber(result->difference) : nlohmann::json(nullptr);
    json["reached"] = result ? nlohmann::json(result->reached) : nlohmann::json(nullptr);
    return json;
}

void printCalibration(const PlanOptions::CalibrationEvent& event, std::ostream& out)
{
    out << "calibration: a count of " << jsonNumber(event.count).dump() << " in " << event.year;
    if (!event.result) {
        out << ": not made (see the faults)\n";
        return;
    }
    out << ": " << calibratedControl(event.adjusted) << " " << std::llround(event.result->value) << " gives "
        << twoDecimals(event.result->streetTotal) << ", a difference of " << twoDecimals(event.result->difference)
        << (event.result->reached ? "" : "; the bar cannot reach the count") << "\n";
}

int writeGrid(const Plan& plan, const RobustPlan* robust, const std::string& file)
{
    if (file == "-" && plan.fault) std::cerr << "karnoth-cli: no plan: " << *plan.fault << "\n";
    return writeOutput(file, planGridCsv(plan, robust));
}

void addCalibrateEvent(CliSession& session, const std::shared_ptr<PlanOptions>& options, const OptionValue& value)
{
    const auto [yearText, countText] = value.split(':', "YEAR:COUNT");
    const int year = value.whole<int>("the survey year", yearText);
    const double count = value.number("the count", countText);
    if (std::optional<std::string> problem = calibrationProblem(year, count)) value.refuse(*problem);
    session.events.push_back(
        {[](const Form1&) {},
         [options, year, count](Form1& form) {
             const CalibratedInput adjusted = options->adjusted;
             options->calibration = PlanOptions::CalibrationEvent{year, count, adjusted, std::nullopt};
             form.userEvent([&] {
                 const WindowInputs window = readWindowInputs(form);
                 const ModelInputs inputs = adjusted == CalibratedInput::carryingCapacity
                                                ? withCompensationOfWindow(window.inputs, form)
                                                : window.inputs;
                 const Calibration result = matchCount({inputs, window.killedByYear, year, count, adjusted},
                                                       options->runner);
                 options->calibration->result = result;
                 if (adjusted == CalibratedInput::abandonedPerYear)
                     form.setScrollValue(control::vscGainLoss, static_cast<int>(result.value));
                 else
                     form.typeText(calibratedControl(adjusted), calibratedText(result.value));
             });
         }});
}

// What --calibrate-adjust names.
const std::pair<const char*, CalibratedInput> kAdjustedNames[]{{"abandoned", CalibratedInput::abandonedPerYear},
                                                               {"immigrants", CalibratedInput::immigrantsPerYear},
                                                               {"capacity", CalibratedInput::carryingCapacity}};

}  // namespace

std::string scanStepText(std::optional<double> operationsStep, int rate)
{
    if (!operationsStep) return ratePercent(rate);
    return jsonNumber(rate * *operationsStep).dump() + "/yr";
}

std::variant<PlanRequest, std::string> planRequestAtWindow(Form1& form, const PlanSettings& settings)
{
    const std::string startText = form.text(control::txtStart);
    const ParsedNumber start = parseNumber(startText);
    if (start.status == ParseStatus::NotANumber)
        return "the programme's start year " + quotedForMessage(startText, 40) + " is not a number";
    const std::optional<std::int16_t> startYear = start.status == ParseStatus::Ok ? nearestInteger16(start.value)
                                                                                  : std::nullopt;
    if (!startYear)
        return "the programme's start year " + quotedForMessage(startText, 40) + " lies outside " +
               std::to_string(kFirstPlannableStart) + ".." + std::to_string(kLastYear);
    if (std::optional<std::string> problem = planYearsProblem(*startYear, settings.targetYear)) return *problem;
    WindowInputs window;
    try {
        window = readWindowInputs(form);
    } catch (const Fault& fault) {
        return std::string("the run at programme rate 0 faults: ") + fault.what();
    }
    return PlanRequest{window.inputs, window.killedByYear, settings};
}

Plan planAtWindow(Form1& form, const PlanSettings& settings, const BatchRunner& runner)
{
    std::variant<PlanRequest, std::string> request = planRequestAtWindow(form, settings);
    if (std::string* fault = std::get_if<std::string>(&request)) return unmadePlan(settings, std::move(*fault));
    // Nothing stops this batch, so a plan always comes back.
    return *makePlan(std::get<PlanRequest>(request), runner);
}

GivenPlanSettings addPlanOptions(CLI::App& app, CliSession& session, std::shared_ptr<const GivenRobustPlan> robustPlan)
{
    auto options = std::make_shared<PlanOptions>();
    CLI::Option* plan =
        app.add_option_function<std::string>(
               "--plan",
               readingValue(session, "--plan",
                            [options](const OptionValue& value) {
                                const auto [yearText, percentText] = value.split(':', "YEAR:PERCENT");
                                const int year = value.whole<int>("the target year", yearText);
                                const double percent = value.number("the target percent", percentText);
                                setSettings(options->settings, value, [&](PlanSettings& settings) {
                                    settings.targetYear = year;
                                    settings.targetPercent = percent;
                                });
                                options->planned = true;
                            }),
               "plan a programme: the street total in YEAR at most PERCENT % of the year before the programme "
               "starts; with --uncertainty, the chance of meeting it")
            ->type_name("YEAR:PERCENT");
    app.add_option_function<std::string>(
           "--split-step",
           readingValue(session, "--split-step",
                        [options](const OptionValue& value) {
                            const int step = value.whole<int>("the owned-share step", value.argument());
                            setSettings(options->settings, value,
                                        [&](PlanSettings& settings) { settings.ownedShareStep = step; });
                        }),
           "the plan's owned shares 0, N, 2N, ..., 100 per cent (N divides 100; default 5)")
        ->type_name("N")
        ->needs(plan);
    app.add_option_function<std::string>(
           "--cost",
           readingValue(session, "--cost",
                        [options](const OptionValue& value) {
                            const auto [ownedText, streetText] = value.split(':', "OWNED:STREET");
                            const double owned = value.number("the owned cost", ownedText);
                            const double street = value.number("the street cost", streetText);
                            setSettings(options->settings, value, [&](PlanSettings& settings) {
                                settings.costOwned = owned;
                                settings.costStreet = street;
                            });
                        }),
           "the cost of one owned and of one street sterilisation (default 1:1, a count of operations)")
        ->type_name("OWNED:STREET")
        ->needs(plan);
    app.add_option_function<std::string>(
           "--plan-grid",
           [&session, options, robustPlan](const std::string& file) {
               if (file == "-") session.standardOutputTakenBy.push_back("--plan-grid -");
               session.fileOutputs.push_back([options, robustPlan, file](Form1& form) {
                   const RobustPlan* robust = *robustPlan ? (*robustPlan)(form) : nullptr;
                   return writeGrid(options->planFor(form), robust, file);
               });
           },
           "write every cell of the plan's grid as CSV to FILE, or to standard output for -; with --robust-plan "
           "it gains the column probability")
        ->type_name("FILE")
        ->needs(plan);
    app.add_option_function<std::string>(
           "--calibrate",
           readingValue(session, "--calibrate",
                        [&session, options](const OptionValue& value) { addCalibrateEvent(session, options, value); }),
           "event: set vscGainLoss (or what --calibrate-adjust names) so that the street total in YEAR "
           "(1951..2050) comes nearest to COUNT (above 0)")
        ->type_name("YEAR:COUNT")
        ->trigger_on_parse()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option_function<std::string>(
           "--calibrate-adjust",
           readingValue(session, "--calibrate-adjust",
                        [options](const OptionValue& value) {
                            for (const auto& [name, input] : kAdjustedNames)
                                if (value.argument() == name) {
                                    options->adjusted = input;
                                    return;
                                }
                            value.refuse("WHAT must be one of abandoned, immigrants, capacity");
                        }),
           "what every --calibrate adjusts: abandoned (vscGainLoss, whole 1..30000; the default), immigrants "
           "(txtImmigrants, whole 0..30000) or capacity (txtCapacity, whole 1..10,000,000 with at most three "
           "significant figures)")
        ->type_name("WHAT");

    session.sections.push_back({[options](Form1& form, nlohmann::json& state) {
                                    if (options->planned) state["plan"] = planJson(options->planFor(form));
                                    if (options->calibration)
                                        state["calibration"] = calibrationJson(*options->calibration);
                                },
                                [options](Form1& form, std::ostream& out) {
                                    if (options->calibration) printCalibration(*options->calibration, out);
                                    if (options->planned) printPlan(options->planFor(form), out);
                                }});
    return [options]() -> std::optional<PlanSettings> {
        if (!options->planned) return std::nullopt;
        return options->settings;
    };
}

}  // namespace karnoth
