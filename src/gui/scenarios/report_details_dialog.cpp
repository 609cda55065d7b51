#include "gui/scenarios/report_details_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace karnoth::gui {
namespace {

QLineEdit* detailBox(const std::string& text, const char* name, const QString& placeholder, QWidget* parent)
{
    auto* box = new QLineEdit(QString::fromStdString(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(static_cast<int>(kMostReportDetailCharacters));
    box->setPlaceholderText(placeholder);
    return box;
}

std::string trimmed(const QLineEdit* box)
{
    return box->text().trimmed().toStdString();
}

}  // namespace

ReportDetailsDialog::ReportDetailsDialog(const ReportDetails& details, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("reportDetails"));
    setWindowTitle(tr("Report details"));
    title_ = detailBox(details.title, "reportTitle", tr("Karnoth report: the scenario's name"), this);
    title_->setToolTip(tr("The report's title, on its first page and in the PDF's properties."));
    author_ = detailBox(details.author, "reportAuthor", {}, this);
    author_->setToolTip(tr("Who prepared the report."));
    organisation_ = detailBox(details.organisation, "reportOrganisation", {}, this);
    organisation_->setToolTip(tr("The service, council or charity the report is prepared for or by."));
    place_ = detailBox(details.place, "reportPlace", {}, this);
    place_->setToolTip(tr("The town or area whose dogs the programme is for."));

    auto* form = new QFormLayout;
    form->addRow(tr("&Title:"), title_);
    form->addRow(tr("&Author:"), author_);
    form->addRow(tr("&Organisation:"), organisation_);
    form->addRow(tr("&Place:"), place_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    title_->setMinimumWidth(QFontMetrics(font()).averageCharWidth() * 50);
}

ReportDetails ReportDetailsDialog::details() const
{
    return ReportDetails{trimmed(title_), trimmed(author_), trimmed(organisation_), trimmed(place_)};
}

}  // namespace karnoth::gui
