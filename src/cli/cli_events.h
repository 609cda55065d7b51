#pragma once
// The events of a karnoth-cli command line, in the order given.

#include <string>
#include <vector>

namespace karnoth {

struct CliEvent {
    enum class Kind { Text, Value, Click, Close };
    Kind kind;
    std::string control;
    std::string text;  // the text typed, for Text
    int value = 0;     // for Value
};

// "NAME=TEXT" split at the first "="; std::invalid_argument when there is none or NAME is empty.
std::pair<std::string, std::string> splitAssignment(const std::string& argument);

}  // namespace karnoth
