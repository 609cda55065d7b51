#pragma once
// A text's lines, whatever wrote it: LF, CR LF and a lone CR each end a line.

#include <string_view>
#include <vector>

namespace karnoth {

// The lines without their ends. A text that ends with a line end has no empty line after it.
std::vector<std::string_view> splitLines(std::string_view text);

}  // namespace karnoth
