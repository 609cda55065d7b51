#pragma once
// Analysis -> Sensitivity: which guesses the answer hangs on. The street total in a chosen year
// (the planner's target year until the user sets one) with each varied input in use (the eleven older ones, and those
// of a real town that are on) moved down and up by delta per cent (default 10), one run per end, shown as a tornado
// chart (tornado_widget.h) that follows the main window live (analysis_view.h). The year and delta are the view's own
// inputs; the exports are the chart and the table as CSV (analysis/sensitivity_csv.h).

#include "analysis/sensitivity.h"
#include "gui/analyses/analysis_view.h"

#include <optional>

class QDoubleSpinBox;
class QSpinBox;

namespace karnoth::gui {

class TornadoWidget;

class SensitivityView : public AnalysisView {
    Q_OBJECT

public:
    explicit SensitivityView(FormWindow& window);

    QSpinBox& yearBox() const { return *year_; }
    QDoubleSpinBox& deltaBox() const { return *delta_; }
    TornadoWidget& chart() const { return *chart_; }
    // The table on screen; nullopt when none is.
    const std::optional<SensitivityResult>& result() const;

protected:
    void compute(const WindowInputs& inputs) override;
    void showUnread(const QString& why) override;
    QSize chartSize() const override;
    void paintChart(QPainter& painter, const QRectF& area) const override;
    QStringList settingsLines() const override;
    std::optional<std::string> csvText() const override;
    QString exportName() const override { return tr("sensitivity"); }

private:
    // The window's kept settings, shown without counting as the user's change.
    void restoreSettings();
    void display(const WindowInputs& inputs, const SensitivityResult& result);

    QSpinBox* year_ = nullptr;
    QDoubleSpinBox* delta_ = nullptr;
    TornadoWidget* chart_ = nullptr;
    bool yearSetByUser_ = false;
};

}  // namespace karnoth::gui
