// Start-up and shutdown of Form1: the settings file, the session file, the indicators, the first run.

#include "app/form1.h"
#include "app/settings_file.h"
#include "catalogue/control_names.h"
#include "panel/change_handlers.h"
#include "panel/indicators.h"
#include "panel/run_button.h"
#include "support/fault.h"
#include "support/text_file.h"

#include <algorithm>

namespace karnoth {

std::optional<std::string> Form1::loadSettings(std::vector<std::string_view>& held)
{
    const LoadedSettings loaded = readSettingsFile(directory_ / "karnoth.ini", layoutScrollRange);
    if (loaded.problem) report(*loaded.problem);
    // Each assignment that changes a control notifies its handler as a user edit does; the
    // window is not ready yet, so none of them starts a run.
    for (std::size_t i = 0; i < kSettingsFields.size(); ++i) {
        if (!loaded.fields[i]) continue;
        const SettingsField& field = kSettingsFields[i];
        held.push_back(field.control);
        if (field.type == SettingsType::ScrollValue)
            setScrollValue(field.control, loaded.fields[i]->value);
        else
            setText(field.control, loaded.fields[i]->text);
    }
    return loaded.problem;
}

void Form1::loadSession(const std::vector<std::string_view>& held)
{
    // The whole file is checked before anything is set, so that a bad one changes nothing.
    std::optional<Scenario> session;
    try {
        session = readSessionFile(directory_);
    } catch (const Fault& fault) {
        notices_.push_back(std::string(fault.what()) + "; the inputs and settings it keeps were not restored.");
        return;
    }
    if (!session) return;
    const auto heldBySettings = [&held](const std::string& name) {
        return std::find(held.begin(), held.end(), name) != held.end();
    };
    // As karnoth.ini's values: each change notifies its handler, and no run starts before the
    // window is ready.
    for (const auto& [box, text] : session->texts)
        if (!heldBySettings(box)) setText(box, text);
    for (const auto& [name, value] : session->values) {
        if (heldBySettings(name)) continue;
        if (control(name).row->kind == ControlKind::CheckBox)
            setCheckValue(name, value);
        else
            setScrollValue(name, value);
    }
    keptSettings_ = sessionSettingsOf(*session);
}

void Form1::Form_Load()
{
    const OneAction action(*this);
    std::vector<std::string_view> heldBySettings;
    const std::optional<std::string> settingsProblem = loadSettings(heldBySettings);
    loadSession(heldBySettings);
    ShowRateBarState(*this);
    setPhraseCaption(control::Label2, abandonedCaption(value(control::vscGainLoss)));
    // A fault in the indicators is reported and start-up goes on, so that the window is ready
    // and its scroll bars live even when the saved figures cannot be computed.
    asEvent([this] { ShowLifespans(*this); });
    asEvent([this] { ShowJuvThreshold(*this); });
    formReady_ = true;
    asEvent([this] { cmdRun_Click(*this); });
    // The first run succeeds whatever the file held; its problem stays in view until the user's
    // own next run does.
    if (settingsProblem && currentFault_.empty()) currentFault_ = *settingsProblem;
    inputsModified_ = false;
}

void Form1::Form_Unload()
{
    std::array<SettingsValue, 11> fields;
    for (std::size_t i = 0; i < kSettingsFields.size(); ++i) {
        const SettingsField& field = kSettingsFields[i];
        if (field.type == SettingsType::ScrollValue)
            fields[i].value = value(field.control);
        else
            fields[i].text = text(field.control);
    }
    asEvent([this, &fields] { replaceWholeFile(directory_ / "karnoth.ini", formatSettings(fields), "karnoth.ini"); });
    // The session holds no culling records: killed.txt is a file of its own, read at every run.
    Scenario session = inputsScenario({});
    keepSessionSettings(session, keptSettings_);
    session.saved = currentUtcTime();
    asEvent([this, &session] { writeSessionFile(directory_, session); });
}

}  // namespace karnoth
