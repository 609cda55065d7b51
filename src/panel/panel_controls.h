#pragma once
// The window as the handlers see it: controls read and written by name, the form-level values and
// the picture area. The window model implements it; the handlers know nothing else of the window.

#include "chart/canvas.h"
#include "chart/chart_scale.h"
#include "model/killed_file.h"
#include "model/model_inputs.h"
#include "model/model_result.h"
#include "support/phrase.h"
#include "support/yearly_series.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace karnoth {

struct WindowInputs;

class PanelControls {
public:
    virtual ~PanelControls() = default;

    virtual std::string text(std::string_view textBox) const = 0;
    // Sets a text box's text; a text that differs raises the box's change handler at once, nested
    // inside the caller.
    virtual void setText(std::string_view textBox, std::string text) = 0;
    virtual std::int16_t value(std::string_view scrollBar) const = 0;
    virtual bool isChecked(std::string_view checkBox) const = 0;
    virtual void setCaption(std::string_view label, std::string caption) = 0;
    // A caption written as a phrase: every reader takes its text(); a window may translate it. By
    // default only the text is kept.
    virtual void setPhraseCaption(std::string_view label, const Phrase& phrase) { setCaption(label, phrase.text()); }
    // Greys a control (false) or gives it back to the user (true); a greyed control keeps its value
    // and can still be set by the program.
    virtual void setEnabled(std::string_view control, bool enabled) = 0;
    virtual bool isEnabled(std::string_view control) const = 0;
    virtual bool formReady() const = 0;
    virtual Canvas& picPlot() = 0;
    // Whether a run charts the street coverage beside the counts: a choice of the window's view,
    // not an input of the model.
    virtual bool chartsStreetCoverage() const { return false; }
    // The scales to chart a run against instead of fitting them to it: those an earlier run was
    // charted against, while the window keeps its scale to compare runs; never across a change of
    // the log scale. nullopt fits them.
    virtual std::optional<ChartScales> keptScales(bool logScale) const
    {
        (void)logScale;
        return std::nullopt;
    }
    // The scales a run has just charted against.
    virtual void scalesCharted(const ChartScales& scales) { (void)scales; }
    // Where the run looks for "killed.txt".
    virtual std::filesystem::path killedFilePath() const = 0;
    // The culling counts a run uses: those of killed.txt (none when there is no file). A Fault
    // names the file and record when it cannot be read or holds a bad record.
    virtual YearlySeries killedByYear() const { return readKilledFile(killedFilePath()); }

    // The form-level values a run overwrites (and ShowJuvThreshold, for pupsPerYearling).
    virtual void setPupsPerYearling(float value) = 0;
    virtual void setFirstYearSurvival(float value) = 0;
    // The projection has filled every year of the run's series, its coverage and its rebound.
    virtual void projectionFinished(const ModelResult& run) = 0;
    // A run has ended, with or without a fault: what it read of the window, typed, when it got as
    // far as reading every input, or nullptr when it stopped before.
    virtual void runInputsRead(const WindowInputs* read) { (void)read; }
    // A run has drawn its chart: everything it had to do succeeded.
    virtual void runCompleted() { }
};

}  // namespace karnoth
