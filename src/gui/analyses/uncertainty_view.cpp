#include "gui/analyses/uncertainty_view.h"

#include "analysis/uncertainty_csv.h"
#include "gui/analyses/band_chart_widget.h"
#include "gui/analyses/kept_uncertainty.h"
#include "gui/analyses/range_inputs.h"
#include "gui/widgets/remembered_place.h"
#include "gui/widgets/screen_fit.h"
#include "gui/window/form_window.h"
#include "model/engine.h"
#include "model/input_field.h"
#include "support/number_masks.h"
#include "support/phrase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>
#include <variant>

namespace karnoth::gui {
namespace {

constexpr int kDefaultReplicates = 1000;
constexpr int kDefaultSeed = 1;

QString captionOf(InputField field)
{
    // The model's caption is a marked text of the phrases' context: shown in the window's language.
    return QCoreApplication::translate(kPhraseContext, std::string(fieldCaption(field)).c_str());
}

QString shortNumber(double value)
{
    return QString::number(value, 'g', 6);
}

QString replicatesText(std::size_t count)
{
    return count == 1 ? UncertaintyView::tr("1 replicate") : UncertaintyView::tr("%1 replicates").arg(count);
}

constexpr int kDefaultSurveyYear = 2005;  // the year of the window's own survey sentence
constexpr double kDefaultCount = 100000;  // street females aged one and over

}  // namespace

UncertaintyView::UncertaintyView(FormWindow& window) : AnalysisView(window, tr("Uncertainty"))
{
    setObjectName(QStringLiteral("uncertaintyView"));
    auto* columns = new QHBoxLayout;
    // The inputs scroll when the screen is too low for them all.
    auto* inputs = new QScrollArea(this);
    inputs->setObjectName(QStringLiteral("uncertaintyInputs"));
    inputs->setWidget(buildInputs());
    inputs->setWidgetResizable(true);
    inputs->setFrameShape(QFrame::NoFrame);
    inputs->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    columns->addWidget(inputs, 0);
    chart_ = new BandChartWidget(this);
    chart_->setObjectName(QStringLiteral("bandChart"));
    chart_->showChart(
        {tr("Street females aged one and over"), std::nullopt, std::nullopt, std::nullopt, tr("Computing...")});
    columns->addWidget(chart_, 1);
    body().addLayout(columns, 1);

    if (const std::optional<UncertaintySettings>& kept = window.keptSettings().uncertainty) restoreSettings(*kept);
    // The window keeps what the user sets at once, for its session and its scenarios.
    const auto settingChanged = [this] {
        this->window().keepUncertaintySettings(settings());
        refresh();
    };
    connect(ranges_, &RangeInputs::changed, this, settingChanged);
    connect(yearToYear_, &QDoubleSpinBox::valueChanged, this, settingChanged);
    connect(wholeDogs_, &QCheckBox::toggled, this, settingChanged);
    connect(replicates_, &QSpinBox::valueChanged, this, settingChanged);
    connect(seed_, &QSpinBox::valueChanged, this, settingChanged);
    connect(&window, &FormWindow::analysisSettingsRestored, this, [this] {
        if (const std::optional<UncertaintySettings> kept = this->window().keptSettings().uncertainty) {
            restoreSettings(*kept);
            refresh();
        }
    });
    connect(anchor_, &QGroupBox::toggled, this, &AnalysisView::refresh);
    connect(surveyYear_, &QSpinBox::valueChanged, this, &AnalysisView::refresh);
    connect(count_, &QDoubleSpinBox::valueChanged, this, &AnalysisView::refresh);
    connect(adjusted_, &QComboBox::currentIndexChanged, this, &AnalysisView::refresh);
    connect(&window, &FormWindow::planSettingsChanged, this, &AnalysisView::refresh);
    connect(&window, &FormWindow::firstYearShownChanged, this, [this] {
        render::BandChart shown = chart_->chart();
        shown.firstYear = this->window().form().firstYearShown();
        chart_->showChart(std::move(shown));
    });
    openWithinScreen(*this, QSize(1180, 640));
    rememberPlace(*this, "uncertainty", window.keptSettings().windows);
}

void UncertaintyView::restoreSettings(UncertaintySettings kept)
{
    // One change, not five: each box alone would keep and compute a half-restored setting.
    const QSignalBlocker rangesBlocker(ranges_);
    const QSignalBlocker sdBlocker(yearToYear_);
    const QSignalBlocker wholeBlocker(wholeDogs_);
    const QSignalBlocker replicatesBlocker(replicates_);
    const QSignalBlocker seedBlocker(seed_);
    ranges_->restoreRanges(kept.ranges);
    yearToYear_->setValue(kept.yearToYearSd);
    wholeDogs_->setChecked(kept.wholeDogs);
    replicates_->setValue(kept.replicates);
    seed_->setValue(kept.seed);
}

UncertaintySettings UncertaintyView::settings() const
{
    return UncertaintySettings{ranges_->keptRanges(), yearToYear_->value(), wholeDogs_->isChecked(),
                               replicates_->value(), seed_->value()};
}

QWidget* UncertaintyView::buildInputs()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* rangesBox = new QGroupBox(tr("Uncertain inputs"), column);
    auto* rangesLayout = new QVBoxLayout(rangesBox);
    ranges_ = new RangeInputs(rangesBox);
    ranges_->setObjectName(QStringLiteral("rangeInputs"));
    rangesLayout->addWidget(ranges_);
    layout->addWidget(rangesBox);

