#include "gui/widgets/caption_label.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace karnoth::gui {
namespace {

struct Wrapped {
    QStringList lines;
    bool elided = false;
};

// The caption broken into the lines of a box `width` x `height` pixels, at most as many as fit
// whole; the rest of the caption elided onto the last of them.
Wrapped wrap(const QString& caption, const QFont& font, double width, double height)
{
    Wrapped result;
    if (caption.isEmpty() || width <= 0) return result;
    const QFontMetricsF metrics(font);
    const int fitting = std::max(1,
                                 static_cast<int>(std::floor((height - metrics.height()) / metrics.lineSpacing())) + 1);

    QTextLayout layout(caption, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);  // as QLabel wraps: a word longer than the box stays whole
    layout.setTextOption(option);
    std::vector<std::pair<int, int>> spans;  // start, length
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        spans.emplace_back(line.textStart(), line.textLength());
    }
    layout.endLayout();

    const int shown = std::min(fitting, static_cast<int>(spans.size()));
    for (int i = 0; i < shown; ++i) result.lines << caption.mid(spans[i].first, spans[i].second).trimmed();
    if (static_cast<int>(spans.size()) > fitting) {
        const QString rest = caption.mid(spans[shown - 1].first).simplified();
        result.lines.back() = metrics.elidedText(rest, Qt::ElideRight, width);
        result.elided = true;
    }
    return result;
}

}  // namespace

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CaptionLabel::setCaption(const QString& caption)
{
    setText(caption);
    updateToolTip();
}

void CaptionLabel::setAlwaysTipsCaption(bool always)
{
    alwaysTipsCaption_ = always;
    updateToolTip();
}

void CaptionLabel::setStale(bool stale)
{
    if (stale_ == stale) return;
    stale_ = stale;
    updateToolTip();
    update();
}

QStringList CaptionLabel::shownLines() const
{
    const QRect box = contentsRect();
    return wrap(text(), font(), box.width(), box.height()).lines;
}

bool CaptionLabel::isElided() const
{
    const QRect box = contentsRect();
    return wrap(text(), font(), box.width(), box.height()).elided;
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() && !stale_ ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QRect box = contentsRect();
    const QFontMetricsF metrics(font());
    double top = box.top();
    for (const QString& line : shownLines()) {
        painter.drawText(QPointF(box.left(), top + metrics.ascent()), line);
        top += metrics.lineSpacing();
    }
}

void CaptionLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

void CaptionLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) updateToolTip();
}

void CaptionLabel::updateToolTip()
{
    const QString caption = alwaysTipsCaption_ || isElided() ? text() : QString();
    if (!stale_) return setToolTip(caption);
    const QString why = tr("Not updated: an input changed after the run that wrote this. Press Run.");
    setToolTip(caption.isEmpty() ? why : why + QStringLiteral("\n\n") + caption);
}

}  // namespace karnoth::gui
