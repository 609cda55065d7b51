#include "panel/run_button.h"

#include "chart/plot_series.h"
#include "model/simulation.h"

namespace karnoth {

void cmdRun_Click(PanelControls& form)
{
    RunInputs inputs;
    inputs.adultSurv = form.text("txtAdultSurv");
    inputs.juvSurv = form.text("txtJuvSurv");
    inputs.recruit = form.text("txtRecruit");
    inputs.senile = form.text("txtSenile");
    inputs.fecundity = form.text("txtFecundity");
    inputs.litter = form.text("txtLitter");
    inputs.currentOwnedSteril = form.text("txtCurrentOwnedSteril");
    inputs.start = form.text("txtStart");
    inputs.times = form.text("txtTimes");
    inputs.from = form.text("txtFrom");
    inputs.to = form.text("txtTo");
    inputs.gainLoss = form.value("vscGainLoss");
    inputs.sterilise = form.value("hscSterilise");
    inputs.target = form.value("vscTarget");
    inputs.onlyYearlings = form.isChecked("chkSterilise");
    inputs.logScale = form.isChecked("chkLog");
    inputs.killedFile = form.killedFilePath();

    RunSeries series = runSimulation(inputs, form);

    Canvas& picPlot = form.picPlot();
    picPlot.Cls();
    if (inputs.logScale) toLogScale(series);
    PlotSeries(picPlot, form.chartScale(), series.streetTotal, kRed, true);
    PlotSeries(picPlot, form.chartScale(), series.streetBreeders, kGreen, false);
    PlotSeries(picPlot, form.chartScale(), series.extraSterilisations, kBlue, true);
    form.runCompleted();
}

}  // namespace karnoth