    auto* chanceBox = new QGroupBox(tr("Chance and replicates"), column);
    auto* form = new QFormLayout(chanceBox);
    yearToYear_ = new QDoubleSpinBox(chanceBox);
    yearToYear_->setObjectName(QStringLiteral("yearToYearSd"));
    yearToYear_->setRange(0, kMostYearToYearSd);
    yearToYear_->setDecimals(3);
    yearToYear_->setSingleStep(0.01);
    yearToYear_->setSpecialValueText(tr("none"));
    yearToYear_->setKeyboardTracking(false);
    yearToYear_->setToolTip(tr("Each simulated year multiplies adult, street juvenile and owned first-year survival "
                               "by one factor drawn with mean 1 and this standard deviation (0: none)"));
    form->addRow(tr("&Year-to-year SD"), yearToYear_);
    wholeDogs_ = new QCheckBox(tr("&Whole dogs"), chanceBox);
    wholeDogs_->setObjectName(QStringLiteral("wholeDogs"));
    wholeDogs_->setToolTip(tr("Count whole animals: binomial survival, sterilisation and culling, Poisson pups"));
    form->addRow(wholeDogs_);
    replicates_ = new QSpinBox(chanceBox);
    replicates_->setObjectName(QStringLiteral("replicates"));
    replicates_->setRange(1, static_cast<int>(kMostReplicates));
    replicates_->setSingleStep(100);
    replicates_->setValue(kDefaultReplicates);
    replicates_->setKeyboardTracking(false);
    replicates_->setToolTip(tr("How many replicates of the projection 1950 to 2050 to run, 1 to %1")
                                .arg(static_cast<int>(kMostReplicates)));
    form->addRow(tr("&Replicates"), replicates_);
    seed_ = new QSpinBox(chanceBox);
    seed_->setObjectName(QStringLiteral("seed"));
    seed_->setRange(0, std::numeric_limits<int>::max());
    seed_->setValue(kDefaultSeed);
    seed_->setKeyboardTracking(false);
    seed_->setToolTip(tr("The random seed: the same seed gives the same bands"));
    form->addRow(tr("S&eed"), seed_);
    layout->addWidget(chanceBox);

