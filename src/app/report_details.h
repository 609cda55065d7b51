#pragma once
// What heads a report for a meeting: its title, who wrote it, for which organisation and where.
// Set in File > Report details, kept in scenarios and in the window's session; an empty field is
// left out of the report.

#include <cstddef>
#include <string>

namespace karnoth {

// The most characters a field holds: a title or a name, not a text.
inline constexpr std::size_t kMostReportDetailCharacters = 200;

struct ReportDetails {
    std::string title;  // empty: the report's own title
    std::string author;
    std::string organisation;
    std::string place;
    bool empty() const { return title.empty() && author.empty() && organisation.empty() && place.empty(); }
    friend bool operator==(const ReportDetails&, const ReportDetails&) = default;
};

}  // namespace karnoth
