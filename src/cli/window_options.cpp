#include "cli/window_options.h"

#include "app/yearly_csv.h"
#include "catalogue/input_catalogue.h"
#include "cli/option_values.h"
#include "panel/report_texts.h"

#include <cstdio>
#include <iostream>

namespace karnoth {
namespace {

// The caption a user knows an input control by: the field's for a text box or scroll bar (they
// match the labels beside them), the control's own for a check box or button.
std::string captionOf(const LayoutRow& row)
{
    const InputRow* input = findInput(row.name);
    if (input && input->field) return std::string(fieldCaption(*input->field));
    return std::string(row.text);
}

std::string valuesOf(const LayoutRow& row)
{
    const InputRow* input = findInput(row.name);
    if (!input) return row.kind == ControlKind::TextBox ? "text" : "";
    switch (input->conversion) {
    case Conversion::numberText: return "a number, " + std::string(fieldRangeWords(*input->field));
    case Conversion::yearText: return "a year";
    case Conversion::optionalNumberText:
        return "a number, " + std::string(fieldRangeWords(*input->field)) + ", or empty (" +
               (input->defaultText.empty() ? "none" : std::string(input->defaultText)) + ")";
    case Conversion::optionalYearText: return "a year, or empty (none)";
    case Conversion::barValue: return std::to_string(input->bar->lowest) + " to " + std::to_string(input->bar->highest);
    case Conversion::checkBox: return "0 or 1";
    }
    return "";
}

const char* kindOf(const LayoutRow& row)
{
    switch (row.kind) {
    case ControlKind::TextBox: return "text box (--text)";
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: return "scroll bar (--value)";
    case ControlKind::CheckBox: return "check box (--value)";
    case ControlKind::CommandButton: return "button (--click)";
    default: return "";
    }
}

}  // namespace

std::string controlsHelp()
{
    std::string help = "CONTROLS:\n";
    for (const LayoutRow& row : formLayout()) {
        const char* kind = kindOf(row);
        if (*kind == '\0') continue;
        char line[200];
        std::snprintf(line, sizeof line, "  %-22s %-36s %-21s %s\n", std::string(row.name).c_str(),
                      captionOf(row).c_str(), kind, valuesOf(row).c_str());
        help += line;
    }
    return help;
}

void addWindowOptions(CLI::App& app, CliSession& session)
{
    app.add_option("--dir", session.directory, "the directory with karnoth.ini and killed.txt")
        ->check(CLI::ExistingDirectory);
    app.add_option_function<std::string>(
           "--text",
           readingValue(session, "--text",
                        [&session](const OptionValue& given) {
                            // Named copies, not a structured binding: lambdas capture them.
                            const auto assignment = given.assignment("NAME=TEXT");
                            const std::string name = assignment.first;
                            const std::string text = assignment.second;
                            session.events.push_back({[name](const Form1& form) { form.checkTyping(name); },
                                                      [name, text](Form1& form) { form.typeText(name, text); }});
                        }),
           "type TEXT into text box NAME (its change handler runs when the text differs)")
        ->type_name("NAME=TEXT")
        ->trigger_on_parse()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option_function<std::string>(
           "--value",
           readingValue(session, "--value",
                        [&session](const OptionValue& given) {
                            const auto assignment = given.assignment("NAME=N");
                            const std::string name = assignment.first;
                            const int value = given.whole<int>("N", assignment.second);
                            const auto isCheckBox = [name](const Form1& form) {
                                return form.control(name).row->kind == ControlKind::CheckBox;
                            };
                            session.events.push_back({[=](const Form1& form) {
                                                          if (isCheckBox(form))
                                                              form.checkCheckValue(name, value);
                                                          else
                                                              form.checkScrollValue(name, value);
                                                      },
                                                      [=](Form1& form) {
                                                          if (isCheckBox(form))
                                                              form.setCheckValue(name, value);
                                                          else
                                                              form.setScrollValue(name, value);
                                                      }});
                        }),
           "set scroll bar or check box NAME to N (outside a bar's range: exit 2)")
        ->type_name("NAME=N")
        ->trigger_on_parse()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option_function<std::string>(
           "--click",
           [&session](const std::string& name) {
               session.events.push_back(
                   {[name](const Form1& form) { form.checkClick(name); }, [name](Form1& form) { form.click(name); }});
           },
           "press a button (cmdRun)")
        ->type_name("cmdRun")
        ->trigger_on_parse()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_flag_callback(
           "--close",
           [&session] {
               session.events.push_back({[](const Form1&) {}, [](Form1& form) { form.Form_Unload(); }});
           },
           "close the window: karnoth.ini and karnoth-session.json are written")
        ->trigger_on_parse()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_flag("--json", session.json, "print the window's state as one JSON object");
    app.add_option_function<std::string>(
           "--csv",
           [&session](const std::string& file) {
               if (file == "-") session.standardOutputTakenBy.push_back("--csv -");
               session.fileOutputs.push_back([file](Form1& form) {
                   if (!form.runFault().empty()) {
                       std::cerr << "karnoth-cli: " << stoppedRunLine(form.runFault()).text()
                                 << ", so there are no yearly series of the inputs as they are to write to " << file
                                 << "\n";
                       return 1;
                   }
                   if (!form.lastSeries()) {
                       std::cerr
                           << "karnoth-cli: no run finished its projection, so there are no yearly series to write to "
                           << file << "\n";
                       return 1;
                   }
                   return writeOutput(file, yearlyCsv(*form.lastSeries(), *form.lastOutcome()));
               });
           },
           "write the last run's yearly series to FILE, or to standard output for -; refused (exit 1) when that run "
           "stopped")
        ->type_name("FILE");
    app.footer(controlsHelp());
}

}  // namespace karnoth
