#include "app/session_file.h"

#include "support/fault.h"
#include "support/text_file.h"

namespace karnoth {

std::optional<Scenario> readSessionFile(const std::filesystem::path& directory)
{
    const std::optional<std::string> text = readWholeFile(directory / kSessionFileName, kSessionFileName,
                                                          kScenarioFileLimit);
    if (!text) return std::nullopt;
    return parseScenario(*text, kSessionFileName, "session");
}

void writeSessionFile(const std::filesystem::path& directory, const Scenario& session)
{
    replaceWholeFile(directory / kSessionFileName, formatScenario(session), kSessionFileName);
}

SessionSettings sessionSettingsOf(const Scenario& session)
{
    return SessionSettings{session.planner,    session.sensitivity, session.uncertainty,    session.report,
                           session.confidence, session.windows,     session.firstYearShown, session.language};
}

SessionSettings withScenarioSettings(SessionSettings kept, const Scenario& scenario)
{
    if (scenario.sensitivity) kept.sensitivity = scenario.sensitivity;
    if (scenario.uncertainty) kept.uncertainty = scenario.uncertainty;
    if (scenario.report) kept.report = scenario.report;
    if (scenario.confidence) kept.confidence = scenario.confidence;
    return kept;
}

void keepSessionSettings(Scenario& session, const SessionSettings& settings)
{
    session.planner = settings.planner;
    session.sensitivity = settings.sensitivity;
    session.uncertainty = settings.uncertainty;
    session.report = settings.report;
    session.confidence = settings.confidence;
    session.windows = settings.windows;
    session.firstYearShown = settings.firstYearShown;
    session.language = settings.language;
}

}  // namespace karnoth
