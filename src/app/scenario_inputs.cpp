#include "app/scenario_inputs.h"

#include "catalogue/input_catalogue.h"
#include "chart/recording_canvas.h"
#include "panel/change_handlers.h"

namespace karnoth {
namespace {

// The window's controls as a scenario holds them: read only, nothing drawn or written.
class ScenarioControls final : public PanelControls {
public:
    explicit ScenarioControls(const Scenario& scenario) : scenario_(scenario) { }

    std::string text(std::string_view textBox) const override
    {
        const auto it = scenario_.texts.find(std::string(textBox));
        if (it == scenario_.texts.end()) return std::string(inputRow(textBox).defaultText);
        // Opening the scenario would raise the age at first litter's handler, which floors it.
        if (textBox == control::txtRecruit)
            if (std::optional<std::string> floored = flooredRecruitText(it->second)) return *floored;
        return it->second;
    }
    std::int16_t value(std::string_view bar) const override { return static_cast<std::int16_t>(valueOf(bar)); }
    bool isChecked(std::string_view box) const override { return valueOf(box) == 1; }
    YearlySeries killedByYear() const override { return killedByYearOf(scenario_.killed); }

    void setText(std::string_view, std::string) override { }
    void setCaption(std::string_view, std::string) override { }
    void setEnabled(std::string_view, bool) override { }
    bool isEnabled(std::string_view) const override { return true; }
    bool formReady() const override { return true; }
    Canvas& picPlot() override { return canvas_; }
    std::filesystem::path killedFilePath() const override { return {}; }
    void setPupsPerYearling(float) override { }
    void setFirstYearSurvival(float) override { }
    void projectionFinished(const ModelResult&) override { }

private:
    int valueOf(std::string_view name) const
    {
        if (const auto it = scenario_.values.find(std::string(name)); it != scenario_.values.end()) return it->second;
        return inputRow(name).defaultValue;
    }

    const Scenario& scenario_;
    RecordingCanvas canvas_;  // nothing is drawn: the inputs are only read
};

}  // namespace

WindowInputs scenarioInputs(const Scenario& scenario)
{
    ScenarioControls controls(scenario);
    return readWindowInputs(controls);
}

}  // namespace karnoth