    // Today's count as the replicates' common start: each is first matched to it.
    anchor_ = new QGroupBox(tr("&Anchor to a count"), column);
    anchor_->setObjectName(QStringLiteral("anchorToCount"));
    anchor_->setCheckable(true);
    anchor_->setChecked(false);
    anchor_->setToolTip(tr("Before it runs, each replicate's chosen input is matched to the count in the survey year, "
                           "as \"Match a count\" does, so that the bands start at the count and spread from there."));
    auto* anchorForm = new QFormLayout(anchor_);
    surveyYear_ = new QSpinBox(anchor_);
    surveyYear_->setObjectName(QStringLiteral("anchorSurveyYear"));
    surveyYear_->setRange(kFirstSurveyYear, kLastYear);
    surveyYear_->setValue(kDefaultSurveyYear);
    surveyYear_->setKeyboardTracking(false);
    anchorForm->addRow(tr("Survey &year"), surveyYear_);
    count_ = new QDoubleSpinBox(anchor_);
    count_->setObjectName(QStringLiteral("anchorCount"));
    count_->setRange(1, kMostCount);
    count_->setDecimals(0);
    count_->setGroupSeparatorShown(true);
    count_->setValue(kDefaultCount);
    count_->setKeyboardTracking(false);
    count_->setToolTip(tr("The street females aged one and over counted in the survey year."));
    anchorForm->addRow(tr("&Counted"), count_);
    adjusted_ = new QComboBox(anchor_);
    adjusted_->setObjectName(QStringLiteral("anchorAdjusts"));
    adjusted_->addItem(tr("Abandoned per year"), int(CalibratedInput::abandonedPerYear));
    adjusted_->addItem(tr("Immigrants per year"), int(CalibratedInput::immigrantsPerYear));
    adjusted_->addItem(tr("Carrying capacity"), int(CalibratedInput::carryingCapacity));
    anchorForm->addRow(tr("A&djusting"), adjusted_);
    layout->addWidget(anchor_);

    target_ = new QLabel(column);
    target_->setObjectName(QStringLiteral("targetChance"));
    target_->setWordWrap(true);
    target_->setToolTip(tr("The planner's target is set in the planner; until then it lies ten years after the "
                           "programme's start, at 50 % of the year before it"));
    layout->addWidget(target_);
    layout->addStretch(1);
    return column;
}

void UncertaintyView::compute(const WindowInputs& inputs)
{
    // Until these settings deliver, the report has no uncertainty of the user's to repeat.
    window().setComputedUncertainty(std::nullopt);
    ranges_->setCurrentValues(inputs.inputs);
    std::variant<UncertaintyRequest, QString> read = uncertaintyRequestOf(settings(), inputs);
    if (const QString* problem = std::get_if<QString>(&read)) {
        inputsRejected(*problem);
        return;
    }
    UncertaintyRequest request = std::get<UncertaintyRequest>(std::move(read));
    const PlanSettings plan = window().planSettingsFor(inputs.inputs.programmeStart);
    request.target = TargetRequest{plan.targetYear, plan.targetPercent};
    if (anchor_->isChecked())
        request.anchor = CountAnchor{surveyYear_->value(), count_->value(),
                                     static_cast<CalibratedInput>(adjusted_->currentData().toInt())};
    if (request.ranges.empty() && !request.chance.any()) {
        // Every replicate would be the window's own run: bands of width 0 and a chance of 0 or 100 %.
        nothingToCompute(tr("Nothing is uncertain yet: every replicate would repeat the window's run. Give an "
                            "input a range, a year-to-year SD or whole dogs, and the bands follow."));
        return;
    }
    std::optional<std::string> problem = uncertaintyRefusal(request);
    if (problem) {
        inputsRejected(QString::fromStdString(*problem));
        return;
    }

    startJob<std::optional<Shown>>(
        [request](std::stop_token stop, const JobProgress& progress) -> std::optional<Shown> {
            std::optional<UncertaintyResult> result = runUncertainty(request, BatchRunner(),
                                                                     BatchControl{std::move(stop), progress});
            if (!result) return std::nullopt;
            Shown shown{request, std::move(*result), std::nullopt, std::nullopt};
            const ModelOutcome run = runModel(request.inputs, request.killedByYear);
            if (run.ok())
                shown.run = run.result().series;
            else
                shown.runFault = run.fault().what();
            return shown;
        },
        [this, inputs](std::optional<Shown> shown) {
            if (shown) display(inputs, std::move(*shown));
        });
}

