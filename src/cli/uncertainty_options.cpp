#include "cli/uncertainty_options.h"

#include "analysis/sensitivity.h"
#include "analysis/uncertainty.h"
#include "analysis/varied_inputs.h"
#include "cli/option_values.h"
#include "panel/form_inputs.h"
#include "panel/window_inputs.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace karnoth {
namespace {

// A number with at most 9 significant digits, as the window's series are written: a single
// prints as itself, and a percentile that equals one prints the same.
nlohmann::json nineDigits(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return std::strtod(text, nullptr);
}

template <class T, class Convert>
nlohmann::json orNull(const std::optional<T>& value, Convert convert)
{
    return value ? nlohmann::json(convert(*value)) : nlohmann::json(nullptr);
}

nlohmann::json textOrNull(const std::optional<std::string>& text)
{
    return text ? nlohmann::json(*text) : nullptr;
}

std::string grouped(double value)
{
    return formatGrouped(value, NumberLocale{});
}

std::string listOfVariedControls()
{
    std::string names;
    for (InputField field : kVariedInputs) names += (names.empty() ? "" : ", ") + std::string(inputRow(field).control);
    return names;
}

std::optional<InputField> variedFieldOf(const std::string& control)
{
    const InputRow* input = findInput(control);
    if (!input || input->variedPosition < 0) return std::nullopt;
    return input->field;
}

// ---- Sensitivity ----

// Puts the window's inputs, as a run reads them, into `request`; the message of the fault that
// stops a run from reading them, if one does.
template <class Request>
std::optional<std::string> takeWindowInputs(Form1& form, Request& request)
{
    try {
        const WindowInputs window = readWindowInputs(form);
        request.inputs = window.inputs;
        request.killedByYear = window.killedByYear;
    } catch (const Fault& fault) {
        return fault.what();
    }
    return std::nullopt;
}

// The analysis at the window's inputs, or the fault that stops a run from reading them.
SensitivityResult sensitivityAt(Form1& form, const SensitivityRequest& asked)
{
    SensitivityRequest request = asked;
    if (std::optional<std::string> fault = takeWindowInputs(form, request)) {
        SensitivityResult unread;
        unread.year = request.year;
        unread.deltaPercent = request.deltaPercent;
        unread.fault = std::move(fault);
        return unread;
    }
    return *runSensitivity(request, BatchRunner());
}

nlohmann::json sensitivityJson(const SensitivityResult& result)
{
    nlohmann::json inputs = nlohmann::json::array();
    for (const SensitivityRow& row : result.rows) {
        inputs.push_back({{"name", controlOf(row.field)},
                          {"caption", fieldCaption(row.field)},
                          {"value", jsonNumber(row.value)},
                          {"low", jsonNumber(row.low)},
                          {"high", jsonNumber(row.high)},
                          {"outcomeLow", orNull(row.outcomeLow, nineDigits)},
                          {"outcomeHigh", orNull(row.outcomeHigh, nineDigits)},
                          {"faultLow", textOrNull(row.faultLow)},
                          {"faultHigh", textOrNull(row.faultHigh)},
                          {"elasticity", orNull(row.elasticity, [](double e) { return e; })}});
    }
    return {{"year", result.year},
            {"delta", jsonNumber(result.deltaPercent)},
            {"outcome", orNull(result.outcome, nineDigits)},
            {"fault", textOrNull(result.fault)},
            {"inputs", inputs}};
}

void printSensitivity(const SensitivityResult& result, std::ostream& out)
{
    out << "sensitivity: the street total in " << result.year << " with each input moved "
        << formatPlain(result.deltaPercent, NumberLocale{}) << "% both ways\n";
    if (result.fault) {
        out << "  no table: " << *result.fault << "\n";
        return;
    }
    out << "  street total " << grouped(*result.outcome) << "\n";
    for (const SensitivityRow& row : result.rows) {
        char line[256];
        std::snprintf(line, sizeof line, "  %-22s %-36s %10g: %10g .. %-10g", std::string(controlOf(row.field)).c_str(),
                      std::string(fieldCaption(row.field)).c_str(), row.value, row.low, row.high);
        out << line << " gives ";
        out << (row.outcomeLow ? grouped(*row.outcomeLow) : "fault") << " .. "
            << (row.outcomeHigh ? grouped(*row.outcomeHigh) : "fault");
        if (row.elasticity) out << ", elasticity " << formatFixed(*row.elasticity, NumberLocale{});
        out << "\n";
        if (row.faultLow) out << "    low end: " << *row.faultLow << "\n";
        if (row.faultHigh) out << "    high end: " << *row.faultHigh << "\n";
    }
}

// ---- Uncertainty ----

// The request as the options give it; the window's inputs are added when it runs.
struct UncertaintyOptions {
    bool asked = false;
    UncertaintyRequest request;
};

struct UncertaintyAnswer {
    UncertaintyResult result;
    std::optional<std::string> fault;  // why the window's inputs could not be read, or their ranges vary nothing
};

UncertaintyAnswer uncertaintyAt(Form1& form, const UncertaintyRequest& asked)
{
    UncertaintyRequest request = asked;
    std::optional<std::string> fault = takeWindowInputs(form, request);
    if (!fault) fault = rangeWithoutEffect(request);
    if (fault) {
        UncertaintyAnswer unread;
        unread.result.replicates = request.replicates;
        unread.result.seed = request.seed;
        unread.fault = std::move(fault);
        return unread;
    }
    return {*runUncertainty(request, BatchRunner()), std::nullopt};
}

nlohmann::json bandsJson(const std::optional<SeriesBands>& bands)
{
    nlohmann::json json = nlohmann::json::object();
    for (std::size_t i = 0; i < kBandPercentiles.size(); ++i) {
        const std::string key = "p" + std::to_string(static_cast<int>(kBandPercentiles[i]));
        if (!bands) {
            json[key] = nullptr;
            continue;
        }
        nlohmann::json values = nlohmann::json::array();
        for (double value : bands->bands[i]) values.push_back(nineDigits(value));
        json[key] = values;
    }
    return json;
}

nlohmann::json uncertaintyJson(const UncertaintyAnswer& answer)
{
    const UncertaintyResult& result = answer.result;
    nlohmann::json target = nullptr;
    if (result.target)
        target = {{"year", result.target->year},
                  {"percent", jsonNumber(result.target->percent)},
                  {"probability", orNull(result.target->probability, [](double p) { return p; })},
                  {"fault", textOrNull(result.target->fault)}};
    const bool ran = !answer.fault;
    return {{"replicates", result.replicates},
            {"valid", ran ? nlohmann::json(result.valid) : nlohmann::json(nullptr)},
            {"faulted", ran ? nlohmann::json(result.faulted) : nlohmann::json(nullptr)},
            {"diedOut", ran ? nlohmann::json(result.diedOut) : nlohmann::json(nullptr)},
            {"seed", result.seed},
            {"streetTotal", bandsJson(result.streetTotal)},
            {"streetBreeders", bandsJson(result.streetBreeders)},
            {"extraSterilisations", bandsJson(result.extraSterilisations)},
            {"target", target},
            {"fault", textOrNull(answer.fault        ? answer.fault
                                 : result.valid == 0 ? result.firstFault
                                                     : std::nullopt)}};
}

void printUncertainty(const UncertaintyAnswer& answer, std::ostream& out)
{
    const UncertaintyResult& result = answer.result;
    out << "uncertainty: " << result.replicates << " replicates, seed " << result.seed << "\n";
    if (answer.fault) {
        out << "  no replicates: " << *answer.fault << "\n";
        return;
    }
    out << "  " << result.valid << " valid (" << result.diedOut << " died out), " << result.faulted << " faulted\n";
    if (result.firstFault) out << "  first fault: " << *result.firstFault << "\n";
    if (result.streetTotal) {
        out << "  street total      p5        p25        p50        p75        p95\n";
        for (int year = kFirstYear; year <= kLastYear; year += 10) {
            char line[128];
            const auto& bands = result.streetTotal->bands;
            const int i = year - kFirstYear;
            std::snprintf(line, sizeof line, "  %d %12s %10s %10s %10s %10s\n", year, grouped(bands[0][i]).c_str(),
                          grouped(bands[1][i]).c_str(), grouped(bands[2][i]).c_str(), grouped(bands[3][i]).c_str(),
                          grouped(bands[4][i]).c_str());
            out << line;
        }
    }
    if (const auto& target = result.target) {
        out << "  target: street total in " << target->year << " at most "
            << formatPlain(target->percent, NumberLocale{}) << "% of the year before the start: ";
        if (target->probability)
            out << "met by " << formatFixed(*target->probability * 100, NumberLocale{}) << "% of valid replicates\n";
        else
            out << "no answer, " << target->fault.value_or("") << "\n";
    }
}

}  // namespace

