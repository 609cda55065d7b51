#include "support/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace karnoth {
namespace {

TEST(TextLines, EveryKindOfLineEndEndsOneLine)
{
    const std::vector<std::string_view> three = {"a", "b", "c"};
    const struct {
        std::string_view text;
        std::vector<std::string_view> lines;
    } cases[] = {
        {"a\nb\nc", three},
        {"a\r\nb\r\nc\r\n", three},
        {"a\rb\rc\r", three},
        {"a\rb\r\nc\n", three},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitLines(c.text), c.lines) << c.text;
}

}  // namespace
}  // namespace karnoth
