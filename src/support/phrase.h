#pragma once
// A sentence with numbers in it, kept as its fixed pattern ("back to %1 in %2") and the arguments
// already written in the number locale, so that the window can translate the pattern and fill the
// same arguments in, while everything else reads the English text().

#include "support/translate_noop.h"

#include <string>
#include <vector>

namespace karnoth {

// The translation context of every pattern.
inline constexpr const char* kPhraseContext = "karnoth::Phrase";

struct Phrase {
    const char* pattern = "";  // %1 to %9 stand for the arguments; marked KARNOTH_TRANSLATE_NOOP
    std::vector<std::string> arguments{};
    // Bit n - 1 set: argument n is itself a fixed text of this context (an input's caption, a
    // range), which the window translates before filling it in.
    unsigned wordArguments = 0;

    // The pattern with every %n replaced by arguments[n - 1]; a "%" followed by anything else,
    // or by a number without an argument, is kept as it is.
    std::string text() const;
    friend bool operator==(const Phrase& a, const Phrase& b)
    {
        return std::string(a.pattern) == b.pattern && a.arguments == b.arguments && a.wordArguments == b.wordArguments;
    }
};

}  // namespace karnoth
