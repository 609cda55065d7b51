#include "support/checked_math.h"

#include "support/fault.h"

#include <string>

namespace karnoth {

void raiseDivisionByZero(std::string_view what)
{
    throw Fault(FaultKind::DivisionByZero, "division by zero in " + std::string(what));
}

void raiseOverflow(std::string_view what)
{
    throw Fault(FaultKind::Overflow, "overflow in " + std::string(what));
}

void raiseInvalid(std::string_view what)
{
    throw Fault(FaultKind::InvalidOperation, "invalid operation in " + std::string(what));
}

double checkedPower(double base, double exponent, std::string_view what)
{
    if (base < 0.0 && std::trunc(exponent) != exponent)
        throw Fault(FaultKind::InvalidOperation, "invalid operation in " + std::string(what) +
                                                     ": a negative number cannot be raised to a fractional power");
    if (base == 0.0 && exponent < 0.0) raiseDivisionByZero(what);
    return checkedResult(std::pow(base, exponent), what);
}

double checkedLog(double value, std::string_view what)
{
    if (!(value > 0.0))
        throw Fault(FaultKind::InvalidOperation,
                    "invalid operation in " + std::string(what) + ": the logarithm of a number of zero or less");
    return checkedResult(std::log(value), what);
}

}  // namespace karnoth
