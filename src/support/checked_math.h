#pragma once
// Checked double-precision arithmetic and single-precision stores. The platform this model was
// first written for trapped every floating-point fault; C++ does not, so each operation that can
// fail is checked here and raises a Fault whose message is `what`: a phrase that names the
// quantity and the inputs it comes from ("the breeding years (S^(R-1) - S^L) / (1 - S) from
// adult survival, age at first litter and age at last litter").

#include <cmath>
#include <string_view>

namespace karnoth {

[[noreturn]] void raiseDivisionByZero(std::string_view what);
[[noreturn]] void raiseOverflow(std::string_view what);
[[noreturn]] void raiseInvalid(std::string_view what);

// A double result must be finite: infinity is an overflow, NaN an invalid operation.
inline double checkedResult(double value, std::string_view what)
{
    if (!std::isfinite(value)) [[unlikely]] {
        if (std::isnan(value)) raiseInvalid(what);
        raiseOverflow(what);
    }
    return value;
}

inline double checkedDivide(double numerator, double denominator, std::string_view what)
{
    if (denominator == 0.0) [[unlikely]]
        raiseDivisionByZero(what);
    return checkedResult(numerator / denominator, what);
}

// base^exponent: a negative base to a fractional power is invalid, 0 to a negative power a
// division by zero.
double checkedPower(double base, double exponent, std::string_view what);

// Natural logarithm of a value greater than 0.
double checkedLog(double value, std::string_view what);

// A double stored into a single: rounded to nearest; beyond the single range it is an overflow.
inline float toSingle(double value, std::string_view what)
{
    const float stored = static_cast<float>(checkedResult(value, what));
    if (std::isinf(stored)) [[unlikely]]
        raiseOverflow(what);
    return stored;
}

}  // namespace karnoth
