#pragma once
// The inputs of one run as numbers. Each text is converted at its first use, and a text that is
// not a number faults there, not before: a run stops at the step that needs the bad input, with
// what it wrote until then left standing. Texts cannot change during a run, so converting once
// and remembering the result is the same as converting at every use.

#include "model/run_inputs.h"
#include "support/numeric_text.h"

#include <cstdint>
#include <string_view>

namespace karnoth {

class LazyNumber {
public:
    LazyNumber(std::string_view text, const char* name) : text_(text), name_(name) {}
    double value() const
    {
        if (!parsed_) {
            parsed_ = true;
            result_ = parseNumber(text_);
        }
        if (result_.status != ParseStatus::Ok) [[unlikely]]
            return textToDouble(text_, name_);  // raises the fault that names this input
        return result_.value;
    }
    // The whole-number form: rounded, halves to even, 16-bit.
    std::int16_t whole() const;

private:
    std::string_view text_;
    const char* name_;
    mutable bool parsed_ = false;
    mutable ParsedNumber result_;
    mutable bool wholeDone_ = false;
    mutable std::int16_t whole_ = 0;
};

class RunParameters {
public:
    explicit RunParameters(const RunInputs& inputs);

    double S() const { return adultSurv_.value(); }
    double Sj() const { return juvSurv_.value(); }
    double R() const { return recruit_.value(); }
    double L() const { return senile_.value(); }
    double P() const { return fecundity_.value(); }
    double Lit() const { return litter_.value(); }
    double Cs() const { return currentOwnedSteril_.value(); }
    double Times() const { return times_.value(); }
    int wholeR() const { return recruit_.whole(); }
    int wholeL() const { return senile_.whole(); }
    int Start() const { return start_.whole(); }
    int From() const { return from_.whole(); }
    int To() const { return to_.whole(); }
    int G() const { return inputs_.gainLoss; }
    int H() const { return inputs_.sterilise; }
    int T() const { return inputs_.target; }
    bool onlyYearlings() const { return inputs_.onlyYearlings; }
    bool logScale() const { return inputs_.logScale; }
    const RunInputs& inputs() const { return inputs_; }

private:
    const RunInputs& inputs_;
    LazyNumber adultSurv_, juvSurv_, recruit_, senile_, fecundity_, litter_, currentOwnedSteril_,
        times_, start_, from_, to_;
};

}  // namespace karnoth
