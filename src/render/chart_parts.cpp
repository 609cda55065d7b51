#include "render/chart_parts.h"

#include "support/number_masks.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace karnoth::render {
namespace {

constexpr double kPadding = 4.0;  // pixels inside a box and between entries
constexpr double kSwatchWidth = 22.0;  // a legend swatch, pixels
constexpr double kReadoutShare = 0.6;  // of the chart's width, the widest a readout line runs
const QColor kBoxBorder(0xa0, 0xa0, 0xa0);

double entryWidth(const LegendEntry& entry, const QFontMetricsF& metrics)
{
    return kSwatchWidth + kPadding + metrics.horizontalAdvance(entry.text) + 3 * kPadding;
}

void paintSwatch(QPainter& painter, const LegendEntry& entry, const QRectF& box)
{
    if (entry.fill.style() != Qt::NoBrush) {
        if (entry.ground.style() != Qt::NoBrush) painter.fillRect(box, entry.ground);
        painter.setPen(entry.pen);
        painter.setBrush(entry.fill);
        painter.drawRect(box);
        painter.setBrush(Qt::NoBrush);
        return;
    }
    painter.setPen(entry.pen);
    painter.drawLine(QLineF(box.left(), box.center().y(), box.right(), box.center().y()));
}

}  // namespace

double legendHeight(const std::vector<LegendEntry>& entries, double width, const QFont& font, QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    int rows = entries.empty() ? 0 : 1;
    double x = 0;
    for (const LegendEntry& entry : entries) {
        const double w = entryWidth(entry, metrics);
        if (x > 0 && x + w > width) {
            ++rows;
            x = 0;
        }
        x += w;
    }
    return rows * metrics.lineSpacing();
}

void paintLegendEntries(QPainter& painter, const QRectF& area, const std::vector<LegendEntry>& entries,
                        const QFont& font)
{
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    double x = area.left();
    double top = area.top();
    for (const LegendEntry& entry : entries) {
        const double w = entryWidth(entry, metrics);
        if (x > area.left() && x + w > area.right()) {
            x = area.left();
            top += metrics.lineSpacing();
        }
        const double swatchHeight = metrics.height() * 0.7;
        const QRectF swatch(x, top + (metrics.height() - swatchHeight) / 2, kSwatchWidth, swatchHeight);
        paintSwatch(painter, entry, swatch);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(swatch.right() + kPadding, top + metrics.ascent()), entry.text);
        x += w;
    }
    painter.restore();
}

void paintReadoutBox(QPainter& painter, const QRectF& bounds, QPointF anchor, const QStringList& lines,
                     const QFont& font)
{
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double most = std::max(bounds.width() * kReadoutShare, 120.0);
    std::vector<QRectF> used;
    double width = 0;
    double height = 0;
    for (const QString& line : lines) {
        used.push_back(metrics.boundingRect(QRectF(0, 0, most, 1e6), Qt::TextWordWrap, line));
        width = std::max(width, used.back().width());
        height += used.back().height();
    }
    QRectF box(anchor.x() + 3 * kPadding, anchor.y() + 3 * kPadding, width + 2 * kPadding, height + 2 * kPadding);
    if (box.right() > bounds.right()) box.moveRight(anchor.x() - 3 * kPadding);
    if (box.bottom() > bounds.bottom()) box.moveBottom(bounds.bottom());
    box.moveLeft(std::max(box.left(), bounds.left()));
    box.moveTop(std::max(box.top(), bounds.top()));
    painter.setPen(QPen(kBoxBorder, 0));
    painter.setBrush(QColor(255, 255, 255, 240));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    double top = box.top() + kPadding;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRectF room(box.left() + kPadding, top, width, used[static_cast<std::size_t>(i)].height());
        painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, lines[i]);
        top += room.height();
    }
    painter.restore();
}

void paintGroundAndTitle(QPainter& painter, const QRectF& area, const QRectF& titleArea, const QString& title,
                         const QFont& font)
{
    painter.fillRect(area, Qt::white);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, title);
    painter.setFont(font);
}

void paintNotice(QPainter& painter, const QRectF& area, const QString& text, const QFont& font)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    const QRectF room = area.adjusted(area.width() * 0.1, 0, -area.width() * 0.1, 0);
    painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.restore();
}

QString axisValueText(double value, double step)
{
    if (step >= 1) return dogsText(value);
    // Ticks at multiples of a step below 1 carry a little binary noise; six digits hide it.
    return QString::number(value, 'g', 6);
}

QString dogsText(double value)
{
    // A fault of the number masks has no place in a drawing; counts here are always finite.
    if (!std::isfinite(value)) return QStringLiteral("?");
    return QString::fromStdString(formatGrouped(value));
}

}  // namespace karnoth::render
