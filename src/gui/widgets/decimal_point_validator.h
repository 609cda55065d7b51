#pragma once
// The model reads a number with a point as its decimal mark, whatever the language: in a number
// box a comma is turned into a point as it is typed, so that "0,9" (which would read as 0) can
// never stand there. Every text is acceptable otherwise: the run reports a text that is not a
// number by its input's caption. Texts set by the program (karnoth.ini, scenarios) are not touched.

#include <QValidator>

namespace karnoth::gui {

class DecimalPointValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

}  // namespace karnoth::gui
