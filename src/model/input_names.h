#pragma once
// The names a user knows the inputs by, for fault messages: each is the label beside the box.

namespace karnoth::input_name {

inline constexpr const char* adultSurv = "adult survival";
inline constexpr const char* juvSurv = "juvenile survival";
inline constexpr const char* recruit = "age at first litter";
inline constexpr const char* senile = "age at last litter";
inline constexpr const char* fecundity = "prob. pregnant";
inline constexpr const char* litter = "female pups per litter";
inline constexpr const char* currentOwnedSteril = "% owned dogs sterilised";
inline constexpr const char* start = "sterilising starts in";
inline constexpr const char* times = "times in first year";
inline constexpr const char* from = "dogs killed from";
inline constexpr const char* to = "dogs killed to";

}  // namespace karnoth::input_name
