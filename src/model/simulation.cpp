#include "model/simulation.h"

#include "model/breeding.h"
#include "model/equilibrium.h"
#include "model/growth_rate.h"
#include "model/killed_file.h"
#include "model/population_state.h"
#include "model/projection.h"
#include "model/report_texts.h"
#include "model/run_parameters.h"
#include "support/checked_math.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <string>

namespace karnoth {

RunSeries runSimulation(const RunInputs& inputs, RunWriter& writer)
{
    const RunParameters p(inputs);
    PopulationState state;

    state.unsterilisedShare = toSingle(1.0 - p.Cs() / 100.0, "the unsterilised share 1 - % owned dogs sterilised / 100");
    const YearlySeries killedByYear = readKilledFile(inputs.killedFile);

    const double S = p.S();
    const double R = p.R();
    const double L = p.L();
    const float years = breedingYears(S, R, L);
    writer.setPupsPerYearling(years);
    const double P = p.P();
    const double Lit = p.Lit();
    state.pupsPerYearling = pupsFromBreedingYears(years, P, Lit);
    writer.setPupsPerYearling(state.pupsPerYearling);
    state.firstYearSurvival = firstYearSurvivalFor(state.pupsPerYearling);
    writer.setFirstYearSurvival(state.firstYearSurvival);

    const double growthRate = growthRateFor(S, R, L, P, Lit, state.firstYearSurvival);
    writer.writeCaption("Label14", doublingTimeLine(doublingTimeFor(growthRate), state.firstYearSurvival));

    setEquilibrium(state, p);
    writer.writeCaption("Label6", currentlySterilisedLine(state.unsterilisedShare, state.ownedFertile[1]));

    const ProjectionResult projection = project(state, p, killedByYear, writer);
    writer.projectionFinished(projection.series);

    const RunSeries& series = projection.series;
    writer.writeCaption("Label3", summarySentence(series.streetTotal[2005], series.streetTotal[2000],
                                                  projection.abandonedShare2005));
    return series;
}

void toLogScale(RunSeries& series)
{
    struct Named {
        YearlySeries* values;
        const char* name;
    };
    const Named charted[] = {{&series.streetTotal, "the street females"},
                             {&series.streetBreeders, "the fertile street breeders"},
                             {&series.extraSterilisations, "the programme sterilisations"}};
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (const Named& s : charted) {
            float& v = s.values->at1950Plus(year - kFirstYear);
            if (!(double(v) + 1.0 > 0.0))
                throw Fault(FaultKind::InvalidOperation,
                            "log scale: " + std::string(s.name) + " in " + std::to_string(year) + " are " +
                                formatPlain(v) + ", and ln(v + 1) needs a value above -1");
            v = toSingle(checkedLog(double(v) + 1.0, "the log scale"), "the log scale");
        }
    }
}

}  // namespace karnoth
