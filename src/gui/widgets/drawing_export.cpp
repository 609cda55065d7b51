#include "gui/widgets/drawing_export.h"

#include "app/form1.h"
#include "render/translated_phrase.h"
#include "support/fault.h"
#include "support/text_file.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace karnoth::gui {
namespace {

QString cannotSave(const QString& path)
{
    return QFileDialog::tr("The file %1 could not be written.").arg(path);
}

}  // namespace

bool saveBytes(const QString& path, const QByteArray& bytes, QString& error)
{
    try {
        replaceWholeFile(QFile::encodeName(path).toStdString(),
                         std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                         path.toStdString());
        return true;
    } catch (const Fault& fault) {
        error = render::translatedFault(fault.what(), fault.phrase());
        return false;
    }
}

bool saveImageAsPng(const QString& path, const QImage& image, QString& error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        error = cannotSave(path);
        return false;
    }
    return saveBytes(path, bytes, error);
}

bool writeDrawingAsPng(const QString& path, QSize size, double pixelRatio, const PaintFunction& paint)
{
    QString ignored;
    return saveDrawingAsPng(path, size, pixelRatio, paint, ignored);
}

bool writeDrawingAsSvg(const QString& path, QSize size, const SvgHeader& header, const PaintFunction& paint)
{
    QString ignored;
    return saveDrawingAsSvg(path, size, header, paint, ignored);
}

bool saveDrawingAsPng(const QString& path, QSize size, double pixelRatio, const PaintFunction& paint, QString& error)
{
    QImage image(size * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, size);
    painter.end();
    return saveImageAsPng(path, image, error);
}

bool saveDrawingAsSvg(const QString& path, QSize size, const SvgHeader& header, const PaintFunction& paint,
                      QString& error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    if (header.resolution) generator.setResolution(*header.resolution);
    generator.setTitle(header.title);
    generator.setDescription(header.description);
    QPainter painter;
    if (!painter.begin(&generator)) {
        error = cannotSave(path);
        return false;
    }
    paint(painter, size);
    if (!painter.end()) {
        error = cannotSave(path);
        return false;
    }
    return saveBytes(path, bytes, error);
}

bool saveDrawingAsSvg(const QString& path, QSize size, const QString& title, const QString& description,
                      const PaintFunction& paint, QString& error)
{
    return saveDrawingAsSvg(path, size, SvgHeader{title, description, std::nullopt}, paint, error);
}

bool saveText(const QString& path, const std::string& text, QString& error)
{
    return saveBytes(path, QByteArray::fromStdString(text), error);
}

QString suggestedExportName(const std::optional<std::string>& scenario, const QString& what, const QDate& day,
                            const QString& suffix)
{
    QString name = (scenario ? QString::fromStdString(*scenario) : QStringLiteral("karnoth")) + QLatin1Char('-') +
                   what + QLatin1Char('-') + day.toString(Qt::ISODate);
    for (QChar& c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.category() == QChar::Other_Control) c = QLatin1Char('-');
    return name + suffix;
}

QString suggestedExportName(const Form1& form, const QString& what, const QString& suffix)
{
    const std::optional<OpenedScenario>& opened = form.openedScenario();
    return suggestedExportName(opened ? std::optional<std::string>(opened->name) : std::nullopt, what,
                               QDate::currentDate(), suffix);
}

QString askSavePath(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
                    const QString& suggested)
{
    QString path = QFileDialog::getSaveFileName(parent, title, suggested, filter);
    if (path.isEmpty()) return path;
    if (!path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
    return path;
}

}  // namespace karnoth::gui
