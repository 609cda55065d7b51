#include "gui/language/window_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace karnoth::gui {

QString windowLanguage(const QString& chosen, const QLocale& system)
{
    if (knownLanguage(chosen)) return chosen;
    switch (system.language()) {
    case QLocale::Spanish: return kSpanish;
    case QLocale::Portuguese: return kBrazilianPortuguese;
    default: return kEnglish;
    }
}

bool knownLanguage(const QString& code)
{
    return code == kEnglish || code == kSpanish || code == kBrazilianPortuguese;
}

QString translationsDirectory()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/karnoth/translations"));
}

bool installWindowLanguage(QCoreApplication& application, const QString& code)
{
    if (code == kEnglish) return true;
    // Qt's own first, so that Karnoth's, installed later and searched first, wins where both
    // translate the same context.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    auto* own = new QTranslator(&application);
    if (!own->load(QStringLiteral("karnoth_") + code, translationsDirectory())) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

}  // namespace karnoth::gui
