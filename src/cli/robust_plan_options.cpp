#include "cli/robust_plan_options.h"

#include "cli/option_values.h"

#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <variant>

namespace karnoth {
namespace {

struct RobustPlanOptions {
    std::optional<double> confidence;  // per cent; none without --robust-plan
    GivenPlanSettings planSettings;
    GivenUncertainty uncertainty;
    std::optional<RobustPlan> plan;  // made once, when first reported
    BatchRunner runner;

    const RobustPlan& planFor(Form1& form)
    {
        if (plan) return *plan;
        const PlanSettings settings = *planSettings();
        RobustPlan unmade;
        unmade.settings = settings;
        unmade.confidence = *confidence;
        std::variant<PlanRequest, std::string> request = planRequestAtWindow(form, settings);
        if (std::string* fault = std::get_if<std::string>(&request)) {
            unmade.fault = std::move(*fault);
            return plan.emplace(std::move(unmade));
        }
        const RobustPlanRequest robust{std::get<PlanRequest>(request), uncertainty(), *confidence};
        // The uncertainty settings were checked when parsed; what is left depends on the window's
        // inputs (a range that moves nothing there).
        if (std::optional<std::string> problem = robustPlanProblem(robust)) {
            unmade.fault = std::move(*problem);
            return plan.emplace(std::move(unmade));
        }
        // Nothing stops this batch, so a plan always comes back.
        return plan.emplace(*makeRobustPlan(robust, runner));
    }
};

nlohmann::json scanJson(const RobustPlan& plan, const std::optional<int>& rate)
{
    if (!rate) return nullptr;
    return plan.operationsStep ? jsonNumber(*rate * *plan.operationsStep) : nlohmann::json(*rate);
}

nlohmann::json robustJson(const RobustPlan& plan)
{
    const char* minimal = plan.operationsStep ? "minimalOperations" : "minimalRate";
    nlohmann::json json;
    json["confidence"] = jsonNumber(plan.confidence);
    json["replicates"] = plan.replicates;
    json["faulted"] = plan.faulted;
    json["rows"] = nlohmann::json::array();
    for (const RobustRow& row : plan.rows)
        json["rows"].push_back(
            {{"ownedShare", row.ownedShare}, {minimal, scanJson(plan, row.minimalRate)}, {"faulted", row.faulted}});
    if (plan.cheapest)
        json["cheapest"] = {{"ownedShare", plan.cheapest->ownedShare},
                            {plan.operationsStep ? "operations" : "rate", scanJson(plan, plan.cheapest->rate)},
                            {"cost", jsonNumber(plan.cheapest->figures.cost)}};
    else
        json["cheapest"] = nullptr;
    json["fault"] = plan.fault ? nlohmann::json(*plan.fault) : nlohmann::json(nullptr);
    return json;
}

void printRobustPlan(const RobustPlan& plan, std::ostream& out)
{
    out << "robust plan: met in at least " << jsonNumber(plan.confidence).dump() << "% of " << plan.replicates
        << (plan.replicates == 1 ? " replicate" : " replicates");
    if (plan.faulted > 0) out << " (at most " << plan.faulted << " faulted at a share, left out)";
    out << "\n";
    if (plan.fault) {
        out << "  no robust plan: " << *plan.fault << "\n";
        return;
    }
    char line[160];
    std::snprintf(line, sizeof line, "  %11s %12s %14s\n", "owned share",
                  plan.operationsStep ? "robust ops" : "robust rate", "cost");
    out << line;
    for (const RobustRow& row : plan.rows) {
        const std::string share = std::to_string(row.ownedShare) + "%";
        const std::string rate = row.minimalRate ? scanStepText(plan.operationsStep, *row.minimalRate) : "none";
        char cost[32] = "";
        if (row.figures) std::snprintf(cost, sizeof cost, "%.2f", row.figures->cost);
        std::snprintf(line, sizeof line, "  %11s %12s %14s\n", share.c_str(), rate.c_str(), cost);
        out << line;
    }
    if (plan.cheapest) {
        char cost[32];
        std::snprintf(cost, sizeof cost, "%.2f", plan.cheapest->figures.cost);
        out << "  cheapest robust: owned share " << plan.cheapest->ownedShare << "%, "
            << (plan.operationsStep ? "operations " : "rate ") << scanStepText(plan.operationsStep, plan.cheapest->rate)
            << ", cost " << cost << "\n";
    } else {
        out << "  cheapest robust: no programme meets the target often enough\n";
    }
}

}  // namespace

GivenRobustPlan addRobustPlanOptions(CLI::App& app, CliSession& session, GivenPlanSettings planSettings,
                                     GivenUncertainty uncertainty)
{
    auto options = std::make_shared<RobustPlanOptions>();
    options->planSettings = std::move(planSettings);
    options->uncertainty = std::move(uncertainty);
    app.add_option_function<std::string>(
           "--robust-plan",
           readingValue(session, "--robust-plan",
                        [options](const OptionValue& value) {
                            const double confidence = value.number("C", value.argument());
                            if (!(confidence >= kLeastConfidence && confidence <= kMostConfidence))
                                value.refuse("C must be a per cent from 50 to 99");
                            options->confidence = confidence;
                        }),
           "for each owned share of --plan, the rate that meets its target in at least C % (50 to 99) of the "
           "replicates of --uncertainty (the window's run alone without it)")
        ->type_name("C")
        ->needs(app.get_option("--plan"));
    session.sections.push_back({[options](Form1& form, nlohmann::json& state) {
                                    if (options->confidence)
                                        state["plan"]["robust"] = robustJson(options->planFor(form));
                                },
                                [options](Form1& form, std::ostream& out) {
                                    if (options->confidence) printRobustPlan(options->planFor(form), out);
                                }});
    return [options](Form1& form) -> const RobustPlan* {
        if (!options->confidence) return nullptr;
        return &options->planFor(form);
    };
}

}  // namespace karnoth
