// karnoth-cli: plays the window without a window. It creates Form1 in a directory, starts it up
// (settings file, indicators, the first run), applies the events of the command line in their
// order and prints the window's state.

#include "app/form1.h"
#include "app/yearly_csv.h"
#include "cli/cli_events.h"
#include "cli/form_state_json.h"
#include "panel/control_names.h"
#include "support/fault.h"
#include "support/text_file.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <filesystem>
#include <iostream>

namespace {

using karnoth::CliEvent;
using karnoth::Control;
using karnoth::ControlKind;

void printReport(const karnoth::Form1& form)
{
    std::cout << "formReady: " << (form.formReady() ? "true" : "false") << "\n";
    namespace control = karnoth::control;
    for (std::string_view label : {control::Label14, control::Label6, control::Label4, control::Label3, control::Label2,
                                   control::Label1_1, control::Label9, control::Label10})
        std::cout << label << ": " << form.caption(label) << "\n";
    std::cout << "faults: " << form.faults().size() << "\n";
    for (const std::string& fault : form.faults()) std::cout << "  " << fault << "\n";
}

// Checks an event against the window before anything runs, so a malformed command line changes
// nothing.
void validate(const karnoth::Form1& form, const CliEvent& event)
{
    switch (event.kind) {
    case CliEvent::Kind::Text: form.checkTyping(event.control); break;
    case CliEvent::Kind::Value:
        if (form.control(event.control).row->kind == ControlKind::CheckBox)
            form.checkCheckValue(event.control, event.value);
        else
            form.checkScrollValue(event.control, event.value);
        break;
    case CliEvent::Kind::Click: form.checkClick(event.control); break;
    case CliEvent::Kind::Close: break;
    }
}

void apply(karnoth::Form1& form, const CliEvent& event)
{
    switch (event.kind) {
    case CliEvent::Kind::Text: form.typeText(event.control, event.text); break;
    case CliEvent::Kind::Value:
        if (form.control(event.control).row->kind == ControlKind::CheckBox)
            form.setCheckValue(event.control, event.value);
        else
            form.setScrollValue(event.control, event.value);
        break;
    case CliEvent::Kind::Click: form.click(event.control); break;
    case CliEvent::Kind::Close: form.Form_Unload(); break;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"karnoth-cli: the Karnoth window without a window. Starts Form1 in DIR (settings file, "
                 "indicators, first run), applies the events in their order, prints the window's state."};
    std::string directory = ".";
    bool json = false;
    std::string csvFile;
    std::vector<CliEvent> events;
    std::string usageError;

    auto record = [&](CliEvent::Kind kind) {
        return [&, kind](const std::string& argument) {
            CliEvent event{kind, argument, "", 0};
            try {
                if (kind == CliEvent::Kind::Text || kind == CliEvent::Kind::Value) {
                    auto [name, rest] = karnoth::splitAssignment(argument);
                    event.control = name;
                    event.text = rest;
                    if (kind == CliEvent::Kind::Value) {
                        const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), event.value);
                        if (result.ec != std::errc() || result.ptr != rest.data() + rest.size())
                            throw std::invalid_argument("--value " + argument + ": " + rest + " is not a whole number");
                    }
                }
            } catch (const std::invalid_argument& error) {
                if (usageError.empty()) usageError = error.what();
            }
            events.push_back(event);
        };
    };
    app.add_option("--dir", directory, "the directory with karnoth.ini and killed.txt")->check(CLI::ExistingDirectory);
    app.add_option_function<std::string>("--text", record(CliEvent::Kind::Text), "type TEXT into text box NAME")
        ->type_name("NAME=TEXT")->trigger_on_parse()->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option_function<std::string>("--value", record(CliEvent::Kind::Value), "set scroll bar or check box NAME to N")
        ->type_name("NAME=N")->trigger_on_parse()->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option_function<std::string>("--click", record(CliEvent::Kind::Click), "press a button (cmdRun)")
        ->type_name("cmdRun")->trigger_on_parse()->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_flag_callback("--close", [&] { events.push_back({CliEvent::Kind::Close, "", "", 0}); },
                          "close the window: karnoth.ini is written")
        ->trigger_on_parse()->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_flag("--json", json, "print the window's state as one JSON object");
    app.add_option("--csv", csvFile, "write the last run's yearly series to FILE");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return app.exit(error);
        app.exit(error);
        return 2;
    }
    if (!usageError.empty()) {
        std::cerr << "karnoth-cli: " << usageError << "\n";
        return 2;
    }

    karnoth::Form1 form{std::filesystem::path(directory)};
    try {
        for (const CliEvent& event : events) validate(form, event);
    } catch (const karnoth::ControlError& error) {
        std::cerr << "karnoth-cli: " << error.what() << "\n";
        return 2;
    }

    form.Form_Load();
    for (const CliEvent& event : events) apply(form, event);

    if (json)
        std::cout << karnoth::formStateJson(form).dump(1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    else
        printReport(form);

    if (!csvFile.empty()) {
        if (!form.lastSeries()) {
            std::cerr << "karnoth-cli: no run finished its projection, so there are no yearly series to write to "
                      << csvFile << "\n";
            return 1;
        }
        try {
            karnoth::replaceWholeFile(csvFile, karnoth::yearlyCsv(*form.lastSeries()), csvFile);
        } catch (const karnoth::Fault& fault) {
            std::cerr << "karnoth-cli: " << fault.what() << "\n";
            return 1;
        }
    }
    return 0;
}
