#include "app/scenario_inputs.h"

#include "app/layout.h"
#include "panel/control_names.h"

namespace karnoth {
namespace {

// The window's controls as a scenario holds them: read only, nothing drawn or written.
class ScenarioControls final : public PanelControls {
public:
    explicit ScenarioControls(const Scenario& scenario) : scenario_(scenario) {}

    std::string text(std::string_view textBox) const override
    {
        if (const auto it = scenario_.texts.find(std::string(textBox)); it != scenario_.texts.end()) return it->second;
        return std::string(findLayoutRow(textBox)->text);
    }
    std::int16_t value(std::string_view bar) const override { return static_cast<std::int16_t>(valueOf(bar)); }
    bool isChecked(std::string_view box) const override { return valueOf(box) == 1; }
    YearlySeries killedByYear() const override { return killedByYearOf(scenario_.killed); }

    void setText(std::string_view, std::string) override {}
    void setCaption(std::string_view, std::string) override {}
    bool formReady() const override { return true; }
    Canvas& picPlot() override { return canvas_; }
    std::filesystem::path killedFilePath() const override { return {}; }
    void setPupsPerYearling(float) override {}
    void setFirstYearSurvival(float) override {}
    void projectionFinished(const RunSeries&) override {}

private:
    int valueOf(std::string_view name) const
    {
        if (const auto it = scenario_.values.find(std::string(name)); it != scenario_.values.end()) return it->second;
        return findLayoutRow(name)->value;
    }

    // A canvas nobody looks at; the inputs are read without drawing.
    class NoCanvas final : public Canvas {
    public:
        void Cls() override {}
        float ScaleWidth() const override { return 1; }
        float ScaleHeight() const override { return 1; }
        void setForeColor(Rgb) override {}
        Rgb foreColor() const override { return kBlack; }
        void Line(float, float, float, float, std::optional<Rgb>) override {}
        void setCurrentX(float) override {}
        void setCurrentY(float) override {}
        float currentX() const override { return 0; }
        float currentY() const override { return 0; }
        void Print(std::string_view) override {}
    };

    const Scenario& scenario_;
    NoCanvas canvas_;
};

}  // namespace

WindowInputs scenarioInputs(const Scenario& scenario)
{
    ScenarioControls controls(scenario);
    return readWindowInputs(controls);
}

}  // namespace karnoth
