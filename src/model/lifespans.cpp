#include "model/lifespans.h"

#include "support/checked_math.h"

namespace karnoth {
namespace {
constexpr const char* kWhat = "the expected lifespans from adult survival and juvenile survival";
}

float lifespanAtBirth(double J, double A)
{
    float atBirth = toSingle(checkedResult(J * (1.0 - A), kWhat), kWhat);
    for (int k = 2; k <= 9; ++k)
        atBirth = toSingle(checkedResult((1.0 - A) * (J * k * checkedPower(A, k - 1, kWhat)) + atBirth, kWhat), kWhat);
    return toSingle(checkedResult(J * 10.0 * checkedPower(A, 9, kWhat) + atBirth, kWhat), kWhat);
}

float lifespanAtOneYear(double A)
{
    float atOne = 1.0f;
    for (int k = 2; k <= 9; ++k)
        atOne = toSingle(checkedResult((1.0 - A) * (checkedPower(A, k - 1, kWhat) * k) + atOne, kWhat), kWhat);
    return toSingle(checkedResult(checkedPower(A, 9, kWhat) * 10.0 + atOne, kWhat), kWhat);
}

}  // namespace karnoth
