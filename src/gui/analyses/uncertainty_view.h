#pragma once
// Analysis -> Uncertainty: how wide the range of outcomes is. N replicates (default 1000) of the
// projection from the window's last run's inputs, with uniform ranges on any of the fifteen varied inputs
// (range_inputs.h), year-to-year variation of survival (SD, default none) and whole dogs (default
// off), from a seed (default 1). It shows the main chart's street series with the 50 % and 90 %
// bands and the median of the replicates (band_chart_widget.h), and the chance of meeting the
// planner's target (the window's shared planner settings; by default ten years after the start at
// 50 % of the year before it). It follows the main window live (analysis_view.h); the exports are
// the chart and the bands as CSV (analysis/uncertainty_csv.h). An option anchors the replicates to
// a count in a survey year (analysis/uncertainty.h).

#include "analysis/uncertainty.h"
#include "app/view_settings.h"
#include "gui/analyses/analysis_view.h"
#include "model/run_series.h"

#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace karnoth::gui {

class BandChartWidget;
class RangeInputs;

class UncertaintyView : public AnalysisView {
    Q_OBJECT

public:
    explicit UncertaintyView(FormWindow& window);

    RangeInputs& ranges() const { return *ranges_; }
    QDoubleSpinBox& yearToYearBox() const { return *yearToYear_; }
    QCheckBox& wholeDogsBox() const { return *wholeDogs_; }
    QSpinBox& replicatesBox() const { return *replicates_; }
    QSpinBox& seedBox() const { return *seed_; }
    QGroupBox& anchorBox() const { return *anchor_; }
    QSpinBox& anchorSurveyYearBox() const { return *surveyYear_; }
    QDoubleSpinBox& anchorCountBox() const { return *count_; }
    BandChartWidget& chart() const { return *chart_; }
    // The chance of meeting the planner's target, in words.
    QLabel& targetLine() const { return *target_; }

    // What the chart shows: the request it was computed for, its bands, and the window's own run.
    struct Shown {
        UncertaintyRequest request;
        UncertaintyResult result;
        std::optional<RunSeries> run;  // the model's run at the window's inputs
        std::optional<std::string> runFault;  // why that run faulted
    };
    const std::optional<Shown>& shown() const { return shown_; }

protected:
    void compute(const WindowInputs& inputs) override;
    void showUnread(const QString& why) override;
    QSize chartSize() const override;
    void paintChart(QPainter& painter, const QRectF& area) const override;
    QStringList settingsLines() const override;
    std::optional<std::string> csvText() const override;
    QString exportName() const override { return tr("uncertainty"); }

private:
    QWidget* buildInputs();
    // The view's settings from the window's session and back.
    void restoreSettings(UncertaintySettings kept);
    UncertaintySettings settings() const;
    void display(const WindowInputs& inputs, Shown shown);
    QString targetWords(const Shown& shown) const;

    RangeInputs* ranges_ = nullptr;
    QDoubleSpinBox* yearToYear_ = nullptr;
    QCheckBox* wholeDogs_ = nullptr;
    QSpinBox* replicates_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QGroupBox* anchor_ = nullptr;
    QSpinBox* surveyYear_ = nullptr;
    QDoubleSpinBox* count_ = nullptr;
    QComboBox* adjusted_ = nullptr;
    QLabel* target_ = nullptr;
    BandChartWidget* chart_ = nullptr;
    std::optional<Shown> shown_;
};

}  // namespace karnoth::gui
