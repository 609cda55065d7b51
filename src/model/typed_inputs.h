#pragma once
// Typed inputs as a run's input source: each field as it stands in ModelInputs, the culling counts
// checked once they are asked for.

#include "model/model_inputs.h"
#include "model/run_steps.h"

namespace karnoth {

class TypedInputs final : public InputSource {
public:
    TypedInputs(const ModelInputs& inputs, const YearlySeries& killedByYear) : in_(inputs), killed_(killedByYear) { }

    double number(InputField field) override;
    int year(InputField field) override { return static_cast<int>(number(field)); }
    std::optional<double> optionalNumber(InputField field) override;
    std::optional<int> optionalYear(InputField field) override;
    // An OutsideRange fault for a count that is negative or not finite.
    const YearlySeries& killedByYear() override;
    bool onlyYearlings() override { return in_.onlyYearlings; }

private:
    const ModelInputs& in_;
    const YearlySeries& killed_;
};

}  // namespace karnoth
