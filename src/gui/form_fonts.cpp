#include "gui/form_fonts.h"

#include <QApplication>
#include <QStringList>

namespace karnoth::gui {

QFont formFont()
{
    QFont font = QApplication::font();
    const QString platformFamily = font.family();
    // Faces with about the widths the captions were fitted to come first; a condensed face is the
    // next best where none of them is installed.
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                 QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                 QStringLiteral("DejaVu Sans Condensed"), platformFamily});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kFormFontPoints);
    return font;
}

QFont headingFont()
{
    QFont font = formFont();
    font.setWeight(QFont::Bold);
    return font;
}

}  // namespace karnoth::gui
