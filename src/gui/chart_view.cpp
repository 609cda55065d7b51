#include "gui/chart_view.h"

#include "app/form1.h"
#include "app/yearly_csv.h"
#include "gui/chart_painter.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QSvgGenerator>

namespace karnoth::gui {
namespace {

const QColor kChartBackground = Qt::white;

void paintInto(QPainter& painter, const Form1& form, QRectF paper, const QFont& font)
{
    const RecordingCanvas& canvas = form.canvas();
    const QRectF target = targetLeavingRoomForTexts(canvas.ops(), paper, canvas.ScaleWidth(), canvas.ScaleHeight(),
                                                    font, painter.device());
    paintChart(painter, canvas.ops(), ChartGeometry{target, canvas.ScaleWidth(), canvas.ScaleHeight(), paper}, font,
               kChartBackground);
}

}  // namespace

ChartView::ChartView(const Form1& form, QWidget* parent) : QFrame(parent), form_(form)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void ChartView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    paintInto(painter, form_, chartRect(), font());
}

bool ChartView::savePng(const QString& path, QString& error) const
{
    // The chart alone, at its size on screen, without the frame.
    QImage image(chartRect().size() * devicePixelRatioF(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(&image);
    paintInto(painter, form_, QRectF(QPointF(0, 0), chartRect().size()), font());
    painter.end();
    if (!image.save(path, "PNG")) {
        error = tr("The chart could not be saved as %1.").arg(path);
        return false;
    }
    return true;
}

bool ChartView::saveSvg(const QString& path, QString& error) const
{
    const QSize size = chartRect().size();
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(logicalDpiX());
    generator.setTitle(tr("Karnoth chart"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        error = tr("The chart could not be saved as %1.").arg(path);
        return false;
    }
    paintInto(painter, form_, QRectF(QPointF(0, 0), size), font());
    painter.end();
    return true;
}

bool ChartView::copyYearlyData(QString& error) const
{
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
    clipboard->setText(QString::fromStdString(yearlyCsv(*series)));
    return true;
}

void ChartView::askAndSave(const QString& title, const QString& filter, const QString& suffix,
                           bool (ChartView::*save)(const QString&, QString&) const)
{
    QString path = QFileDialog::getSaveFileName(this, title, QString(), filter);
    if (path.isEmpty()) return;
    if (!path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
    QString error;
    if (!(this->*save)(path, error)) emit actionFailed(error);
}

void ChartView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr("Save chart as PNG..."), this, [this] {
        askAndSave(tr("Save chart as PNG"), tr("PNG images (*.png)"), QStringLiteral(".png"), &ChartView::savePng);
    });
    menu.addAction(tr("Save chart as SVG..."), this, [this] {
        askAndSave(tr("Save chart as SVG"), tr("SVG drawings (*.svg)"), QStringLiteral(".svg"), &ChartView::saveSvg);
    });
    QAction* copy = menu.addAction(tr("Copy yearly data"), this, [this] {
        QString error;
        if (!copyYearlyData(error)) emit actionFailed(error);
    });
    copy->setEnabled(form_.lastSeries().has_value());
    menu.exec(event->globalPos());
}

}  // namespace karnoth::gui
