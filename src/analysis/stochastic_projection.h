#pragma once
// A run of the model with chance in it, for the uncertainty bands: the model's own set-up (ranges,
// breeding quantities, growth rate, equilibrium) and its own yearly steps, counted with two kinds
// of chance that can be switched on alone or together.
//
// - Year-to-year variation (SD s > 0): each year draws one factor f from a normal distribution of
//   mean 1 and SD s; that year's adult survival, street juvenile survival and owned first-year
//   survival are multiplied by f and clipped to [0, 1]. The owned first-year survival lies above 1
//   when pups per yearling fall below 1 / 0.3 (it is then yearlings per pup, not a chance); it is
//   only kept from falling below 0, so that a small s changes the run by little.
// - Whole dogs: every count is a whole number of animals. The equilibrium is rounded to the
//   nearest dog in each class; the survivors of each class are binomial, pups Poisson with the
//   model's mean; owners' sterilisation, the cull (share = that year's killed count / the street
//   total) and the programme take dogs binomially from the group they act on, with the model's
//   share as the probability capped at 1; abandonment stays the surplus of owned yearlings above
//   the retained number, rounded. A first-year survival p above 1 gives n x floor(p) plus
//   Binomial(n, p - floor(p)) yearlings, n x p on average.
//
// With neither, the projection is the model's own, single for single. A street that dies out is an
// outcome of a replicate, not a fault: the 2005 share of abandoned dogs is then not recorded, a cull
// of a street with no fertile dogs removes nothing, and the run goes on (abandonment may refill it).

#include "analysis/random_stream.h"
#include "model/model_inputs.h"
#include "model/population_state.h"
#include "model/projection.h"
#include "model/run_series.h"
#include "support/yearly_series.h"

#include <memory>

namespace karnoth {

struct YearlyChance {
    double yearToYearSd = 0;  // SD of the yearly survival factor; 0 is none
    bool wholeDogs = false;
    bool any() const { return yearToYearSd > 0 || wholeDogs; }
};

// What the projection starts from: the equilibrium (with the breeding quantities and the retained
// yearlings) and the projection's settings.
struct RunStart {
    PopulationState equilibrium;
    ProjectionSettings settings;
};

// The steps of a run before its projection, for typed inputs, with the model's faults: every input
// against its range, the breeding quantities, the growth rate and doubling time, the owned and
// street steady state and equilibrium, the breeding ages as whole classes.
RunStart prepareRun(const ModelInputs& inputs);

// Whole-dog counts above this are an Overflow fault: beyond it a double no longer counts every dog.
inline constexpr double kMostWholeDogs = 1e15;

// Projects from `start` through 1950..2050 into `series`, drawing from `stream` in a fixed order
// (each year: the factor, then the whole-dog draws step by step). Faults, worded as the model's
// own: culling in 1950, a step that removes more dogs than there are (only without whole dogs:
// their shares are capped), numbers too large for a single, or whole-dog counts above
// kMostWholeDogs. `killedByYear` holds no negative count.
void projectWithChance(const RunStart& start, const YearlySeries& killedByYear, const YearlyChance& chance,
                       RandomStream& stream, RunSeries& series);

// The same run in parts, for analyses that run many programmes from one past: the years up to a
// year, then on from there. A copy made between parts goes on independently, so the years before a
// programme starts can be run once and each programme go on from a copy with its own settings.
// Without chance the counts are the model's own (runModelInto's singles), with it as
// projectWithChance counts them; either way each part runs the fast pass only, and a part that
// meets anything (a fault, a number that is not finite) says so, for the caller to learn what the
// whole run gives from projectWithChance or the model.
class ProjectionInParts {
public:
    ProjectionInParts(const RunStart& start, const YearlySeries& killedByYear, const YearlyChance& chance,
                      const RandomStream& stream);
    ProjectionInParts(const ProjectionInParts&);
    ProjectionInParts& operator=(const ProjectionInParts&);
    ~ProjectionInParts();

    // What the years not yet run read: the programme's rate, owned share and operations may change.
    ProjectionSettings& settings();
    // Runs the years after the last one run up to `lastYear` (at most 2050): false when they met
    // anything, and then nothing more is to be read from this run.
    bool runTo(int lastYear);
    // Where the years' only draws are their survival factors (singles with a year-to-year SD), draws
    // those of the years not yet run now, from the same stream, so that copies made from here on
    // share them rather than each drawing them again. Nothing otherwise.
    void drawChanceAhead();
    // A year already run.
    float streetTotal(int year) const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace karnoth
