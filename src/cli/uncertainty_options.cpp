#include "cli/uncertainty_options.h"

#include "analysis/sensitivity.h"
#include "analysis/uncertainty.h"
#include "analysis/varied_inputs.h"
#include "cli/option_values.h"
#include "panel/form_inputs.h"
#include "panel/window_inputs.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>

namespace karnoth {
namespace {

// The whole text as a finite number; nullopt otherwise.
std::optional<double> parseNumber(const std::string& text)
{
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

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

nlohmann::json textOrNull(const std::optional<std::string>& text) { return text ? nlohmann::json(*text) : nullptr; }

std::string grouped(double value) { return formatGrouped(value, NumberLocale{}); }

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

struct SensitivityOptions {
    int year = 0;
    double delta = 10;
};

// The analysis at the window's inputs, or the fault that stops a run from reading them.
SensitivityResult sensitivityAt(Form1& form, const SensitivityOptions& options)
{
    SensitivityRequest request;
    request.year = options.year;
    request.deltaPercent = options.delta;
    try {
        const WindowInputs window = readWindowInputs(form);
        request.inputs = window.inputs;
        request.killedByYear = window.killedByYear;
    } catch (const Fault& fault) {
        SensitivityResult unread;
        unread.year = options.year;
        unread.deltaPercent = options.delta;
        unread.fault = fault.what();
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

struct UncertaintyOptions {
    bool asked = false;
    std::size_t replicates = 1000;
    std::uint64_t seed = 1;
    std::vector<ParameterRange> ranges;
    YearlyChance chance;
    std::vector<std::string> companionsGiven;  // options that need --uncertainty
    CLI::Option* plan = nullptr;
    std::string planText;  // where our own --plan keeps its value
    std::optional<TargetRequest> target;  // read from --plan once everything is parsed
};

// --plan's value as YEAR:PERCENT, or the usage problem with it.
std::optional<std::string> readTarget(UncertaintyOptions& options)
{
    if (!options.plan || options.plan->count() == 0) return std::nullopt;
    const std::vector<std::string>& results = options.plan->results();
    if (results.empty()) return std::nullopt;
    std::string text = results.back();
    // An option that splits its value at the colon leaves the year and the per cent apart.
    if (text.find(':') == std::string::npos && results.size() >= 2) text = results[results.size() - 2] + ":" + text;
    const auto parts = splitAt(text, ':');
    const std::optional<int> year = parts ? wholeOf<int>(parts->first) : std::nullopt;
    const std::optional<double> percent = parts ? parseNumber(parts->second) : std::nullopt;
    if (!year || !percent) return "--plan " + text + ": expected YEAR:PERCENT, e.g. 2030:50";
    if (!(*percent > 0)) return "--plan " + text + ": the per cent must lie above 0";
    options.target = TargetRequest{*year, *percent};
    return std::nullopt;
}

struct UncertaintyAnswer {
    UncertaintyResult result;
    std::optional<std::string> fault;  // why the window's inputs could not be read
};

UncertaintyAnswer uncertaintyAt(Form1& form, const UncertaintyOptions& options)
{
    UncertaintyRequest request;
    request.replicates = options.replicates;
    request.seed = options.seed;
    request.ranges = options.ranges;
    request.chance = options.chance;
    request.target = options.target;
    try {
        const WindowInputs window = readWindowInputs(form);
        request.inputs = window.inputs;
        request.killedByYear = window.killedByYear;
    } catch (const Fault& fault) {
        UncertaintyAnswer unread;
        unread.result.replicates = options.replicates;
        unread.result.seed = options.seed;
        unread.fault = fault.what();
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
            {"fault", textOrNull(answer.fault ? answer.fault : result.valid == 0 ? result.firstFault : std::nullopt)}};
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
        if (target->probability) out << "met by " << formatFixed(*target->probability * 100, NumberLocale{}) << "% of valid replicates\n";
        else out << "no answer, " << target->fault.value_or("") << "\n";
    }
}

// Records a usage problem of `option`'s value.
void problem(CliSession& session, const std::string& option, const std::string& value, const std::string& why)
{
    session.usageError(option + " " + value + ": " + why);
}

}  // namespace

void addSensitivityOptions(CLI::App& app, CliSession& session)
{
    app.add_option_function<std::string>(
           "--sensitivity",
           [&session](const std::string& value) {
               SensitivityOptions options;
               const auto parts = splitAt(value, ':');
               const std::optional<int> year = wholeOf<int>(parts ? parts->first : value);
               if (!year) return problem(session, "--sensitivity", value, "expected YEAR or YEAR:DELTA, e.g. 2020:10");
               if (*year < kFirstYear || *year > kLastYear)
                   return problem(session, "--sensitivity", value, "the year must lie in 1950..2050");
               options.year = *year;
               if (parts) {
                   const std::optional<double> delta = parseNumber(parts->second);
                   if (!delta) return problem(session, "--sensitivity", value, "DELTA must be a number");
                   options.delta = *delta;
               }
               SensitivityRequest settings;
               settings.year = options.year;
               settings.deltaPercent = options.delta;
               if (std::optional<std::string> why = sensitivityProblem(settings))
                   return problem(session, "--sensitivity", value, *why);
               session.sections.push_back(
                   {[options](Form1& form, nlohmann::json& state) {
                        state["sensitivity"] = sensitivityJson(sensitivityAt(form, options));
                    },
                    [options](Form1& form, std::ostream& out) { printSensitivity(sensitivityAt(form, options), out); }});
           },
           "the street total in YEAR with each input moved DELTA % (default 10) both ways")
        ->type_name("YEAR[:DELTA]");
}

void addUncertaintyOptions(CLI::App& app, CliSession& session)
{
    auto options = std::make_shared<UncertaintyOptions>();
    const auto companion = [options](const char* name) { options->companionsGiven.push_back(name); };

    app.add_option_function<std::string>(
           "--uncertainty",
           [&session, options](const std::string& value) {
               const std::optional<long long> count = wholeOf<long long>(value);
               if (!count || *count < 1 || *count > static_cast<long long>(kMostReplicates))
                   return problem(session, "--uncertainty", value,
                                  "N must be a whole number of replicates, 1 to " + std::to_string(kMostReplicates));
               options->asked = true;
               options->replicates = static_cast<std::size_t>(*count);
               session.sections.push_back(
                   {[options](Form1& form, nlohmann::json& state) {
                        state["uncertainty"] = uncertaintyJson(uncertaintyAt(form, *options));
                    },
                    [options](Form1& form, std::ostream& out) { printUncertainty(uncertaintyAt(form, *options), out); }});
           },
           "N replicates (1 to 100000) of the projection from the window's inputs")
        ->type_name("N");
    app.add_option_function<std::string>(
           "--seed",
           [&session, options, companion](const std::string& value) {
               companion("--seed");
               const std::optional<std::uint64_t> seed = wholeOf<std::uint64_t>(value);
               if (!seed) return problem(session, "--seed", value, "S must be a whole number 0 to 18446744073709551615");
               options->seed = *seed;
           },
           "the random seed of --uncertainty (default 1)")
        ->type_name("S");
    app.add_option_function<std::string>(
           "--vary",
           [&session, options, companion](const std::string& argument) {
               companion("--vary");
               std::pair<std::string, std::string> assignment;
               try {
                   assignment = splitAssignment(argument);
               } catch (const std::invalid_argument&) {
                   return problem(session, "--vary", argument, "expected NAME=LOW:HIGH");
               }
               const auto& [name, range] = assignment;
               const std::optional<InputField> field = variedFieldOf(name);
               if (!field) return problem(session, "--vary", argument, "NAME must be one of " + listOfVariedControls());
               const auto ends = splitAt(range, ':');
               const std::optional<double> low = ends ? parseNumber(ends->first) : std::nullopt;
               const std::optional<double> high = ends ? parseNumber(ends->second) : std::nullopt;
               if (!low || !high) return problem(session, "--vary", argument, "expected NAME=LOW:HIGH with two numbers");
               if (std::optional<std::string> why = variedRangeProblem(*field, *low, *high))
                   return problem(session, "--vary", argument, *why);
               for (const ParameterRange& given : options->ranges)
                   if (given.field == *field) return problem(session, "--vary", argument, name + " is varied twice");
               options->ranges.push_back({*field, *low, *high});
           },
           "a uniform range LOW..HIGH for input NAME (" + listOfVariedControls() + ") in --uncertainty; repeatable")
        ->type_name("NAME=LOW:HIGH")->trigger_on_parse()->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option_function<std::string>(
           "--year-to-year",
           [&session, options, companion](const std::string& value) {
               companion("--year-to-year");
               const std::optional<double> sd = parseNumber(value);
               if (!sd) return problem(session, "--year-to-year", value, "SD must be a number");
               if (std::optional<std::string> why = yearToYearSdProblem(*sd))
                   return problem(session, "--year-to-year", value, *why);
               options->chance.yearToYearSd = *sd;
           },
           "yearly survival factors of mean 1 and standard deviation SD in --uncertainty (default 0: none)")
        ->type_name("SD");
    app.add_flag_callback(
        "--whole-dogs",
        [options, companion] {
            companion("--whole-dogs");
            options->chance.wholeDogs = true;
        },
        "count whole dogs in --uncertainty: binomial survival and removals, Poisson pups");

    options->plan = app.get_option_no_throw("--plan");
    if (!options->plan)
        options->plan = app.add_option("--plan", options->planText,
                                       "the target: street total in YEAR at most PERCENT % of the year before the "
                                       "programme starts; --uncertainty gives the chance of meeting it")
                            ->type_name("YEAR:PERCENT");

    session.usageChecks.push_back([options]() -> std::optional<std::string> {
        if (!options->asked) {
            if (!options->companionsGiven.empty()) return options->companionsGiven.front() + " needs --uncertainty N";
            return std::nullopt;
        }
        return readTarget(*options);
    });
}

}  // namespace karnoth
