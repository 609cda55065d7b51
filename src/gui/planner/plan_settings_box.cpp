#include "gui/planner/plan_settings_box.h"

#include "analysis/robust_planner.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace karnoth::gui {
namespace {

// The confidence box's value that reads "off": one below the least confidence.
constexpr int kConfidenceOffValue = static_cast<int>(kLeastConfidence) - 1;

QDoubleSpinBox* costBox(const QString& tip)
{
    auto* box = new QDoubleSpinBox;
    box->setRange(0, kMostCost);
    box->setDecimals(2);
    box->setKeyboardTracking(false);
    box->setGroupSeparatorShown(true);
    box->setToolTip(tip);
    return box;
}

}  // namespace

PlanSettingsBox::PlanSettingsBox(QWidget* parent) : QGroupBox(tr("Target and costs"), parent)
{
    targetYear_ = new QSpinBox;
    targetYear_->setObjectName(QStringLiteral("targetYear"));
    targetYear_->setRange(kFirstPlannableStart, kLastYear);
    targetYear_->setKeyboardTracking(false);
    targetYear_->setToolTip(
        tr("The year the street total is judged in: from the programme's start year to %1.").arg(kLastYear));

    targetPercent_ = new QDoubleSpinBox;
    targetPercent_->setObjectName(QStringLiteral("targetPercent"));
    targetPercent_->setRange(0.01, kMostTargetPercent);
    targetPercent_->setDecimals(2);
    targetPercent_->setSuffix(QStringLiteral(" %"));
    targetPercent_->setKeyboardTracking(false);
    targetPercent_->setToolTip(tr("A programme meets the target when the street total (females aged one and over) "
                                  "in the target year is at most this percentage of the baseline, the street total "
                                  "in the year before the programme starts. Above 0; 100 or more is allowed."));

    costOwned_ = costBox(tr("The cost of one sterilisation of an owned dog, in any unit (1 counts operations)."));
    costOwned_->setObjectName(QStringLiteral("costOwned"));
    costStreet_ = costBox(tr("The cost of one sterilisation of a street dog, in any unit (1 counts operations)."));
    costStreet_->setObjectName(QStringLiteral("costStreet"));

    step_ = new QComboBox;
    step_->setObjectName(QStringLiteral("ownedShareStep"));
    for (int step : {1, 2, 4, 5, 10, 20, 25, 50, 100}) step_->addItem(QStringLiteral("%1 %").arg(step), step);
    step_->setToolTip(tr("The grid's shares aimed at owned dogs run 0, step, 2 \u00d7 step, ... up to 100 %. A "
                         "smaller step means more rows and a longer computation."));

    confidence_ = new QSpinBox;
    confidence_->setObjectName(QStringLiteral("robustConfidence"));
    confidence_->setRange(kConfidenceOffValue, static_cast<int>(kMostConfidence));
    confidence_->setSpecialValueText(tr("off"));
    confidence_->setSuffix(QStringLiteral(" %"));
    confidence_->setKeyboardTracking(false);
    confidence_->setToolTip(tr("For each owned share, the rate that meets the target in at least this share of the "
                               "futures the uncertainty settings draw (Analysis \u2192 Uncertainty: ranges, "
                               "year-to-year SD, whole dogs), shown as a map of probabilities. Off, or 50 to 99 %; "
                               "90 % until you set it when those settings draw anything."));

    defaults_ = new QPushButton(tr("&Defaults"));
    defaults_->setObjectName(QStringLiteral("planDefaults"));
    defaults_->setToolTip(tr("Ten years after the programme's start, 50 %, costs 1 and 1, steps of 5 %; the target "
                             "year then follows the start year."));
    following_ = new QLabel;
    following_->setWordWrap(true);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Target &year"), targetYear_);
    form->addRow(tr("At &most (of the baseline)"), targetPercent_);
    form->addRow(tr("Cost of one &owned sterilisation"), costOwned_);
    form->addRow(tr("Cost of one &street sterilisation"), costStreet_);
    form->addRow(tr("Owned-share s&tep"), step_);
    form->addRow(defaults_, following_);
    form->addRow(tr("Co&nfidence"), confidence_);

    connect(targetYear_, &QSpinBox::valueChanged, this, &PlanSettingsBox::report);
    connect(targetPercent_, &QDoubleSpinBox::valueChanged, this, &PlanSettingsBox::report);
    connect(costOwned_, &QDoubleSpinBox::valueChanged, this, &PlanSettingsBox::report);
    connect(costStreet_, &QDoubleSpinBox::valueChanged, this, &PlanSettingsBox::report);
    connect(step_, &QComboBox::currentIndexChanged, this, &PlanSettingsBox::report);
    connect(confidence_, &QSpinBox::valueChanged, this, [this] { emit confidenceEdited(confidence()); });
    connect(defaults_, &QPushButton::clicked, this, &PlanSettingsBox::defaultsRequested);
}

void PlanSettingsBox::showSettings(const PlanSettings& settings, bool followingStart)
{
    const QSignalBlocker year(targetYear_), percent(targetPercent_), owned(costOwned_), street(costStreet_),
        step(step_);
    // A box already showing its value is left alone, so that a run of the main window does not
    // undo what the user is typing into it.
    if (targetYear_->value() != settings.targetYear) targetYear_->setValue(settings.targetYear);
    if (targetPercent_->value() != settings.targetPercent) targetPercent_->setValue(settings.targetPercent);
    if (costOwned_->value() != settings.costOwned) costOwned_->setValue(settings.costOwned);
    if (costStreet_->value() != settings.costStreet) costStreet_->setValue(settings.costStreet);
    step_->setCurrentIndex(step_->findData(settings.ownedShareStep));
    following_->setText(followingStart ? tr("(following the start year)") : QString());
    defaults_->setEnabled(!followingStart);
}

PlanSettings PlanSettingsBox::settings() const
{
    PlanSettings settings;
    settings.targetYear = targetYear_->value();
    settings.targetPercent = targetPercent_->value();
    settings.costOwned = costOwned_->value();
    settings.costStreet = costStreet_->value();
    settings.ownedShareStep = step_->currentData().toInt();
    return settings;
}

void PlanSettingsBox::showConfidence(std::optional<int> confidence)
{
    const QSignalBlocker blocker(confidence_);
    confidence_->setValue(confidence.value_or(kConfidenceOffValue));
}

std::optional<int> PlanSettingsBox::confidence() const
{
    if (confidence_->value() == kConfidenceOffValue) return std::nullopt;
    return confidence_->value();
}

void PlanSettingsBox::report()
{
    emit edited(settings());
}

}  // namespace karnoth::gui
