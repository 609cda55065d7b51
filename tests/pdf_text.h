#pragma once
// A PDF's text as pdftotext extracts it (KARNOTH_PDFTOTEXT names the program), every run of blanks
// and line ends made one blank; empty when it cannot be read. `page` (from 1) reads that page alone.

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>

namespace karnoth::testing {

inline std::string pdfText(const std::filesystem::path& pdf, int page = 0)
{
    const std::string pages = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    const std::string command = std::string(KARNOTH_PDFTOTEXT) + pages + " -layout \"" + pdf.string() + "\" -";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string text;
    char buffer[4096];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, read);
    if (pclose(pipe) != 0) return {};
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

}  // namespace karnoth::testing