void addSensitivityOptions(CLI::App& app, CliSession& session)
{
    app.add_option_function<std::string>(
           "--sensitivity",
           readingValue(session, "--sensitivity",
                        [&session](const OptionValue& value) {
                            SensitivityRequest asked;
                            const auto parts = value.splitIfAny(':');
                            asked.year = value.whole<int>("YEAR", parts ? parts->first : value.argument());
                            if (parts) asked.deltaPercent = value.number("DELTA", parts->second);
                            if (std::optional<std::string> why = sensitivityProblem(asked)) value.refuse(*why);
                            session.sections.push_back({[asked](Form1& form, nlohmann::json& state) {
                                                            state["sensitivity"] = sensitivityJson(
                                                                sensitivityAt(form, asked));
                                                        },
                                                        [asked](Form1& form, std::ostream& out) {
                                                            printSensitivity(sensitivityAt(form, asked), out);
                                                        }});
                        }),
           "the street total in YEAR with each input moved DELTA % (default 10) both ways")
        ->type_name("YEAR[:DELTA]");
}

GivenUncertainty addUncertaintyOptions(CLI::App& app, CliSession& session, GivenPlanSettings planSettings)
{
    auto options = std::make_shared<UncertaintyOptions>();
    CLI::Option* uncertainty =
        app.add_option_function<std::string>(
               "--uncertainty",
               readingValue(session, "--uncertainty",
                            [&session, options](const OptionValue& value) {
                                const long long count = value.whole<long long>("N", value.argument());
                                // uncertaintyProblem refuses a count below 1; a negative one is refused as 0 is.
                                options->request.replicates = count > 0 ? static_cast<std::size_t>(count) : 0;
                                options->asked = true;
                                session.sections.push_back(
                                    {[options](Form1& form, nlohmann::json& state) {
                                         state["uncertainty"] = uncertaintyJson(uncertaintyAt(form, options->request));
                                     },
                                     [options](Form1& form, std::ostream& out) {
                                         printUncertainty(uncertaintyAt(form, options->request), out);
                                     }});
                            }),
               "N replicates (1 to 100000) of the projection from the window's inputs")
            ->type_name("N");
    app.add_option_function<std::string>("--seed",
                                         readingValue(session, "--seed",
                                                      [options](const OptionValue& value) {
                                                          options->request.seed = value.whole<std::uint64_t>(
                                                              "S", value.argument());
                                                      }),
                                         "the random seed of --uncertainty (default 1)")
        ->type_name("S")
        ->needs(uncertainty);
    app.add_option_function<std::string>(
           "--vary",
           readingValue(session, "--vary",
                        [options](const OptionValue& value) {
                            const auto [name, range] = value.assignment("NAME=LOW:HIGH");
                            const std::optional<InputField> field = variedFieldOf(name);
                            if (!field) value.refuse("NAME must be one of " + listOfVariedControls());
                            const auto [lowText, highText] = value.split(range, ':', "NAME=LOW:HIGH");
                            options->request.ranges.push_back(
                                {*field, value.number("LOW", lowText), value.number("HIGH", highText)});
                        }),
           "a uniform range LOW..HIGH for input NAME (" + listOfVariedControls() + ") in --uncertainty; repeatable")
        ->type_name("NAME=LOW:HIGH")
        ->trigger_on_parse()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->needs(uncertainty);
    app.add_option_function<std::string>(
           "--year-to-year",
           readingValue(session, "--year-to-year",
                        [options](const OptionValue& value) {
                            options->request.chance.yearToYearSd = value.number("SD", value.argument());
                        }),
           "yearly survival factors of mean 1 and standard deviation SD in --uncertainty (default 0: none)")
        ->type_name("SD")
        ->needs(uncertainty);
    app.add_flag_callback(
           "--whole-dogs", [options] { options->request.chance.wholeDogs = true; },
           "count whole dogs in --uncertainty: binomial survival and removals, Poisson pups")
        ->needs(uncertainty);

    // Once everything is parsed: the target is --plan's, and the analysis checks the whole request.
    session.usageChecks.push_back([options, planSettings = std::move(planSettings)]() -> std::optional<std::string> {
        if (!options->asked) return std::nullopt;
        if (const std::optional<PlanSettings> plan = planSettings())
            options->request.target = TargetRequest{plan->targetYear, plan->targetPercent};
        if (std::optional<std::string> why = uncertaintyProblem(options->request)) return "--uncertainty: " + *why;
        return std::nullopt;
    });
    return [options]() -> std::optional<UncertaintyRequest> {
        if (!options->asked) return std::nullopt;
        return options->request;
    };
}

}  // namespace karnoth
