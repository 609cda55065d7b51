#pragma once
// "Match a count": the user gives a survey year and the number of street females aged one and over
// counted in it, and chooses what to adjust (abandoned per year, immigrants per year or the carrying
// capacity); the planner sets that input to the value whose run comes nearest and this box says
// what it set and how near it came (or why it could not).

#include "analysis/calibration.h"

#include <QGroupBox>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace karnoth::gui {

class CalibrationBox : public QGroupBox {
    Q_OBJECT

public:
    explicit CalibrationBox(QWidget* parent = nullptr);

    QSpinBox& surveyYearBox() const { return *surveyYear_; }
    QDoubleSpinBox& countBox() const { return *count_; }
    QComboBox& adjustedBox() const { return *adjusted_; }
    QPushButton& matchButton() const { return *match_; }
    // What the user chose to adjust.
    CalibratedInput adjusted() const;
    // The last outcome as shown.
    QString result() const;

    // Shows what a calibration did, or a problem in red.
    void showResult(const QString& text, bool problem = false);
    // While a match is being searched for, the button waits.
    void setSearching(bool searching);

signals:
    void matchRequested(int surveyYear, double count);

private:
    QSpinBox* surveyYear_ = nullptr;
    QDoubleSpinBox* count_ = nullptr;
    QComboBox* adjusted_ = nullptr;
    QPushButton* match_ = nullptr;
    QLabel* result_ = nullptr;
};

}  // namespace karnoth::gui
