#pragma once
// A phrase of the Qt-free libraries in the window's language: its pattern translated, then its
// arguments filled in as they were written (numbers keep their format in every language).

#include "support/phrase.h"

#include <QString>

namespace karnoth::render {

QString translatedPhrase(const Phrase& phrase);

}  // namespace karnoth::render
