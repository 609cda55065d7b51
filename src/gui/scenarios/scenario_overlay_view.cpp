#include "gui/scenarios/scenario_overlay_view.h"

#include "gui/widgets/drawing_export.h"

#include <QMouseEvent>
#include <QPainter>

namespace karnoth::gui {

ScenarioOverlayView::ScenarioOverlayView(QWidget* parent) : FollowsPointer(parent)
{
    setObjectName(QStringLiteral("scenarioOverlay"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setToolTip(tr("Point at the chart to read each scenario's counts in that year."));
}

QSize ScenarioOverlayView::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.averageCharWidth() * 100, metrics.lineSpacing() * 26);
}

QSize ScenarioOverlayView::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.averageCharWidth() * 50, metrics.lineSpacing() * 14);
}

void ScenarioOverlayView::setLines(std::vector<render::OverlayLine> lines, render::OverlayCompanion companion)
{
    lines_ = std::move(lines);
    companion_ = companion;
    update();
}

void ScenarioOverlayView::setFirstYear(int firstYear)
{
    firstYear_ = firstYear;
    update();
}

render::OverlayLayout ScenarioOverlayView::overlayLayout() const
{
    return render::overlayLayout(QRectF(rect()), lines_, companion_, font(), const_cast<ScenarioOverlayView*>(this),
                                 firstYear_);
}

std::optional<int> ScenarioOverlayView::yearAt(const QPoint& pos) const
{
    if (lines_.empty()) return std::nullopt;
    const render::OverlayLayout layout = overlayLayout();
    if (pos.y() < layout.plot.top() || pos.y() > layout.plot.bottom()) return std::nullopt;
    return layout.yearAt(pos.x());
}

std::optional<int> ScenarioOverlayView::hoverYear() const
{
    return pointer() ? yearAt(*pointer()) : std::nullopt;
}

void ScenarioOverlayView::paintOn(QPainter& painter, const QRectF& area) const
{
    const render::OverlayLayout layout = render::overlayLayout(area, lines_, companion_, font(), painter.device(),
                                                               firstYear_);
    render::paintOverlay(painter, layout, lines_, companion_, font());
}

void ScenarioOverlayView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintOn(painter, QRectF(rect()));
    if (lines_.empty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter, tr("No scenario has a run to draw."));
        return;
    }
    if (const std::optional<int> year = hoverYear())
        render::paintOverlayReadout(painter, overlayLayout(), *year, lines_, companion_, font());
}

bool ScenarioOverlayView::savePng(const QString& path, QString& error) const
{
    if (writeDrawingAsPng(path, size(), devicePixelRatioF(), [this](QPainter& painter, QSize area) {
            paintOn(painter, QRectF(QPointF(0, 0), QSizeF(area)));
        }))
        return true;
    error = tr("The comparison chart could not be saved as %1.").arg(path);
    return false;
}

bool ScenarioOverlayView::saveSvg(const QString& path, QString& error) const
{
    if (writeDrawingAsSvg(
            path, size(), SvgHeader{tr("Karnoth scenarios"), QString(), logicalDpiX()},
            [this](QPainter& painter, QSize area) { paintOn(painter, QRectF(QPointF(0, 0), QSizeF(area))); }))
        return true;
    error = tr("The comparison chart could not be saved as %1.").arg(path);
    return false;
}

}  // namespace karnoth::gui
