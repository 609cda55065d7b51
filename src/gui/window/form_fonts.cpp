#include "gui/window/form_fonts.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QScreen>
#include <QStringList>

namespace karnoth::gui {
namespace {

double screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 0.0;
    return dpi > 0.0 ? dpi : 96.0;
}

// Shrinks a face wider than the designed one; never enlarges a narrower one.
QFont fittedToDesignWidths(QFont font)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const double emPixels = font.pointSizeF() * screenDpi() / 72.0;
    const double averagePixels = QFontMetricsF(font).horizontalAdvance(letters) / letters.size();
    if (emPixels <= 0.0 || averagePixels <= 0.0) return font;
    const double widthPerEm = averagePixels / emPixels;
    if (widthPerEm > kDesignLetterWidthPerEm)
        font.setPointSizeF(font.pointSizeF() * kDesignLetterWidthPerEm / widthPerEm);
    return font;
}

}  // namespace

QFont formFont()
{
    QFont font = QApplication::font();
    const QString platformFamily = font.family();
    // Faces with about the designed widths come first, then a condensed face, then the platform's.
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                 QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                 QStringLiteral("DejaVu Sans Condensed"), platformFamily});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kFormFontPoints);
    return fittedToDesignWidths(font);
}

QFont headingFont()
{
    QFont font = formFont();
    font.setWeight(QFont::Bold);
    return font;
}

}  // namespace karnoth::gui
