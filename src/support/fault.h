#pragma once
// A fault stops the handler in which it happens; the window reports it and stays usable.
// Every fault names what went wrong and the input at fault in plain words.

#include "support/phrase.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace karnoth {

enum class FaultKind {
    NotANumber,  // a text that is not a number where a number is needed
    DivisionByZero,
    Overflow,  // also a double too large for a single, or a text too large for a 16-bit integer
    InvalidOperation,  // negative number to a fractional power, logarithm of zero or less, NaN
    Subscript,  // a year or age outside its table
    File,  // a file that exists but cannot be read or written, or holds a bad record
    OutsideRange,  // an input outside the values it can take (adult survival 1.5)
    ImpossibleState,  // no steady state to start from, or a step that removes more dogs than there are
};

class Fault : public std::runtime_error {
public:
    Fault(FaultKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) { }
    // A fault of one input field: `field` is the caption the user knows it by ("adult survival").
    Fault(FaultKind kind, const std::string& message, std::string field)
        : std::runtime_error(message), kind_(kind), field_(std::move(field))
    { }
    // A fault whose message is a phrase, so that the window can show it in its language; what()
    // is the phrase's English text.
    Fault(FaultKind kind, const Phrase& phrase, std::string field = {})
        : std::runtime_error(phrase.text()), kind_(kind), field_(std::move(field)), phrase_(phrase)
    { }
    FaultKind kind() const { return kind_; }
    // The phrase the message was made from, when it was.
    const std::optional<Phrase>& phrase() const { return phrase_; }
    // The caption of the one input at fault, or empty when the fault belongs to no single input.
    const std::string& field() const { return field_; }

private:
    FaultKind kind_;
    std::string field_;
    std::optional<Phrase> phrase_;
};

}  // namespace karnoth
