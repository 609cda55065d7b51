#pragma once
// What one run reads from the window: the parameter texts as typed and the controls' values. The
// texts are converted when each is first used (RunParameters), so a bad text faults only when the
// run reaches the step that needs it.

#include <filesystem>
#include <string>

namespace karnoth {

struct RunInputs {
    std::string adultSurv = "0.9";          // S, yearly survival from age one
    std::string juvSurv = ".1";             // Sj, first-year survival of street pups
    std::string recruit = "1";              // R, age at first litter (years)
    std::string senile = "7";               // L, age at last litter (years)
    std::string fecundity = "0.75";         // P, probability a breeding female is pregnant in a year
    std::string litter = "2";               // Lit, female pups per litter
    std::string currentOwnedSteril = "50";  // Cs, per cent of owned yearlings owners sterilise
    std::string start = "2005";             // first year of the programme
    std::string times = "1";                // multiplier of the programme's effort in its first year
    std::string from = "1990";              // first year of culling (inclusive)
    std::string to = "2005";                // last year of culling (inclusive)
    int gainLoss = 4000;       // G, owned yearlings abandoned per year at equilibrium
    int sterilise = 252;       // H, programme rate in tenths of a per cent per year
    int target = 50;           // T, per cent of the programme aimed at owned dogs
    bool onlyYearlings = false;  // street programme treats only 1-year-olds
    bool logScale = false;       // series go to the chart as ln(v + 1)
    std::filesystem::path killedFile = "killed.txt";
};

}  // namespace karnoth
