#pragma once
// Saving a drawing of a view as a PNG image or an SVG drawing, and its data as a CSV file, each
// with a file dialog in front. The drawing comes from a paint function over a size in pixels, so
// the file holds the same picture at whatever device it is painted on.

#include <QDate>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QByteArray;
class QImage;
class QPainter;
class QWidget;

namespace karnoth {
class Form1;
}

namespace karnoth::gui {

using PaintFunction = std::function<void(QPainter& painter, QSize size)>;

// What an SVG file says of itself, and the dots per inch its fonts are sized for (the generator's
// own 72 when none is given).
struct SvgHeader {
    QString title;
    QString description;
    std::optional<int> resolution;
};

// The drawing on a white ground, as PNG (`pixelRatio` device pixels a pixel) or SVG. Each returns
// false when the file cannot be written; the caller words that for its view.
bool writeDrawingAsPng(const QString& path, QSize size, double pixelRatio, const PaintFunction& paint);
bool writeDrawingAsSvg(const QString& path, QSize size, const SvgHeader& header, const PaintFunction& paint);

// The same, with a reason in `error` when the file cannot be written.
bool saveDrawingAsPng(const QString& path, QSize size, double pixelRatio, const PaintFunction& paint, QString& error);
bool saveDrawingAsSvg(const QString& path, QSize size, const SvgHeader& header, const PaintFunction& paint,
                      QString& error);
bool saveDrawingAsSvg(const QString& path, QSize size, const QString& title, const QString& description,
                      const PaintFunction& paint, QString& error);
bool saveText(const QString& path, const std::string& text, QString& error);

// Any file's bytes, or an image as PNG, written as every save is: through a temporary file beside
// the file (or beside a link's target) and a rename, keeping the file's permissions. The reason
// names the path in `error` when the file cannot be written; an older file is then left whole.
bool saveBytes(const QString& path, const QByteArray& bytes, QString& error);
bool saveImageAsPng(const QString& path, const QImage& image, QString& error);

// The file name an export suggests: the open scenario's name (or "karnoth"), what is exported and the
// day, "Jaipur 2026-sensitivity-2026-12-08.png"; characters no file name may hold become "-".
QString suggestedExportName(const std::optional<std::string>& scenario, const QString& what, const QDate& day,
                            const QString& suffix);

// The same for the window's open scenario, today.
QString suggestedExportName(const Form1& form, const QString& what, const QString& suffix);

// The file name the user chooses, ending in `suffix` (".png"); empty when the dialog is cancelled.
// The dialog offers `suggested` in the folder it was last in.
QString askSavePath(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
                    const QString& suggested = {});

}  // namespace karnoth::gui
