#include "model/engine.h"

#include "model/run_steps.h"
#include "support/number_masks.h"

#include <cmath>
#include <string>

namespace karnoth {
namespace {

class TypedInputs final : public InputSource {
public:
    TypedInputs(const ModelInputs& inputs, const YearlySeries& killedByYear) : in_(inputs), killed_(killedByYear) {}

    double number(InputField field) override
    {
        switch (field) {
        case InputField::adultSurvival: return in_.adultSurvival;
        case InputField::streetJuvenileSurvival: return in_.streetJuvenileSurvival;
        case InputField::ageAtFirstLitter: return in_.ageAtFirstLitter;
        case InputField::ageAtLastLitter: return in_.ageAtLastLitter;
        case InputField::probPregnant: return in_.probPregnant;
        case InputField::femalePupsPerLitter: return in_.femalePupsPerLitter;
        case InputField::ownedSterilisedPercent: return in_.ownedSterilisedPercent;
        case InputField::firstYearMultiplier: return in_.firstYearMultiplier;
        case InputField::abandonedPerYear: return in_.abandonedPerYear;
        case InputField::programmeRate: return in_.programmeRate;
        case InputField::ownedShare: return in_.ownedShare;
        case InputField::programmeStart: return in_.programmeStart;
        case InputField::cullFrom: return in_.cullFrom;
        case InputField::cullTo: return in_.cullTo;
        }
        return 0;
    }
    int year(InputField field) override { return static_cast<int>(number(field)); }
    const YearlySeries& killedByYear() override
    {
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            const float count = killed_.at1950Plus(year - kFirstYear);
            if (!(count >= 0) || !std::isfinite(count)) [[unlikely]]
                throw Fault(FaultKind::OutsideRange,
                            "the dogs killed in " + std::to_string(year) + " (" +
                                (std::isfinite(count) ? formatPlain(count, NumberLocale{}) : "not a number") +
                                ") must be a finite count of 0 or more");
        }
        return killed_;
    }
    bool onlyYearlings() override { return in_.onlyYearlings; }

private:
    const ModelInputs& in_;
    const YearlySeries& killed_;
};

}  // namespace

std::optional<Fault> runModelInto(const ModelInputs& inputs, const YearlySeries& killedByYear, ModelResult& result)
{
    result = ModelResult{};
    TypedInputs source(inputs, killedByYear);
    RunObserver nobody;
    try {
        runSteps(source, nobody, result);
    } catch (const Fault& fault) {
        return fault;
    }
    return std::nullopt;
}

ModelOutcome runModel(const ModelInputs& inputs, const YearlySeries& killedByYear)
{
    ModelResult result;
    if (std::optional<Fault> fault = runModelInto(inputs, killedByYear, result)) return ModelOutcome(std::move(*fault));
    return ModelOutcome(std::move(result));
}

}  // namespace karnoth
