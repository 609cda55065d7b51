#include "model/rebound.h"

namespace karnoth {

std::optional<Rebound> reboundOf(const YearlySeries& streetTotal, int start, std::optional<int> stop)
{
    if (!stop || start < kFirstYear + 1 || *stop < start || *stop >= kLastYear) return std::nullopt;
    const double threshold = kReboundShare * double(streetTotal[start - 1]);
    bool fell = false;
    for (int year = start; year <= *stop && !fell; ++year) fell = double(streetTotal[year]) < threshold;
    if (!fell) return std::nullopt;
    Rebound rebound{start - 1, *stop, std::nullopt};
    for (int year = *stop + 1; year <= kLastYear; ++year)
        if (double(streetTotal[year]) >= threshold) {
            rebound.year = year;
            break;
        }
    return rebound;
}

}  // namespace karnoth
