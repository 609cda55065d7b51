#include "render/translated_phrase.h"

#include <QCoreApplication>

namespace karnoth::render {

QString translatedPhrase(const Phrase& phrase)
{
    QString text = QCoreApplication::translate(kPhraseContext, phrase.pattern);
    // One argument at a time, lowest marker first, as Phrase::text() fills them.
    for (const std::string& argument : phrase.arguments) text = text.arg(QString::fromStdString(argument));
    return text;
}

}  // namespace karnoth::render
