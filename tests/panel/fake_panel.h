#pragma once
// The parameter panel with its layout defaults, as plain values, logging what the handlers do.

#include "chart/recording_canvas.h"
#include "panel/change_handlers.h"
#include "panel/panel_controls.h"
#include "support/fault.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace karnoth::testing {

class FakePanel : public PanelControls {
public:
    std::map<std::string, std::string, std::less<>> texts{{"txtAdultSurv", "0.9"},
                                                          {"txtJuvSurv", ".1"},
                                                          {"txtRecruit", "1"},
                                                          {"txtSenile", "7"},
                                                          {"txtFecundity", "0.75"},
                                                          {"txtLitter", "2"},
                                                          {"txtCurrentOwnedSteril", "50"},
                                                          {"txtStart", "2005"},
                                                          {"txtTimes", "1"},
                                                          {"txtFrom", "1990"},
                                                          {"txtTo", "2005"},
                                                          {"txtImmigrants", "0"},
                                                          {"txtCapacity", ""},
                                                          {"txtCompensation", "1"},
                                                          {"txtStop", ""},
                                                          {"txtOperations", ""}};
    std::map<std::string, std::int16_t, std::less<>> values{
        {"vscGainLoss", 4000}, {"hscSterilise", 252}, {"vscTarget", 50}};
    std::map<std::string, std::string, std::less<>> captions;
    std::set<std::string> checked;  // the check boxes that are checked
    std::set<std::string> greyed;  // the controls a handler disabled
    bool coverageCharted = false;
    std::vector<std::string> log;  // "caption Label4", "text txtRecruit", "fault ...", "run"
    bool ready = false;
    float pups = 0;
    float firstYearSurvival = 0;
    std::optional<RunSeries> series;  // of the last projection that finished
    std::filesystem::path killed = "/nonexistent/killed.txt";
    RecordingCanvas canvas;

    // A change event as the window raises it: the handler's fault is caught and logged.
    void change(std::string_view control)
    {
        try {
            raiseChange(*this, control);
        } catch (const Fault& fault) {
            log.push_back(std::string("fault ") + fault.what());
        }
    }
    void type(const std::string& box, const std::string& text)
    {
        texts[box] = text;
        change(box);
    }
    void scroll(const std::string& bar, std::int16_t value)
    {
        values[bar] = value;
        change(bar);
    }

    std::string text(std::string_view box) const override { return texts.find(box)->second; }
    void setText(std::string_view box, std::string text) override
    {
        if (texts.find(box)->second == text) return;
        log.push_back("text " + std::string(box));
        texts.find(box)->second = std::move(text);
        change(box);
    }
    std::int16_t value(std::string_view bar) const override { return values.find(bar)->second; }
    bool isChecked(std::string_view box) const override { return checked.count(std::string(box)) > 0; }
    void setCaption(std::string_view label, std::string caption) override
    {
        log.push_back("caption " + std::string(label));
        captions[std::string(label)] = std::move(caption);
    }
    void setEnabled(std::string_view control, bool enabled) override
    {
        log.push_back((enabled ? "enable " : "grey ") + std::string(control));
        if (enabled)
            greyed.erase(std::string(control));
        else
            greyed.insert(std::string(control));
    }
    bool isEnabled(std::string_view control) const override { return greyed.count(std::string(control)) == 0; }
    bool chartsStreetCoverage() const override { return coverageCharted; }
    bool formReady() const override { return ready; }
    Canvas& picPlot() override { return canvas; }
    std::filesystem::path killedFilePath() const override { return killed; }
    void setPupsPerYearling(float value) override { pups = value; }
    void setFirstYearSurvival(float value) override { firstYearSurvival = value; }
    void projectionFinished(const ModelResult& run) override
    {
        log.push_back("projection");
        series = run.series;
    }
    void runCompleted() override { log.push_back("run"); }
};

}  // namespace karnoth::testing
