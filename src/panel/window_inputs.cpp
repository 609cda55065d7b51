#include "panel/window_inputs.h"

#include "model/run_steps.h"
#include "support/fault.h"

namespace karnoth {

RecordingInputs::RecordingInputs(PanelControls& form) : window_(form) {}

double RecordingInputs::number(InputField field)
{
    const double value = window_.number(field);
    switch (field) {
    case InputField::adultSurvival: read_.inputs.adultSurvival = value; break;
    case InputField::streetJuvenileSurvival: read_.inputs.streetJuvenileSurvival = value; break;
    case InputField::ageAtFirstLitter: read_.inputs.ageAtFirstLitter = value; break;
    case InputField::ageAtLastLitter: read_.inputs.ageAtLastLitter = value; break;
    case InputField::probPregnant: read_.inputs.probPregnant = value; break;
    case InputField::femalePupsPerLitter: read_.inputs.femalePupsPerLitter = value; break;
    case InputField::ownedSterilisedPercent: read_.inputs.ownedSterilisedPercent = value; break;
    case InputField::firstYearMultiplier: read_.inputs.firstYearMultiplier = value; break;
    case InputField::abandonedPerYear: read_.inputs.abandonedPerYear = value; break;
    case InputField::programmeRate: read_.inputs.programmeRate = value; break;
    case InputField::ownedShare:
        read_.inputs.ownedShare = value;
        complete_ = true;  // the last input a run reads, right before the projection
        break;
    case InputField::programmeStart:
    case InputField::cullFrom:
    case InputField::cullTo: break;
    }
    return value;
}

int RecordingInputs::year(InputField field)
{
    const int value = window_.year(field);
    if (field == InputField::programmeStart) read_.inputs.programmeStart = value;
    else if (field == InputField::cullFrom) read_.inputs.cullFrom = value;
    else if (field == InputField::cullTo) read_.inputs.cullTo = value;
    return value;
}

const YearlySeries& RecordingInputs::killedByYear()
{
    read_.killedByYear = window_.killedByYear();
    return read_.killedByYear;
}

bool RecordingInputs::onlyYearlings() { return read_.inputs.onlyYearlings = window_.onlyYearlings(); }

WindowInputs RecordingInputs::read() const
{
    WindowInputs read = read_;
    // A last culling year the run never needed (the first lies beyond 2050) culls nothing either way.
    if (read.inputs.cullFrom > kLastYear) read.inputs.cullTo = read.inputs.cullFrom;
    return read;
}

WindowInputs readWindowInputs(PanelControls& form)
{
    RecordingInputs recording(form);
    RunObserver nobody;
    ModelResult run;
    try {
        runSteps(recording, nobody, run);
    } catch (const Fault&) {
        if (!recording.complete()) throw;
    }
    return recording.read();
}

}  // namespace karnoth
