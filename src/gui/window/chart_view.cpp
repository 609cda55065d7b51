#include "gui/window/chart_view.h"

#include "app/form1.h"
#include "app/yearly_csv.h"
#include "gui/widgets/drawing_export.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace karnoth::gui {
namespace {

const QColor kChartBackground = Qt::white;

}  // namespace

ChartView::ChartView(const Form1& form, QWidget* parent) : FollowsPointer(parent), form_(form)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    // The chart shows no focus, so a tab stop on it would seem to vanish; the File menu and the
    // context menu reach its actions.
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

QFont ChartView::chartFont() const
{
    QFont resolved(QFontInfo(font()).family());
    resolved.setPointSizeF(font().pointSizeF());
    return resolved;
}

render::MainChartLayout ChartView::layoutIn(const QRectF& paper, QPaintDevice* device) const
{
    const RecordingCanvas& canvas = form_.canvas();
    return render::layoutMainChart(canvas.ops(), paper, canvas.ScaleWidth(), canvas.ScaleHeight(), chartFont(), device,
                                   form_.firstYearShown());
}

render::MainChartLayout ChartView::chartLayout() const
{
    return layoutIn(QRectF(chartRect()), const_cast<ChartView*>(this));
}

void ChartView::showRun(const RunSeries& series, const std::optional<WindowInputs>& inputs, bool logScale)
{
    shownSeries_ = series;
    shownInputs_ = inputs;
    shownLogScale_ = logScale;
    update();
}

void ChartView::forgetRun()
{
    shownSeries_.reset();
    shownInputs_.reset();
    shownLogScale_ = false;
    update();
}

std::optional<render::HoverReadout> ChartView::readoutAt(const QPoint& pos) const
{
    if (!shownSeries_ || !chartRect().contains(pos)) return std::nullopt;
    const std::optional<int> year = chartLayout().yearAt(pos.x());
    if (!year) return std::nullopt;
    return render::readoutOf(*shownSeries_, *year);
}

std::optional<render::HoverReadout> ChartView::hoverReadout() const
{
    return pointer() ? readoutAt(*pointer()) : std::nullopt;
}

void ChartView::setStale(bool inputsChanged)
{
    inputsChanged_ = inputsChanged;
    update();  // the last run's fault may have come or gone too
}

QString ChartView::bannerText() const
{
    if (!form_.runFault().empty()) return render::stoppedRunBannerText(form_.runFault(), form_.runFaultPhrase());
    return inputsChanged_ ? render::staleBannerText() : QString();
}

void ChartView::setGridlines(bool shown)
{
    gridlines_ = shown;
    update();
}

void ChartView::setLegendShown(bool shown)
{
    legendShown_ = shown;
    update();
}

void ChartView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QFont font = chartFont();
    const render::MainChartLayout layout = layoutIn(QRectF(chartRect()), this);
    render::paintMainChart(painter, layout, font, kChartBackground, gridlines_);
    painter.setClipRect(chartRect());
    if (legendShown_) render::paintLegend(painter, layout, font);
    if (const QString banner = bannerText(); !banner.isEmpty())
        render::paintStaleBanner(painter, layout.target, font, banner);
    if (const std::optional<render::HoverReadout> readout = hoverReadout())
        render::paintReadout(painter, layout.target, layout.xOfYear(readout->year), *readout, font);
}

QSize ChartView::exportSize() const
{
    const QSize chart = chartRect().size();
    const QStringList footer = render::footerLines(shownInputs_, QDate::currentDate(), shownLogScale_);
    const int footerPixels = static_cast<int>(
        render::footerHeight(footer, chart.width(), chartFont(), const_cast<ChartView*>(this)));
    return QSize(chart.width(), chart.height() + footerPixels);
}

void ChartView::paintExport(QPainter& painter, QSize size) const
{
    const QFont font = chartFont();
    const QSize chart = chartRect().size();
    const render::MainChartLayout layout = layoutIn(QRectF(QPointF(0, 0), chart), painter.device());
    painter.setFont(font);  // from the first element on, so that an SVG names no other font
    painter.fillRect(QRect(QPoint(0, 0), size), kChartBackground);
    render::paintMainChart(painter, layout, font, kChartBackground, gridlines_);
    render::paintLegend(painter, layout, font);
    if (!form_.runFault().empty())
        render::paintStaleBanner(painter, layout.target, font,
                                 render::stoppedRunBannerText(form_.runFault(), form_.runFaultPhrase()));
    const QRectF footer(0, chart.height(), size.width(), size.height() - chart.height());
    render::paintFooter(painter, footer, render::footerLines(shownInputs_, QDate::currentDate(), shownLogScale_), font);
}

bool ChartView::savePng(const QString& path, QString& error) const
{
    if (writeDrawingAsPng(path, exportSize(), devicePixelRatioF(),
                          [this](QPainter& painter, QSize size) { paintExport(painter, size); }))
        return true;
    error = tr("The chart could not be saved as %1.").arg(path);
    return false;
}

bool ChartView::saveSvg(const QString& path, QString& error) const
{
    const SvgHeader header{tr("Karnoth chart"),
                           render::footerLines(shownInputs_, QDate::currentDate(), shownLogScale_).join('\n'),
                           logicalDpiX()};
    if (writeDrawingAsSvg(path, exportSize(), header,
                          [this](QPainter& painter, QSize size) { paintExport(painter, size); }))
        return true;
    error = tr("The chart could not be saved as %1.").arg(path);
    return false;
}

bool ChartView::copyYearlyData(QString& error) const
{
    if (!form_.runFault().empty()) {
        error = render::stoppedRunBannerText(form_.runFault(), form_.runFaultPhrase());
        return false;
    }
    const auto& series = form_.lastSeries();
    if (!series) {
        error = tr("There is no yearly data to copy: no run has finished yet.");
        return false;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        error = tr("The clipboard is not available.");
        return false;
    }
    clipboard->setText(QString::fromStdString(yearlyCsv(*series, *form_.lastOutcome())));
    return true;
}

void ChartView::askAndSave(const QString& title, const QString& filter, const QString& suffix,
                           bool (ChartView::*save)(const QString&, QString&) const)
{
    const QString path = askSavePath(this, title, filter, suffix, suggestedExportName(form_, tr("chart"), suffix));
    if (path.isEmpty()) return;
    QString error;
    if (!(this->*save)(path, error)) emit actionFailed(error);
}

void ChartView::exportPng()
{
    askAndSave(tr("Export chart as PNG"), tr("PNG images (*.png)"), QStringLiteral(".png"), &ChartView::savePng);
}

void ChartView::exportSvg()
{
    askAndSave(tr("Export chart as SVG"), tr("SVG drawings (*.svg)"), QStringLiteral(".svg"), &ChartView::saveSvg);
}

void ChartView::copyYearlyDataToClipboard()
{
    QString error;
    if (!copyYearlyData(error)) emit actionFailed(error);
}

void ChartView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr("Export chart as PNG..."), this, &ChartView::exportPng);
    menu.addAction(tr("Export chart as SVG..."), this, &ChartView::exportSvg);
    QAction* copy = menu.addAction(tr("Copy yearly data"), this, &ChartView::copyYearlyDataToClipboard);
    copy->setEnabled(form_.lastSeries().has_value() && form_.runFault().empty());
    menu.exec(event->globalPos());
}

}  // namespace karnoth::gui
