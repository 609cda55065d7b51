#include "panel/run_button.h"

#include "catalogue/control_names.h"
#include "chart/plot_series.h"
#include "panel/report_texts.h"
#include "panel/window_inputs.h"
#include "support/checked_math.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <string>

namespace karnoth {
namespace {

// Writes what the run finds into the window as soon as it is known.
class CaptionWriter final : public RunObserver {
public:
    explicit CaptionWriter(PanelControls& form) : form_(form) { }

    void pupsPerYearlingStored(float value) override { form_.setPupsPerYearling(value); }
    void firstYearSurvivalStored(float value) override { form_.setFirstYearSurvival(value); }
    void growthRateFound(const ModelResult& run) override
    {
        form_.setPhraseCaption(control::Label14, doublingTimeLine(run.doublingTime, run.firstYearSurvival));
    }
    void equilibriumSet(const ModelResult& run) override
    {
        form_.setPhraseCaption(control::Label6, currentlySterilisedLine(run.currentlySterilisedPerYear));
    }
    void programmeStarted(const FirstYearNumbers& first, const ProjectionSettings& settings) override
    {
        // A number of operations a year makes the rate's per cents meaningless: they are not shown.
        if (settings.operationsPerYear)
            form_.setPhraseCaption(control::Label4,
                                   operationsFirstYearSentence(settings.programmeStart, first.total, first.owned,
                                                               first.street, *settings.operationsPerYear));
        else
            form_.setPhraseCaption(control::Label4, firstYearSentence(first.total, first.owned, first.street,
                                                                      settings.programmeRate, settings.ownedShare));
    }
    void projectionFinished(const ModelResult& run) override { form_.projectionFinished(run); }

private:
    PanelControls& form_;
};

// Street coverage is charted in per cent on a scale of its own, whatever the log scale does to the
// counts: 0 to 100 % spans the same middle 80 % of the height as the counts' scales.
constexpr ChartScale kPercentScale{100.0f};

YearlySeries percentOf(const YearlySeries& shares)
{
    YearlySeries percent;
    for (int year = kFirstYear; year <= kLastYear; ++year)
        percent[year] = toSingle(double(shares[year]) * 100.0, "the street coverage in per cent");
    return percent;
}

}  // namespace

void cmdRun_Click(PanelControls& form)
{
    RecordingInputs inputs(form);
    CaptionWriter writer(form);
    ModelResult run;
    try {
        runSteps(inputs, writer, run);
    } catch (...) {
        const WindowInputs read = inputs.read();
        form.runInputsRead(inputs.complete() ? &read : nullptr);
        throw;
    }
    const WindowInputs read = inputs.read();
    form.runInputsRead(&read);
    RunSeries& series = run.series;
    form.setPhraseCaption(control::Label3,
                          summarySentence(series.streetTotal[2005], series.streetTotal[2000], run.abandonedShare2005));
    form.setPhraseCaption(control::lblCoverage,
                          coverageSentence(run.streetSterilisedShare, coverageTargetYear(read.inputs.programmeStart)));
    form.setPhraseCaption(control::lblRebound, reboundSentence(run.rebound));

    Canvas& picPlot = form.picPlot();
    picPlot.Cls();
    const bool logScale = form.isChecked(control::chkLog);
    if (logScale) toLogScale(series);
    const std::optional<ChartScales> kept = form.keptScales(logScale);
    const ChartScales scales = kept ? *kept
                                    : ChartScales{ChartScale::fittedTo(series.streetTotal),
                                                  ChartScale::fittedTo(series.extraSterilisations), logScale};
    PlotSeries(picPlot, series.streetTotal, kRed, scales.counts);
    PlotSeries(picPlot, series.streetBreeders, kGreen, scales.counts);
    PlotSeries(picPlot, series.extraSterilisations, kBlue, scales.sterilisations);
    if (form.chartsStreetCoverage()) PlotSeries(picPlot, percentOf(run.streetSterilisedShare), kPurple, kPercentScale);
    form.scalesCharted(scales);
    form.runCompleted();
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
                throw Fault(FaultKind::InvalidOperation, "log scale: " + std::string(s.name) + " in " +
                                                             std::to_string(year) + " are " + formatPlain(v) +
                                                             ", and ln(v + 1) needs a value above -1");
            v = toSingle(checkedLog(double(v) + 1.0, "the log scale"), "the log scale");
        }
    }
}

}  // namespace karnoth
