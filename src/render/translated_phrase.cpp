#include "render/translated_phrase.h"

#include <QCoreApplication>

#include <cstddef>

namespace karnoth::render {

QString translatedPhrase(const Phrase& phrase)
{
    QString text = QCoreApplication::translate(kPhraseContext, phrase.pattern);
    // One argument at a time, lowest marker first, as Phrase::text() fills them.
    for (std::size_t i = 0; i < phrase.arguments.size(); ++i) {
        const std::string& argument = phrase.arguments[i];
        const bool word = i < 32 && (phrase.wordArguments >> i & 1u) != 0;
        text = text.arg(word ? QCoreApplication::translate(kPhraseContext, argument.c_str())
                             : QString::fromStdString(argument));
    }
    return text;
}

QString translatedFault(const std::string& message, const std::optional<Phrase>& phrase)
{
    return phrase ? translatedPhrase(*phrase) : QString::fromStdString(message);
}

}  // namespace karnoth::render
