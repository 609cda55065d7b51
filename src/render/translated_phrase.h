#pragma once
// A phrase of the Qt-free libraries in the window's language: its pattern translated, then its
// arguments filled in as they were written (numbers keep their format in every language).

#include "support/phrase.h"

#include <QString>

#include <optional>
#include <string>

namespace karnoth::render {

QString translatedPhrase(const Phrase& phrase);

// A fault's message as the window shows it: its phrase translated when it has one, else the
// message as it is.
QString translatedFault(const std::string& message, const std::optional<Phrase>& phrase);

}  // namespace karnoth::render
