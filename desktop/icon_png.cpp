// karnoth-icon-png: renders the window's SVG icon into the square PNG sizes a desktop's icon
// theme looks up (hicolor/NxN/apps), so the bitmaps installed are always drawn from the SVG in
// the tree and never drift from it.
//   karnoth-icon-png ICON.svg OUTDIR SIZE...   writes OUTDIR/SIZExSIZE/<ICON>.png for each SIZE

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int kLargestSide = 1024;  // pixels; icon themes go up to 512

int refuse(const QString& message)
{
    std::fprintf(stderr, "karnoth-icon-png: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) return refuse(QStringLiteral("usage: karnoth-icon-png ICON.svg OUTDIR SIZE..."));
    const QString svgPath = QString::fromLocal8Bit(argv[1]);
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) return refuse(QStringLiteral("%1 is not an SVG drawing it can read").arg(svgPath));
    const QString name = QFileInfo(svgPath).completeBaseName() + QStringLiteral(".png");
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int side = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || side < 1 || side > kLargestSide)
            return refuse(QStringLiteral("size %1 is not a whole number of pixels from 1 to %2")
                              .arg(QString::fromLocal8Bit(argv[i]))
                              .arg(kLargestSide));
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString sizeDir = QStringLiteral("%1/%2x%2").arg(outDir).arg(side);
        const QString path = sizeDir + QLatin1Char('/') + name;
        if (!QDir().mkpath(sizeDir) || !image.save(path, "PNG"))
            return refuse(QStringLiteral("%1 could not be written").arg(path));
    }
    return 0;
}
