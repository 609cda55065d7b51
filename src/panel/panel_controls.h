#pragma once
// The window as the handlers see it: controls read and written by name, the form-level values and
// the picture area. The window model implements it; the handlers know nothing else of the window.

#include "chart/canvas.h"
#include "chart/chart_scale.h"
#include "model/run_writer.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace karnoth {

class PanelControls : public RunWriter {
public:
    virtual std::string text(std::string_view textBox) const = 0;
    // Sets a text box's text; a text that differs raises the box's change handler at once, nested
    // inside the caller.
    virtual void setText(std::string_view textBox, std::string text) = 0;
    virtual std::int16_t value(std::string_view scrollBar) const = 0;
    virtual bool isChecked(std::string_view checkBox) const = 0;
    virtual void setCaption(std::string_view label, std::string caption) = 0;
    virtual bool formReady() const = 0;
    virtual Canvas& picPlot() = 0;
    virtual ChartScale& chartScale() = 0;
    // Where the run looks for "killed.txt".
    virtual std::filesystem::path killedFilePath() const = 0;
    // Called when a run has drawn its chart: everything it had to do succeeded.
    virtual void runCompleted() {}

    // A run writes its report texts straight into the labels.
    void writeCaption(std::string_view label, std::string caption) override
    {
        setCaption(label, std::move(caption));
    }
};

}  // namespace karnoth
