#include "model/projection.h"

#include "model/yearly_steps.h"
#include "support/fault.h"

#include <string>

namespace karnoth {

void requireBreedingAgesInTable(int firstBreedingAge, int lastBreedingAge)
{
    if (firstBreedingAge > lastBreedingAge) return;  // an empty range reads no class
    if (firstBreedingAge < 0)
        throw Fault(FaultKind::Subscript,
                    "age at first litter " + std::to_string(firstBreedingAge) + " lies below the youngest age class 0",
                    "age at first litter");
    if (lastBreedingAge > kOldestAge)
        throw Fault(FaultKind::Subscript,
                    "age at last litter " + std::to_string(lastBreedingAge) + " lies beyond the oldest age class 10",
                    "age at last litter");
}

void project(PopulationState& state, const ProjectionSettings& settings, const YearlySeries& killedByYear,
             ProjectionRecord& record)
{
    yearly_steps::SingleCounts counts;
    yearly_steps::projectFastThenChecked(state, settings, killedByYear, counts, record);
}

void projectCheckingEveryStore(PopulationState& state, const ProjectionSettings& settings,
                               const YearlySeries& killedByYear, ProjectionRecord& record)
{
    yearly_steps::SingleCounts counts;
    yearly_steps::projectYears<yearly_steps::CheckedStores>(state, settings, killedByYear, counts, record);
}

}  // namespace karnoth
