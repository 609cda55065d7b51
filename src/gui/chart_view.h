#pragma once
// The picture area picPlot: paints the window model's display list and offers the chart's context
// menu (save as PNG or SVG, copy the yearly data). Painting only reads the display list, so an
// expose or a resize never reruns the model.

#include <QFrame>
#include <QString>

namespace karnoth {
class Form1;
}

namespace karnoth::gui {

class ChartView : public QFrame {
    Q_OBJECT

public:
    explicit ChartView(const Form1& form, QWidget* parent = nullptr);

    // The inside of the frame, where the picture area's ScaleWidth x ScaleHeight lie (pixels).
    QRect chartRect() const { return contentsRect(); }

    // Each returns false and leaves a reason in `error` when it cannot do its work.
    bool savePng(const QString& path, QString& error) const;
    bool saveSvg(const QString& path, QString& error) const;
    bool copyYearlyData(QString& error) const;

signals:
    // A menu action that failed, in words for the user.
    void actionFailed(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void askAndSave(const QString& title, const QString& filter, const QString& suffix,
                    bool (ChartView::*save)(const QString&, QString&) const);

    const Form1& form_;
};

}  // namespace karnoth::gui
