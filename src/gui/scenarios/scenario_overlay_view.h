#pragma once
// The scenarios on common axes (render/scenario_overlay.h) in a widget: point at it to read every
// drawn scenario's counts in that year. Exports the drawing as PNG or SVG at the widget's size.

#include "gui/widgets/follows_pointer.h"
#include "render/scenario_overlay.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace karnoth::gui {

class ScenarioOverlayView : public FollowsPointer<QWidget> {
    Q_OBJECT

public:
    explicit ScenarioOverlayView(QWidget* parent = nullptr);

    void setLines(std::vector<render::OverlayLine> lines, render::OverlayCompanion companion);
    const std::vector<render::OverlayLine>& lines() const { return lines_; }
    render::OverlayCompanion companion() const { return companion_; }
    // The year at the axes' left edge (View > First year shown).
    void setFirstYear(int firstYear);

    // Where the axes lie now (widget pixels).
    render::OverlayLayout overlayLayout() const;
    // The year under `pos` (widget pixels), nullopt with nothing drawn or beside the axes.
    std::optional<int> yearAt(const QPoint& pos) const;
    // The year the pointer reads now.
    std::optional<int> hoverYear() const;

    // Each returns false with a reason in `error` when the file cannot be written.
    bool savePng(const QString& path, QString& error) const;
    bool saveSvg(const QString& path, QString& error) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintOn(QPainter& painter, const QRectF& area) const;

    std::vector<render::OverlayLine> lines_;
    render::OverlayCompanion companion_ = render::OverlayCompanion::None;
    int firstYear_ = kFirstYear;
};

}  // namespace karnoth::gui
