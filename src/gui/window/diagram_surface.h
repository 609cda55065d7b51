#pragma once
// The window's client area: it carries the controls and draws the box diagram (Line1 to Line39)
// beneath them, in the default line colour and width.

#include <QLine>
#include <QVector>
#include <QWidget>

namespace karnoth::gui {

class DiagramSurface : public QWidget {
    Q_OBJECT

public:
    explicit DiagramSurface(QVector<QLine> lines, QWidget* parent = nullptr);
    const QVector<QLine>& lines() const { return lines_; }  // pixels

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVector<QLine> lines_;
};

}  // namespace karnoth::gui
