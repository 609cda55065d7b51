#include "model/engine.h"

#include "model/run_steps.h"
#include "model/typed_inputs.h"

namespace karnoth {

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
