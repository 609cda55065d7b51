#pragma once
// A yearly series: one single-precision value per calendar year 1950 to 2050 inclusive, indexed by
// the year itself. A year outside the table is a Subscript Fault.

#include <array>
#include <string>

namespace karnoth {

inline constexpr int kFirstYear = 1950;
inline constexpr int kLastYear = 2050;
inline constexpr int kYearCount = kLastYear - kFirstYear + 1;  // 101

[[noreturn]] void raiseYearOutsideTable(int year, const std::string& what);

class YearlySeries {
public:
    float& operator[](int year) { return values_[checkedIndex(year)]; }
    float operator[](int year) const { return values_[checkedIndex(year)]; }
    // Index checking is for years that come from input; loops over 1950..2050 use these.
    float& at1950Plus(int offset) { return values_[offset]; }
    float at1950Plus(int offset) const { return values_[offset]; }
    const std::array<float, kYearCount>& values() const { return values_; }
    std::array<float, kYearCount>& values() { return values_; }

private:
    static std::size_t checkedIndex(int year)
    {
        if (year < kFirstYear || year > kLastYear) [[unlikely]]
            raiseYearOutsideTable(year, "a yearly series");
        return static_cast<std::size_t>(year - kFirstYear);
    }
    std::array<float, kYearCount> values_{};
};

// The mean of a series over the years first..last (both included, first <= last), added in double
// year by year.
inline double meanOver(const YearlySeries& series, int first, int last)
{
    double sum = 0;
    for (int year = first; year <= last; ++year) sum += series[year];
    return sum / (last - first + 1);
}

}  // namespace karnoth
