#pragma once
// The window's inputs as a run reads them, typed: what the analyses run the model on. A run reads
// each input right before the step that first needs it; these are the values it read.

#include "model/model_inputs.h"
#include "panel/form_inputs.h"
#include "panel/panel_controls.h"
#include "support/yearly_series.h"

namespace karnoth {

struct WindowInputs {
    ModelInputs inputs;  // an input the run never needed keeps its default
    YearlySeries killedByYear;  // from killed.txt, none when there is no file
};

// The window's inputs as a run asks for them (FormInputs), kept as they are given.
class RecordingInputs final : public InputSource {
public:
    explicit RecordingInputs(PanelControls& form);

    double number(InputField field) override;
    int year(InputField field) override;
    std::optional<double> optionalNumber(InputField field) override;
    std::optional<int> optionalYear(InputField field) override;
    const YearlySeries& killedByYear() override;
    bool onlyYearlings() override;
    void everyInputRead() override { complete_ = true; }

    // True once the run has asked for every input it reads.
    bool complete() const { return complete_; }
    WindowInputs read() const;

private:
    FormInputs window_;
    WindowInputs read_;
    bool complete_ = false;
};

// The inputs a Run would read from the window now. Nothing is written: no caption, no form-level
// value, no chart. A Fault when a run would stop before it has read them all (a text that is not
// a number, a value outside its range, killed.txt, no steady state); a fault of the projection
// itself comes after every input is read and does not stop this.
WindowInputs readWindowInputs(PanelControls& form);

}  // namespace karnoth
