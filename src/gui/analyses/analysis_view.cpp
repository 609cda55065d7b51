#include "gui/analyses/analysis_view.h"

#include "gui/widgets/drawing_export.h"
#include "gui/widgets/own_window.h"
#include "gui/window/form_binding.h"
#include "gui/window/form_window.h"
#include "render/chart_overlays.h"
#include "render/translated_phrase.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace karnoth::gui {
namespace {

// The smallest picture an export holds, so that a small view still exports a readable chart.
constexpr QSize kLeastExportChart(720, 440);

}  // namespace

AnalysisView::AnalysisView(FormWindow& window, const QString& title) : QDialog(&window), window_(window)
{
    setWindowTitle(title);
    setModal(false);
    setSizeGripEnabled(true);
    makeOwnWindow(*this);
    job_ = new BackgroundJob(this);

    auto* layout = new QVBoxLayout(this);
    body_ = new QVBoxLayout;
    layout->addLayout(body_, 1);

    auto* statusRow = new QHBoxLayout;
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("analysisStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusRow->addWidget(status_, 1);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("analysisProgress"));
    progress_->setToolTip(tr("How far the computation has come"));
    progress_->setVisible(false);
    statusRow->addWidget(progress_);
    stopOrRecompute_ = new QPushButton(tr("Recompute"), this);
    stopOrRecompute_->setObjectName(QStringLiteral("stopOrRecompute"));
    stopOrRecompute_->setAutoDefault(false);
    statusRow->addWidget(stopOrRecompute_);
    layout->addLayout(statusRow);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const auto addExport = [this](const QString& text, const QString& tip, void (AnalysisView::*slot)()) {
        QPushButton* button = buttons_->addButton(text, QDialogButtonBox::ActionRole);
        button->setToolTip(tip);
        button->setAutoDefault(false);
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this, slot);
        exportButtons_ << button;
    };
    addExport(tr("Export &PNG..."), tr("Save the chart, with the inputs it was computed on, as a PNG image"),
              &AnalysisView::exportPng);
    addExport(tr("Export &SVG..."), tr("Save the chart, with the inputs it was computed on, as an SVG drawing"),
              &AnalysisView::exportSvg);
    addExport(tr("Export &CSV..."), tr("Save the figures behind the chart as CSV, for a spreadsheet"),
              &AnalysisView::exportCsv);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons_);

    connect(stopOrRecompute_, &QPushButton::clicked, this, &AnalysisView::startOrStop);
    connect(job_, &BackgroundJob::progressed, this, [this](std::size_t done, std::size_t total) {
        progress_->setRange(0, static_cast<int>(std::min<std::size_t>(total, 1u << 30)));
        progress_->setValue(static_cast<int>(std::min(done, total)));
    });
    connect(job_, &BackgroundJob::finished, this, &AnalysisView::jobEnded);
    connect(job_, &BackgroundJob::failed, this, [this](const QString& message) {
        jobEnded();
        setStatus(tr("The computation stopped: %1").arg(message), true);
    });
    connect(&window.binding(), &FormBinding::runOver, this, &AnalysisView::refresh);
}

QString AnalysisView::statusText() const
{
    return status_->text();
}

void AnalysisView::setStatus(const QString& text, bool isFault)
{
    status_->setText(text);
    status_->setToolTip(text);
    QPalette palette = status_->palette();
    const QColor ink = isFault ? QColor(0x9a, 0x10, 0x10) : this->palette().color(QPalette::WindowText);
    palette.setColor(QPalette::WindowText, ink);
    status_->setPalette(palette);
}

void AnalysisView::refresh()
{
    if (!isVisible()) {
        outOfDate_ = true;
        job_->cancel();
        jobEnded();
        return;
    }
    outOfDate_ = false;
    const std::optional<WindowInputs>& inputs = window_.form().lastRunInputs();
    if (inputs) {
        compute(*inputs);
        return;
    }
    job_->cancel();
    jobEnded();
    shownInputs_.reset();
    const std::string& fault = window_.form().currentFault();
    const QString why = fault.empty() ? tr("No run has read the window's inputs yet: press Run.")
                                      : tr("The last run stopped before it read every input: %1")
                                            .arg(render::translatedFault(fault, window_.form().currentFaultPhrase()));
    showUnread(why);
    setStatus(why, true);
    for (QPushButton* button : exportButtons_) button->setEnabled(false);
    ++resultsShown_;
    emit resultShown();
}

void AnalysisView::nothingToCompute(const QString& why)
{
    job_->cancel();
    jobEnded();
    shownInputs_.reset();
    showUnread(why);
    setStatus(why);
    for (QPushButton* button : exportButtons_) button->setEnabled(false);
    ++resultsShown_;
    emit resultShown();
}

