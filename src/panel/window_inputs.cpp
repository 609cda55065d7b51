#include "panel/window_inputs.h"

#include "catalogue/input_catalogue.h"
#include "model/run_steps.h"
#include "support/fault.h"

namespace karnoth {

RecordingInputs::RecordingInputs(PanelControls& form) : window_(form) { }

double RecordingInputs::number(InputField field)
{
    const double value = window_.number(field);
    read_.inputs.*inputRow(field).number = value;
    return value;
}

std::optional<double> RecordingInputs::optionalNumber(InputField field)
{
    const std::optional<double> value = window_.optionalNumber(field);
    const InputRow& row = inputRow(field);
    if (row.optionalNumber)
        read_.inputs.*row.optionalNumber = value;
    else
        read_.inputs.*row.number = value.value_or(ModelInputs{}.*row.number);  // empty: the neutral default
    return value;
}

std::optional<int> RecordingInputs::optionalYear(InputField field)
{
    const std::optional<int> value = window_.optionalYear(field);
    read_.inputs.*inputRow(field).optionalYear = value;
    return value;
}

int RecordingInputs::year(InputField field)
{
    const int value = window_.year(field);
    read_.inputs.*inputRow(field).year = value;
    return value;
}

const YearlySeries& RecordingInputs::killedByYear()
{
    read_.killedByYear = window_.killedByYear();
    return read_.killedByYear;
}

bool RecordingInputs::onlyYearlings()
{
    return read_.inputs.onlyYearlings = window_.onlyYearlings();
}

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
