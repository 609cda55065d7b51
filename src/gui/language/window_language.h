#pragma once
// The window's language: English as written in the sources, or Spanish or Brazilian Portuguese
// from the .qm files built beside the programs (`<bin>/../share/karnoth/translations`, which holds
// both in the build tree and once installed), with Qt's own words for its standard buttons when
// the system has them.

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace karnoth::gui {

inline const QString kEnglish = QStringLiteral("en");
inline const QString kSpanish = QStringLiteral("es");
inline const QString kBrazilianPortuguese = QStringLiteral("pt_BR");

// The code the window shows: `chosen` when it is one of the three, otherwise the system's
// language (any Spanish is Spanish, any Portuguese is Brazilian Portuguese, anything else English).
QString windowLanguage(const QString& chosen, const QLocale& system);

// Whether `code` is one of the three (the command line's and the menu's choices).
bool knownLanguage(const QString& code);

// Where the program's .qm files are, from the running program's own directory.
QString translationsDirectory();

// Installs the translators for `code` on the application (nothing for English): Karnoth's own,
// and Qt's qtbase_<code>.qm when the system has it, silently skipped when not. Returns false when
// Karnoth's own file is missing or unreadable; the window then stays in English.
bool installWindowLanguage(QCoreApplication& application, const QString& code);

}  // namespace karnoth::gui
