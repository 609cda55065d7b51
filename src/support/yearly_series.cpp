#include "support/yearly_series.h"

#include "support/fault.h"

namespace karnoth {

void raiseYearOutsideTable(int year, const std::string& what)
{
    throw Fault(FaultKind::Subscript,
                "the year " + std::to_string(year) + " lies outside " + what + ", which holds the years 1950 to 2050");
}

}  // namespace karnoth