QString UncertaintyView::targetWords(const Shown& shown) const
{
    const std::optional<TargetChance>& target = shown.result.target;
    if (!target) return {};
    const int start = shown.request.inputs.programmeStart;
    const QString goal = tr("the planner's target, a street total in %1 at most %2 % of %3's")
                             .arg(target->year)
                             .arg(shortNumber(target->percent))
                             .arg(start - 1);
    if (!target->probability)
        return tr("No chance of meeting %1 can be told: %2")
            .arg(goal, QString::fromStdString(target->fault.value_or("")));
    return tr("Chance of meeting %1: %2 % of %3.")
        .arg(goal, QString::fromStdString(formatOneDecimal(*target->probability * 100)),
             shown.result.valid == 1 ? tr("1 valid replicate") : tr("%1 valid replicates").arg(shown.result.valid));
}

void UncertaintyView::display(const WindowInputs& inputs, Shown shown)
{
    const UncertaintyResult& result = shown.result;
    render::BandChart chart;
    chart.title = tr("Street females aged one and over: %1, %2 valid, seed %3")
                      .arg(replicatesText(result.replicates))
                      .arg(result.valid)
                      .arg(result.seed);
    chart.bands = result.streetTotal;
    if (shown.run) chart.run = shown.run->streetTotal;
    if (result.target) chart.targetYear = result.target->year;
    chart.firstYear = window().form().firstYearShown();
    if (!result.streetTotal)
        chart.notice = tr("No replicate ran without a fault. The first: %1")
                           .arg(QString::fromStdString(result.firstFault.value_or("")));
    chart_->showChart(std::move(chart));
    target_->setText(targetWords(shown));

    QString status =
        tr("%1 valid (%2 died out), %3 faulted.").arg(result.valid).arg(result.diedOut).arg(result.faulted);
    if (result.firstFault)
        status += QLatin1Char(' ') + tr("The first fault: %1").arg(QString::fromStdString(*result.firstFault));
    if (shown.runFault)
        status += QLatin1Char(' ') +
                  tr("The run at the window's inputs faults: %1").arg(QString::fromStdString(*shown.runFault));
    window().setComputedUncertainty(shown.request);
    shown_ = std::move(shown);
    resultDelivered(inputs, status, result.valid == 0);
}

void UncertaintyView::showUnread(const QString& why)
{
    shown_.reset();
    chart_->showChart({tr("Street females aged one and over"), std::nullopt, std::nullopt, std::nullopt, why});
    target_->clear();
}

QSize UncertaintyView::chartSize() const
{
    return chart_->size();
}

void UncertaintyView::paintChart(QPainter& painter, const QRectF& area) const
{
    chart_->paintChart(painter, area);
}

QStringList UncertaintyView::settingsLines() const
{
    if (!shown_) return {};
    const UncertaintyRequest& request = shown_->request;
    QStringList ranges;
    for (const ParameterRange& range : request.ranges)
        ranges << tr("%1 %2 to %3").arg(captionOf(range.field), shortNumber(range.low), shortNumber(range.high));
    QString line = tr("Uncertainty: %1, seed %2").arg(replicatesText(request.replicates)).arg(request.seed);
    line += ranges.isEmpty() ? tr("; no input varied") : tr("; ranges: %1").arg(ranges.join(QStringLiteral(", ")));
    if (request.chance.yearToYearSd > 0)
        line += tr("; year-to-year SD %1").arg(shortNumber(request.chance.yearToYearSd));
    if (request.chance.wholeDogs) line += tr("; whole dogs");
    QStringList lines{line};
    if (const QString target = targetWords(*shown_); !target.isEmpty()) lines << target;
    return lines;
}

std::optional<std::string> UncertaintyView::csvText() const
{
    if (!shown_) return std::nullopt;
    return uncertaintyCsv(shown_->result);
}

}  // namespace karnoth::gui
