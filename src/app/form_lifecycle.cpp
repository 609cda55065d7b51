// Start-up and shutdown of Form1: the settings file, the indicators, the first run.

#include "app/form1.h"
#include "app/settings_file.h"
#include "catalogue/control_names.h"
#include "panel/change_handlers.h"
#include "panel/indicators.h"
#include "panel/run_button.h"
#include "support/fault.h"
#include "support/text_file.h"

namespace karnoth {

std::optional<std::string> Form1::loadSettings()
{
    const LoadedSettings loaded = readSettingsFile(directory_ / "karnoth.ini", layoutScrollRange);
    if (loaded.problem) report(*loaded.problem);
    // Each assignment that changes a control notifies its handler as a user edit does; the
    // window is not ready yet, so none of them starts a run.
    for (std::size_t i = 0; i < kSettingsFields.size(); ++i) {
        if (!loaded.fields[i]) continue;
        const SettingsField& field = kSettingsFields[i];
        if (field.type == SettingsType::ScrollValue)
            setScrollValue(field.control, loaded.fields[i]->value);
        else
            setText(field.control, loaded.fields[i]->text);
    }
    return loaded.problem;
}

void Form1::Form_Load()
{
    const OneAction action(*this);
    const std::optional<std::string> settingsProblem = loadSettings();
    ShowRateBarState(*this);
    setCaption(control::Label2, abandonedCaption(value(control::vscGainLoss)));
    // A fault in the indicators is reported and start-up goes on, so that the window is ready
    // and its scroll bars live even when the saved figures cannot be computed.
    asEvent([this] { ShowLifespans(*this); });
    asEvent([this] { ShowJuvThreshold(*this); });
    formReady_ = true;
    asEvent([this] { cmdRun_Click(*this); });
    // The first run succeeds whatever the file held; its problem stays in view until the user's
    // own next run does.
    if (settingsProblem && currentFault_.empty()) currentFault_ = *settingsProblem;
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
}

}  // namespace karnoth
