#include "render/report_table.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace karnoth::render {
namespace {

const QColor kBand(0xee, 0xee, 0xee);

// Each column's left edge and width in pixels.
struct Columns {
    std::vector<double> left;
    std::vector<double> width;
};

Columns columnsOf(const ReportTable& table, double x, double width)
{
    const std::size_t count = static_cast<std::size_t>(table.headings.size());
    std::vector<double> shares = table.widths;
    shares.resize(count, 1.0);
    const double total = std::accumulate(shares.begin(), shares.end(), 0.0);
    Columns columns;
    for (std::size_t i = 0; i < count; ++i) {
        columns.left.push_back(x);
        columns.width.push_back(width * shares[i] / total);
        x += columns.width.back();
    }
    return columns;
}

bool spans(const ReportTable& table, const QStringList& row)
{
    if (!table.spanLoneSecondCell || row.size() < 2 || row[1].isEmpty()) return false;
    for (qsizetype i = 2; i < row.size(); ++i)
        if (!row[i].isEmpty()) return false;
    return true;
}

constexpr int kFlags = Qt::TextWordWrap | Qt::AlignTop;

// The row's height: its tallest cell, with padding above and below.
double rowHeight(const ReportTable& table, const QStringList& row, const Columns& columns, const QFontMetricsF& metrics,
                 double pad)
{
    double height = metrics.height();
    const bool span = spans(table, row);
    for (qsizetype i = 0; i < row.size() && i < static_cast<qsizetype>(columns.width.size()); ++i) {
        double cellWidth = columns.width[static_cast<std::size_t>(i)];
        if (span && i == 1) cellWidth = columns.left.back() + columns.width.back() - columns.left[1];
        if (span && i > 1) break;
        const QRectF room(0, 0, std::max(1.0, cellWidth - 2 * pad), 1e6);
        height = std::max(height, metrics.boundingRect(room, kFlags, row[i]).height());
    }
    return height + 2 * pad;
}

double paintRow(QPainter* painter, const ReportTable& table, const QStringList& row, const Columns& columns, double top,
                const QFontMetricsF& metrics, double pad)
{
    const double height = rowHeight(table, row, columns, metrics, pad);
    if (!painter) return height;
    const bool span = spans(table, row);
    for (qsizetype i = 0; i < row.size() && i < static_cast<qsizetype>(columns.width.size()); ++i) {
        const auto column = static_cast<std::size_t>(i);
        double cellWidth = columns.width[column];
        if (span && i == 1) cellWidth = columns.left.back() + columns.width.back() - columns.left[1];
        if (span && i > 1) break;
        const bool right = !(span && i == 1) && column < table.rightAligned.size() && table.rightAligned[column];
        const QRectF room(columns.left[column] + pad, top + pad, std::max(1.0, cellWidth - 2 * pad), height - 2 * pad);
        painter->drawText(room, kFlags | (right ? Qt::AlignRight : Qt::AlignLeft), row[i]);
    }
    return height;
}

double layOut(QPainter* painter, const ReportTable& table, QPointF topLeft, double width, const QFont& font,
              QPaintDevice* device)
{
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(font, device);
    const QFontMetricsF boldMetrics(bold, device);
    const double pad = metrics.height() * 0.15;
    const Columns columns = columnsOf(table, topLeft.x(), width);
    double top = topLeft.y();

    if (painter) {
        painter->setPen(Qt::black);
        painter->setFont(bold);
    }
    top += paintRow(painter, table, table.headings, columns, top, boldMetrics, pad);
    if (painter) {
        painter->setPen(QPen(Qt::black, metrics.height() * 0.06));
        painter->drawLine(QLineF(topLeft.x(), top, topLeft.x() + width, top));
        painter->setFont(font);
    }
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const double height = rowHeight(table, table.rows[i], columns, metrics, pad);
        if (painter) {
            if (i % 2 == 1) painter->fillRect(QRectF(topLeft.x(), top, width, height), kBand);
            painter->setPen(Qt::black);
            paintRow(painter, table, table.rows[i], columns, top, metrics, pad);
        }
        top += height;
    }
    if (painter) {
        painter->setPen(QPen(Qt::black, metrics.height() * 0.04));
        painter->drawLine(QLineF(topLeft.x(), top, topLeft.x() + width, top));
    }
    return top - topLeft.y();
}

}  // namespace

double reportTableHeight(const ReportTable& table, double width, const QFont& font, QPaintDevice* device)
{
    return layOut(nullptr, table, QPointF(0, 0), width, font, device);
}

double paintReportTable(QPainter& painter, const ReportTable& table, QPointF topLeft, double width, const QFont& font)
{
    painter.save();
    const double height = layOut(&painter, table, topLeft, width, font, painter.device());
    painter.restore();
    return height;
}

}  // namespace karnoth::render
