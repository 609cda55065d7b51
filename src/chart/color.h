#pragma once
// A 24-bit RGB colour.

#include <cstdint>
#include <string>

namespace karnoth {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kPurple{128, 0, 128};  // the street coverage, in per cent

// "#rrggbb"
std::string toHex(Rgb colour);

}  // namespace karnoth
