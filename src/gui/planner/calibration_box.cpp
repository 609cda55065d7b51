#include "gui/planner/calibration_box.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace karnoth::gui {
namespace {

constexpr int kDefaultSurveyYear = 2005;  // the year of the window's own survey sentence
constexpr double kDefaultCount = 100000;  // street females aged one and over

}  // namespace

CalibrationBox::CalibrationBox(QWidget* parent) : QGroupBox(tr("Match a count"), parent)
{
    surveyYear_ = new QSpinBox;
    surveyYear_->setObjectName(QStringLiteral("surveyYear"));
    surveyYear_->setRange(kFirstSurveyYear, kLastYear);
    surveyYear_->setValue(kDefaultSurveyYear);
    surveyYear_->setToolTip(tr("The year of the survey, %1 to %2.").arg(kFirstSurveyYear).arg(kLastYear));

    count_ = new QDoubleSpinBox;
    count_->setObjectName(QStringLiteral("surveyCount"));
    count_->setRange(1, kMostCount);
    count_->setDecimals(0);
    count_->setGroupSeparatorShown(true);
    count_->setValue(kDefaultCount);
    count_->setToolTip(tr("The street females aged one and over counted in the survey year (above 0)."));

    adjusted_ = new QComboBox;
    adjusted_->setObjectName(QStringLiteral("calibrationAdjusts"));
    adjusted_->addItem(tr("Abandoned per year"), int(CalibratedInput::abandonedPerYear));
    adjusted_->addItem(tr("Immigrants per year"), int(CalibratedInput::immigrantsPerYear));
    adjusted_->addItem(tr("Carrying capacity"), int(CalibratedInput::carryingCapacity));
    adjusted_->setToolTip(tr("The input to adjust: the number abandoned per year (whole females, %1 to %2), the "
                             "intact females arriving per year (whole, 0 to %3) or the street carrying capacity "
                             "(whole females, 1 to %4, at most three significant figures).")
                              .arg(kLowestAbandoned)
                              .arg(kHighestAbandoned)
                              .arg(kMostImmigrantsMatched)
                              .arg(QStringLiteral("10,000,000")));

    match_ = new QPushButton(tr("&Match"));
    match_->setObjectName(QStringLiteral("matchCount"));
    match_->setToolTip(tr("Set the chosen input to the value whose run gives the street total nearest to the count "
                          "in the survey year. Edit \u2192 Undo in the main window reverts it."));

    result_ = new QLabel;
    result_->setObjectName(QStringLiteral("calibrationResult"));
    result_->setWordWrap(true);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Survey y&ear"), surveyYear_);
    form->addRow(tr("&Counted street females"), count_);
    form->addRow(tr("&Adjust"), adjusted_);
    form->addRow(match_);
    form->addRow(result_);

    connect(match_, &QPushButton::clicked, this, [this] {
        surveyYear_->interpretText();
        count_->interpretText();
        emit matchRequested(surveyYear_->value(), count_->value());
    });
}

CalibratedInput CalibrationBox::adjusted() const
{
    return static_cast<CalibratedInput>(adjusted_->currentData().toInt());
}

QString CalibrationBox::result() const
{
    return result_->text();
}

void CalibrationBox::showResult(const QString& text, bool problem)
{
    result_->setText(text);
    QPalette palette = result_->palette();
    palette.setColor(QPalette::WindowText, problem ? QColor(Qt::red) : this->palette().color(QPalette::WindowText));
    result_->setPalette(palette);
}

void CalibrationBox::setSearching(bool searching)
{
    match_->setEnabled(!searching);
    if (searching) showResult(tr("Searching\u2026"));
}

}  // namespace karnoth::gui
