#pragma once
// The views' own settings as plain data (the analyses', where the windows were, the first year shown), so that the
// window model keeps them across restarts (karnoth-session.json) without knowing the views: a view reads them when it
// is made and writes them back whenever the user changes one.

#include <map>
#include <optional>
#include <string>

namespace karnoth {

// Analysis -> Sensitivity.
struct SensitivitySettings {
    // The year whose street total is compared, 1950..2050, when the user set one; none follows the
    // planner's target year.
    std::optional<int> year;
    double deltaPercent = 10;  // how far each input moves down and up, per cent of its value
    friend bool operator==(const SensitivitySettings&, const SensitivitySettings&) = default;
};

// One row of the uncertainty view's ranges: ticked or not, and its ends as typed (in the control's
// own units, the rate in tenths of a per cent), so that an end being typed is kept as it is.
struct KeptRange {
    bool varied = false;
    std::string low;
    std::string high;
    friend bool operator==(const KeptRange&, const KeptRange&) = default;
};

// Analysis -> Uncertainty.
struct UncertaintySettings {
    std::map<std::string, KeptRange> ranges;  // by the varied input's control name ("txtAdultSurv")
    double yearToYearSd = 0;  // 0 is none
    bool wholeDogs = false;
    int replicates = 1000;
    int seed = 1;
    friend bool operator==(const UncertaintySettings&, const UncertaintySettings&) = default;
};

// View -> Language: the window's language by its code ("en", "es", "pt_BR"); none follows the
// system's. A code this program does not know is kept and read as none.
struct LanguageSettings {
    std::string code;
    friend bool operator==(const LanguageSettings&, const LanguageSettings&) = default;
};

// Where a top-level window was left: the top left and size of its inside in pixels of the virtual
// desktop, and whether it was maximised (the place then being the one it returns to).
struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximised = false;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// View -> First year shown: where every year axis starts.
enum class FirstYearShown {
    Year1950,
    TenYearsBeforeStart,  // ten years before the programme starts, within 1950..2040
};

}  // namespace karnoth
