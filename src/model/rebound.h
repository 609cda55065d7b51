#pragma once
// How fast the street comes back after a programme that stops. With B the street total in the
// year before the start, it applies when the programme starts in 1951 or later, stops before 2050,
// and brought the street below 0.9 x B in some year of it; the rebound year is then the first year
// after the stop whose street total is at least 0.9 x B (compared in double), or none by 2050.

#include "support/yearly_series.h"

#include <optional>

namespace karnoth {

inline constexpr double kReboundShare = 0.9;

struct Rebound {
    int baselineYear = 0;  // the year before the start, whose street total is B
    int stopYear = 0;  // the programme's last year
    std::optional<int> year;  // the first year back at 0.9 x B; none when not back by 2050

    std::optional<int> yearsAfterStop() const { return year ? std::optional<int>(*year - stopYear) : std::nullopt; }
    friend bool operator==(const Rebound&, const Rebound&) = default;
};

std::optional<Rebound> reboundOf(const YearlySeries& streetTotal, int programmeStart, std::optional<int> programmeStop);

}  // namespace karnoth
