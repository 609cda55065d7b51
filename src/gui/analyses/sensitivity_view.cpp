#include "gui/analyses/sensitivity_view.h"

#include "analysis/sensitivity_csv.h"
#include "gui/analyses/tornado_widget.h"
#include "gui/window/form_window.h"
#include "panel/form_inputs.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace karnoth::gui {
namespace {

constexpr int kDefaultYear = 2020;
constexpr double kDefaultDeltaPercent = 10;
// Beyond 100 % every low end is clamped to its floor; the box still takes more, as the analysis does.

}  // namespace

SensitivityView::SensitivityView(FormWindow& window) : AnalysisView(window, tr("Sensitivity"))
{
    setObjectName(QStringLiteral("sensitivityView"));

    auto* inputs = new QHBoxLayout;
    year_ = new QSpinBox(this);
    year_->setObjectName(QStringLiteral("sensitivityYear"));
    year_->setRange(kFirstYear, kLastYear);
    year_->setValue(kDefaultYear);
    year_->setKeyboardTracking(false);
    year_->setToolTip(tr("The year whose street total (females aged one and over) the chart compares, 1950 to 2050"));
    delta_ = new QDoubleSpinBox(this);
    delta_->setObjectName(QStringLiteral("sensitivityDelta"));
    delta_->setRange(0.1, kMostDeltaPercent);
    delta_->setDecimals(1);
    delta_->setSingleStep(1);
    delta_->setValue(kDefaultDeltaPercent);
    delta_->setSuffix(QStringLiteral(" %"));
    delta_->setKeyboardTracking(false);
    delta_->setToolTip(tr("How far each input moves down and up, in per cent of its value; each end stays within "
                          "the input's range"));
    auto* form = new QFormLayout;
    form->addRow(tr("Street total in &year"), year_);
    inputs->addLayout(form);
    auto* deltaForm = new QFormLayout;
    deltaForm->addRow(tr("each input moved &both ways by"), delta_);
    inputs->addLayout(deltaForm);
    inputs->addStretch(1);
    body().addLayout(inputs);

    chart_ = new TornadoWidget(this);
    chart_->setObjectName(QStringLiteral("tornadoChart"));
    chart_->showNotice(tr("Computing..."));
    body().addWidget(chart_, 1);

    if (const std::optional<SensitivitySettings>& kept = window.keptSettings().sensitivity) {
        year_->setValue(kept->year);
        delta_->setValue(kept->deltaPercent);
    }
    connect(&window, &FormWindow::closing, this, [this] {
        this->window().keptSettings().sensitivity = SensitivitySettings{year_->value(), delta_->value()};
    });
    connect(year_, &QSpinBox::valueChanged, this, &AnalysisView::refresh);
    connect(delta_, &QDoubleSpinBox::valueChanged, this, &AnalysisView::refresh);
    resize(760, 560);
}

const std::optional<SensitivityResult>& SensitivityView::result() const
{
    return chart_->result();
}

void SensitivityView::compute(const WindowInputs& inputs)
{
    SensitivityRequest request;
    request.inputs = inputs.inputs;
    request.killedByYear = inputs.killedByYear;
    request.year = year_->value();
    request.deltaPercent = delta_->value();
    if (const std::optional<std::string> problem = sensitivityProblem(request)) {
        inputsRejected(QString::fromStdString(*problem));
        return;
    }
    startJob<std::optional<SensitivityResult>>(
        [request](std::stop_token stop, const JobProgress& progress) {
            return runSensitivity(request, BatchRunner(), BatchControl{std::move(stop), progress});
        },
        [this, inputs](std::optional<SensitivityResult> result) {
            if (result) display(inputs, *result);
        });
}

void SensitivityView::display(const WindowInputs& inputs, const SensitivityResult& result)
{
    chart_->showResult(result);
    if (result.fault) {
        resultDelivered(
            inputs,
            tr("No table: the run at the window's inputs faults: %1").arg(QString::fromStdString(*result.fault)), true);
        return;
    }
    int faulted = 0;
    for (const SensitivityRow& row : result.rows) faulted += row.faulted() ? 1 : 0;
    QString status = tr("Every end ran.");
    if (faulted == 1) status = tr("One input has an end that faults; it comes last.");
    if (faulted > 1) status = tr("%1 inputs have an end that faults; they come last.").arg(faulted);
    status += QLatin1Char(' ') + tr("Point at a bar for its figures.");
    resultDelivered(inputs, status);
}

void SensitivityView::showUnread(const QString& why)
{
    chart_->showNotice(why);
}

QSize SensitivityView::chartSize() const
{
    return chart_->size();
}

void SensitivityView::paintChart(QPainter& painter, const QRectF& area) const
{
    chart_->paintChart(painter, area);
}

QStringList SensitivityView::settingsLines() const
{
    const std::optional<SensitivityResult>& shown = result();
    if (!shown) return {};
    return {tr("Sensitivity of the street total in %1: each input moved %2 % down and up, one run per end")
                .arg(shown->year)
                .arg(QString::number(shown->deltaPercent, 'g', 6))};
}

std::optional<std::string> SensitivityView::csvText() const
{
    const std::optional<SensitivityResult>& shown = result();
    if (!shown) return std::nullopt;
    return sensitivityCsv(*shown);
}

}  // namespace karnoth::gui