void AnalysisView::inputsRejected(const QString& problem)
{
    job_->cancel();
    jobEnded();
    setStatus(problem, true);
}

void AnalysisView::resultDelivered(const WindowInputs& inputs, const QString& status, bool isFault)
{
    shownInputs_ = inputs;
    setStatus(status, isFault);
    for (QPushButton* button : exportButtons_) button->setEnabled(true);
    ++resultsShown_;
    emit resultShown();
}

void AnalysisView::jobStarted()
{
    progress_->setRange(0, 0);  // busy until the first figures come
    progress_->setVisible(true);
    stopOrRecompute_->setText(tr("Stop"));
    stopOrRecompute_->setToolTip(tr("Stop the computation; the chart keeps the last result"));
    setStatus(tr("Computing..."));
}

void AnalysisView::jobEnded()
{
    progress_->setVisible(false);
    stopOrRecompute_->setText(tr("Recompute"));
    stopOrRecompute_->setToolTip(tr("Compute again on the inputs of the window's last run"));
}

void AnalysisView::startOrStop()
{
    if (!job_->isRunning()) {
        refresh();
        return;
    }
    job_->cancel();
    jobEnded();
    setStatus(tr("Stopped: the chart shows the last result. Recompute, run the window or change an input to "
                 "start again."));
}

void AnalysisView::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (outOfDate_) refresh();
}

void AnalysisView::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (job_->isRunning()) {
        job_->cancel();
        jobEnded();
        outOfDate_ = true;
    }
}

void AnalysisView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QStringList AnalysisView::footer() const
{
    QStringList lines = render::footerLines(shownInputs_, QDate::currentDate(), false);
    const QString signature = lines.takeLast();
    lines << settingsLines() << signature;
    return lines;
}

QSize AnalysisView::exportSize() const
{
    const QSize chart = chartSize().expandedTo(kLeastExportChart);
    const double footerPixels = render::footerHeight(footer(), chart.width(), font(), const_cast<AnalysisView*>(this));
    return QSize(chart.width(), chart.height() + static_cast<int>(footerPixels));
}

void AnalysisView::paintExport(QPainter& painter, QSize size) const
{
    const QSize chart = chartSize().expandedTo(kLeastExportChart);
    painter.setFont(font());
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    paintChart(painter, QRectF(QPointF(0, 0), chart));
    render::paintFooter(painter, QRectF(0, chart.height(), size.width(), size.height() - chart.height()), footer(),
                        font());
}

bool AnalysisView::savePng(const QString& path, QString& error) const
{
    if (!hasResult()) {
        error = tr("There is nothing to export yet.");
        return false;
    }
    return saveDrawingAsPng(
        path, exportSize(), devicePixelRatioF(), [this](QPainter& painter, QSize size) { paintExport(painter, size); },
        error);
}

bool AnalysisView::saveSvg(const QString& path, QString& error) const
{
    if (!hasResult()) {
        error = tr("There is nothing to export yet.");
        return false;
    }
    return saveDrawingAsSvg(
        path, exportSize(), windowTitle(), footer().join('\n'),
        [this](QPainter& painter, QSize size) { paintExport(painter, size); }, error);
}

bool AnalysisView::saveCsv(const QString& path, QString& error) const
{
    const std::optional<std::string> csv = hasResult() ? csvText() : std::nullopt;
    if (!csv) {
        error = tr("There is nothing to export yet.");
        return false;
    }
    return saveText(path, *csv, error);
}

void AnalysisView::report(const QString& error)
{
    setStatus(error, true);
}

QString AnalysisView::suggestedName(const QString& suffix) const
{
    return suggestedExportName(window_.form(), exportName(), suffix);
}

void AnalysisView::exportPng()
{
    const QString path = askSavePath(this, tr("Export %1 as PNG").arg(exportName()), tr("PNG images (*.png)"),
                                     QStringLiteral(".png"), suggestedName(QStringLiteral(".png")));
    QString error;
    if (!path.isEmpty() && !savePng(path, error)) report(error);
}

void AnalysisView::exportSvg()
{
    const QString path = askSavePath(this, tr("Export %1 as SVG").arg(exportName()), tr("SVG drawings (*.svg)"),
                                     QStringLiteral(".svg"), suggestedName(QStringLiteral(".svg")));
    QString error;
    if (!path.isEmpty() && !saveSvg(path, error)) report(error);
}

void AnalysisView::exportCsv()
{
    const QString path = askSavePath(this, tr("Export %1 as CSV").arg(exportName()), tr("CSV files (*.csv)"),
                                     QStringLiteral(".csv"), suggestedName(QStringLiteral(".csv")));
    QString error;
    if (!path.isEmpty() && !saveCsv(path, error)) report(error);
}

}  // namespace karnoth::gui
