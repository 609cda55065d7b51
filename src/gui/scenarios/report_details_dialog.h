#pragma once
// File > Report details: the title, author, organisation and place that head the report. Each is
// one line of at most kMostReportDetailCharacters; an empty one is left out of the report.

#include "app/report_details.h"

#include <QDialog>

class QLineEdit;

namespace karnoth::gui {

class ReportDetailsDialog : public QDialog {
    Q_OBJECT

public:
    explicit ReportDetailsDialog(const ReportDetails& details, QWidget* parent = nullptr);

    ReportDetails details() const;  // each field trimmed

private:
    QLineEdit* title_;
    QLineEdit* author_;
    QLineEdit* organisation_;
    QLineEdit* place_;
};

}  // namespace karnoth::gui
