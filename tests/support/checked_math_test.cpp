#include "support/checked_math.h"
#include "support/fault.h"
#include "support/yearly_series.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>

namespace karnoth {
namespace {

struct FaultCase {
    const char* name;
    std::function<void()> operation;
    FaultKind kind;
};

TEST(CheckedMath, EveryFaultTheOldPlatformTrappedIsRaised)
{
    const FaultCase cases[] = {
        {"x / 0", [] { checkedDivide(1, 0, "q"); }, FaultKind::DivisionByZero},
        {"0 / 0", [] { checkedDivide(0, 0, "q"); }, FaultKind::DivisionByZero},
        {"1e300 / 1e-300", [] { checkedDivide(1e300, 1e-300, "q"); }, FaultKind::Overflow},
        {"(-0.5)^0.5", [] { checkedPower(-0.5, 0.5, "q"); }, FaultKind::InvalidOperation},
        {"0^-1", [] { checkedPower(0, -1, "q"); }, FaultKind::DivisionByZero},
        {"10^400", [] { checkedPower(10, 400, "q"); }, FaultKind::Overflow},
        {"ln 0", [] { checkedLog(0, "q"); }, FaultKind::InvalidOperation},
        {"ln -1", [] { checkedLog(-1, "q"); }, FaultKind::InvalidOperation},
        {"single of 1e39", [] { toSingle(1e39, "q"); }, FaultKind::Overflow},
        {"year 1949",
         [] {
             YearlySeries s;
             s[1949] = 1;
         },
         FaultKind::Subscript},
        {"year 2051",
         [] {
             const YearlySeries s;
             (void)s[2051];
         },
         FaultKind::Subscript},
    };
    for (const FaultCase& c : cases) {
        try {
            c.operation();
            ADD_FAILURE() << c.name << ": no fault";
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.kind(), c.kind) << c.name;
        }
    }
}

TEST(CheckedMath, ValidOperationsPassThrough)
{
    EXPECT_EQ(checkedPower(-2, 3, "q"), -8);  // a negative base to a whole power is fine
    EXPECT_EQ(checkedPower(0, 0, "q"), 1);
    EXPECT_EQ(toSingle(double(FLT_MAX), "q"), FLT_MAX);
    EXPECT_EQ(toSingle(1e-50, "q"), 0.0f);  // underflow is no fault
    EXPECT_DOUBLE_EQ(checkedLog(1, "q"), 0);
}

}  // namespace
}  // namespace karnoth
