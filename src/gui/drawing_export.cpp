#include "gui/drawing_export.h"

#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace karnoth::gui {
namespace {

QString cannotSave(const QString& path) { return QFileDialog::tr("The file %1 could not be written.").arg(path); }

}  // namespace

bool writeDrawingAsPng(const QString& path, QSize size, double pixelRatio, const PaintFunction& paint)
{
    QImage image(size * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, size);
    painter.end();
    return image.save(path, "PNG");
}

bool writeDrawingAsSvg(const QString& path, QSize size, const SvgHeader& header, const PaintFunction& paint)
{
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    if (header.resolution) generator.setResolution(*header.resolution);
    generator.setTitle(header.title);
    generator.setDescription(header.description);
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    paint(painter, size);
    return painter.end();
}

bool saveDrawingAsPng(const QString& path, QSize size, double pixelRatio, const PaintFunction& paint, QString& error)
{
    if (writeDrawingAsPng(path, size, pixelRatio, paint)) return true;
    error = cannotSave(path);
    return false;
}

bool saveDrawingAsSvg(const QString& path, QSize size, const QString& title, const QString& description,
                      const PaintFunction& paint, QString& error)
{
    if (writeDrawingAsSvg(path, size, SvgHeader{title, description, std::nullopt}, paint)) return true;
    error = cannotSave(path);
    return false;
}

bool saveText(const QString& path, const std::string& text, QString& error)
{
    // Written whole or not at all: a failed write leaves any earlier file as it was.
    QSaveFile file(path);
    const auto size = static_cast<qint64>(text.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), size) != size || !file.commit()) {
        error = cannotSave(path);
        return false;
    }
    return true;
}

QString askSavePath(QWidget* parent, const QString& title, const QString& filter, const QString& suffix)
{
    QString path = QFileDialog::getSaveFileName(parent, title, QString(), filter);
    if (path.isEmpty()) return path;
    if (!path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
    return path;
}

}  // namespace karnoth::gui
