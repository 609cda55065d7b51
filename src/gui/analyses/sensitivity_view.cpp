#include "gui/analyses/sensitivity_view.h"

#include "analysis/sensitivity_csv.h"
#include "gui/analyses/tornado_widget.h"
#include "gui/widgets/remembered_place.h"
#include "gui/widgets/screen_fit.h"
#include "gui/window/form_window.h"
#include "model/model_inputs.h"
#include "panel/form_inputs.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace karnoth::gui {
namespace {

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
    year_->setValue(window.planSettingsFor(ModelInputs{}.programmeStart).targetYear);
    year_->setKeyboardTracking(false);
    year_->setToolTip(tr("The year whose street total (females aged one and over) the chart compares, 1950 to "
                         "2050; it follows the planner's target year until you set it"));
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

    auto* explanation = new QLabel(
        tr("Each bar shows how far the street total moves when one input is lowered (hatched) or raised "
           "(solid) and every other stays as in the window. Elasticity, on the right, is the per cent change "
           "in street dogs for a 1 % change in the input: 2 means about 2 % more dogs, -0.5 about half a per "
           "cent fewer; near 0 the answer hardly hangs on that input. Point at a bar for it in words."),
        this);
    explanation->setObjectName(QStringLiteral("elasticityExplanation"));
    explanation->setWordWrap(true);
    body().addWidget(explanation);

    chart_ = new TornadoWidget(this);
    chart_->setObjectName(QStringLiteral("tornadoChart"));
    chart_->showNotice(tr("Computing..."));
    body().addWidget(chart_, 1);

    restoreSettings();
    // The window keeps what the user sets at once, for its session and its scenarios.
    const auto keepSettings = [this] {
        this->window().keptSettings().sensitivity = SensitivitySettings{
            yearSetByUser_ ? std::optional<int>(year_->value()) : std::nullopt, delta_->value()};
    };
    // A year set by hand stays; one set by the view (with signals blocked) follows the target.
    connect(year_, &QSpinBox::valueChanged, this, [this, keepSettings] {
        yearSetByUser_ = true;
        keepSettings();
        refresh();
    });
    connect(&window, &FormWindow::planSettingsChanged, this, [this] {
        if (!yearSetByUser_) refresh();
    });
    connect(delta_, &QDoubleSpinBox::valueChanged, this, [this, keepSettings] {
        keepSettings();
        refresh();
    });
    connect(&window, &FormWindow::analysisSettingsRestored, this, [this] {
        restoreSettings();
        refresh();
    });
    openWithinScreen(*this, QSize(760, 560));
    rememberPlace(*this, "sensitivity", window.keptSettings().windows);
}

void SensitivityView::restoreSettings()
{
    const std::optional<SensitivitySettings>& kept = window().keptSettings().sensitivity;
    if (!kept) return;
    const QSignalBlocker yearBlocker(year_);
    const QSignalBlocker deltaBlocker(delta_);
    // A kept year was set by the user; none follows the planner's target again.
    yearSetByUser_ = kept->year.has_value();
    if (kept->year) year_->setValue(*kept->year);
    delta_->setValue(kept->deltaPercent);
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
    if (!yearSetByUser_) {
        const QSignalBlocker quiet(year_);
        year_->setValue(window().planSettingsFor(inputs.inputs.programmeStart).targetYear);
    }
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
