#pragma once
// A label whose caption wraps at word boundaries inside its fixed box and never shows half a line:
// when the caption needs more lines than the box holds, the last line that fits ends in "…" and the
// whole caption becomes the label's tool tip. A label that always offers its caption as a tool tip
// (the run's sentences, which grow with large numbers) keeps it there whether it fits or not. A
// caption a run wrote from inputs that have changed since is marked stale until the next run.

#include <QLabel>
#include <QStringList>

namespace karnoth::gui {

class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    // Sets the caption and the tool tip that goes with it.
    void setCaption(const QString& caption);
    void setAlwaysTipsCaption(bool always);
    // A caption left from a run of earlier inputs: painted pale (the disabled text colour), and its
    // tool tip says so.
    void setStale(bool stale);
    bool isStale() const { return stale_; }

    // The lines painted in the box, the last one elided when the caption does not fit.
    QStringList shownLines() const;
    bool isElided() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateToolTip();

    bool alwaysTipsCaption_ = false;
    bool stale_ = false;
};

}  // namespace karnoth::gui
