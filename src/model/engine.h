#pragma once
// The model as one call: typed inputs and the culling counts in, a typed result or a fault out.
// It reads no text, no file and no global, so it may be called from many threads at once.

#include "model/model_inputs.h"
#include "model/model_result.h"
#include "support/fault.h"
#include "support/yearly_series.h"

#include <optional>
#include <variant>

namespace karnoth {

class ModelOutcome {
public:
    ModelOutcome(ModelResult result) : value_(std::move(result)) { }
    ModelOutcome(Fault fault) : value_(std::move(fault)) { }

    bool ok() const { return value_.index() == 0; }
    const ModelResult& result() const { return std::get<ModelResult>(value_); }  // only when ok()
    const Fault& fault() const { return std::get<Fault>(value_); }  // only when !ok()

private:
    std::variant<ModelResult, Fault> value_;
};

// One run: every input checked against its range (OutsideRange), the equilibrium (ImpossibleState
// when there is none), the projection 1950..2050 (ImpossibleState when a step removes more dogs
// than there are; Subscript, DivisionByZero and Overflow as a run meets them). `killedByYear[Y]`
// is the number of street dogs killed in Y, culled in Y + 1 when that year lies in
// cullFrom..cullTo; a negative count is an OutsideRange fault.
ModelOutcome runModel(const ModelInputs& inputs, const YearlySeries& killedByYear = {});

// The same into a result the caller keeps (cleared first), for analyses that run the model many times: returns
// the fault, or nothing when the run succeeded.
std::optional<Fault> runModelInto(const ModelInputs& inputs, const YearlySeries& killedByYear, ModelResult& result);

}  // namespace karnoth
