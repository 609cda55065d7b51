#pragma once
// The window Form1 without a window: every control of the layout by name, the form-level values,
// the picture area's display list, and the faults reported so far. Each user action is one window
// event; a fault stops the handler in which it happens, is reported here, and the window stays
// usable. A front end (the CLI, the Qt window) drives it and listens to it.

#include "app/layout.h"
#include "app/programme_outcome.h"
#include "app/scenario_file.h"
#include "app/session_file.h"
#include "chart/recording_canvas.h"
#include "model/run_series.h"
#include "panel/panel_controls.h"
#include "panel/window_inputs.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace karnoth {

// A caller's mistake, not a fault of the model: an unknown control, a control of another kind, a
// scroll-bar value outside its range, Label1(9).
class ControlError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

struct Control {
    const LayoutRow* row;
    std::string text;  // caption of a label, text of a text box, caption of a button or check box
    int value = 0;  // a scroll bar's value, a check box's state (0 or 1)
    // A caption a run writes, left from a run before an input changed: it tells of other inputs
    // until a run writes it again.
    bool stale = false;
    // Greyed by a handler (the rate bar while operations set the programme): the user cannot
    // change it, the program can.
    bool enabled = true;
    // The phrase a run wrote the caption from, for a window that translates it; none for a caption
    // of plain text.
    std::optional<Phrase> phrase{};
};

class FormListener {
public:
    virtual ~FormListener() = default;
    virtual void controlChanged(const Control& control) = 0;  // caption, text or value
    virtual void chartChanged() = 0;
    virtual void faultReported(const std::string& message) = 0;
    virtual void runCompleted() = 0;
    // An event that made a run is over: lastRunInputs() tells what the run read.
    virtual void runEnded() { }
};

// The scenario the window was last opened from or saved as: its name, its notes and its file (empty
// when it came from none, as a scenario the CLI opens).
struct OpenedScenario {
    std::string name;
    std::string notes;
    std::filesystem::path file;
    friend bool operator==(const OpenedScenario&, const OpenedScenario&) = default;
};

class Form1 final : public PanelControls {
public:
    // `directory` holds "karnoth.ini" and "killed.txt"; the window's own is the current directory.
    explicit Form1(std::filesystem::path directory = ".");

    // Window events. Each catches and reports the faults of the handlers it raises. Start-up applies
    // karnoth.ini, then the session file (karnoth-session.json) to the inputs karnoth.ini does not
    // hold, and keeps its settings (keptSettings()); a session file that cannot be read is a notice
    // and changes nothing. Shutdown writes both.
    void Form_Load();
    void Form_Unload();
    void typeText(std::string_view textBox, std::string text);  // a user edit
    void setScrollValue(std::string_view scrollBar, int value);  // ControlError outside the range
    void setCheckValue(std::string_view checkBox, int value);  // 0 or 1; no handler
    // The view's choice to chart the street coverage: the chart is drawn again at once when the
    // window is ready, as a run.
    void setStreetCoverageCharted(bool charted);
    // Keeps the chart's scales while runs are compared (View > Keep scale): each run is charted
    // against the scales of the one before, so that halving the dogs halves the curve; off, each
    // run fits its own. Not an input: no run follows.
    void setKeepScale(bool keep) { keepScale_ = keep; }
    bool keepsScale() const { return keepScale_; }
    void click(std::string_view button);  // cmdRun
    // Opening a scenario: every input set with the change events held back, then the bars'
    // captions and the indicators as start-up sets them, and exactly one run. The age at first
    // litter keeps its floor of 1. Returns a notice when killed.txt's yearly counts differ from the
    // scenario's records (the run uses killed.txt's), also kept in notices(). Never writes a file.
    // The scenario becomes the opened one (from `file`), with no input modified; its analyses'
    // settings and report details, where it has them, are kept from now on.
    std::optional<std::string> openScenario(const Scenario& scenario, const std::filesystem::path& file = {});
    // The window as a scenario under `name`: every text as typed, every bar and check box, and
    // killed.txt's records (a Fault when it cannot be read or holds a bad record), and the analyses'
    // settings and the report's details that are kept.
    Scenario currentScenario(const std::string& name) const;

    // The scenario the window was last opened from or saved as; nullopt while it is untitled.
    const std::optional<OpenedScenario>& openedScenario() const { return openedScenario_; }
    // Whether an input has changed since start-up, the last opening or the last save.
    bool inputsModified() const { return inputsModified_; }
    // The window's inputs are now `scenario`'s (just saved as it, or an opening undone), with the
    // inputs modified since or not.
    void setOpenedScenario(std::optional<OpenedScenario> scenario, bool modified);
    // The planner's and the analyses' settings the session file keeps; the views read them when
    // they are made and write them back when the user changes one.
    const SessionSettings& keptSettings() const { return keptSettings_; }
    SessionSettings& keptSettings() { return keptSettings_; }
    // The first year every year axis shows (View > First year shown): 1950, or ten years before
    // the start of the programme of the last run (1950 without one).
    int firstYearShown() const;

    // Any other action of the user (a calibration, opening a scenario) as one window event: a
    // fault it raises is reported like a handler's, and listeners hear about the chart and the run
    // when it is over.
    void userEvent(const std::function<void()>& action) { asEvent(action); }

    // Whether an event could be made, checked before it is: a ControlError says why not (an
    // unknown control, one of another kind, a value outside a scroll bar's range or not 0 or 1 for a
    // check box). The events above make the same checks.
    void checkTyping(std::string_view textBox) const;
    void checkScrollValue(std::string_view scrollBar, int value) const;
    void checkCheckValue(std::string_view checkBox, int value) const;
    void checkClick(std::string_view button) const;

    // The window's state.
    const std::vector<Control>& controls() const { return controls_; }
    const Control& control(std::string_view name) const;  // ControlError for an unknown name
    const std::string& caption(std::string_view label) const;
    float pupsPerYearling() const { return pupsPerYearling_; }
    float firstYearSurvival() const { return firstYearSurvival_; }
    const std::vector<std::string>& faults() const { return faults_; }
    // Things the user should know that are not faults (a scenario whose culling records differ
    // from killed.txt), in order.
    const std::vector<std::string>& notices() const { return notices_; }
    // The last fault since the last run that drew its chart; empty when that run came after it.
    const std::string& currentFault() const { return currentFault_; }
    // The caption of the one input the current fault belongs to ("adult survival"); empty when it
    // belongs to no single input (a programme or cull that removes too many, killed.txt) or there is
    // none.
    const std::string& currentFaultField() const { return currentFaultField_; }
    // The fault that stopped the last run, and the caption of its input (as currentFaultField);
    // empty when the last run drew its chart or there has been none. While it is set the chart and
    // the last series are those of the run before, of other inputs.
    const std::string& runFault() const { return runFault_; }
    const std::string& runFaultField() const { return runFaultField_; }
    // The phrases currentFault() and runFault() were made from, when they were: the window shows
    // them in its language.
    const std::optional<Phrase>& currentFaultPhrase() const { return currentFaultPhrase_; }
    const std::optional<Phrase>& runFaultPhrase() const { return runFaultPhrase_; }
    // The series of the last run that finished its projection, before any log transform.
    const std::optional<RunSeries>& lastSeries() const { return lastSeries_; }
    // The coverage and rebound of the run lastSeries() comes from; set together with it.
    const std::optional<ProgrammeOutcome>& lastOutcome() const { return lastOutcome_; }
    // What the last run read of the window, typed (what the analyses run the model on); nullopt
    // before the first run and after a run that stopped before it had read every input.
    const std::optional<WindowInputs>& lastRunInputs() const { return lastRunInputs_; }
    const RecordingCanvas& canvas() const { return canvas_; }
    const std::filesystem::path& directory() const { return directory_; }
    void setListener(FormListener* listener) { listener_ = listener; }

    // A copy of this window, heard by no listener, that has pressed Run: the run of the inputs as
    // they are now, whatever this window's last run was (what a report shows beside them). Its
    // runFault() says whether that run stopped. Nothing is written to a file.
    Form1 copyAfterRun() const;

    // PanelControls: what the handlers see.
    std::string text(std::string_view textBox) const override;
    void setText(std::string_view textBox, std::string text) override;
    std::int16_t value(std::string_view scrollBar) const override;
    bool isChecked(std::string_view checkBox) const override;
    void setCaption(std::string_view label, std::string caption) override;
    void setPhraseCaption(std::string_view label, const Phrase& phrase) override;
    void setEnabled(std::string_view control, bool enabled) override;
    bool isEnabled(std::string_view control) const override { return this->control(control).enabled; }
    bool chartsStreetCoverage() const override { return streetCoverageCharted_; }
    std::optional<ChartScales> keptScales(bool logScale) const override;
    void scalesCharted(const ChartScales& scales) override { lastScales_ = scales; }
    bool formReady() const override { return formReady_; }
    Canvas& picPlot() override { return canvas_; }
    std::filesystem::path killedFilePath() const override { return directory_ / "killed.txt"; }
    void setPupsPerYearling(float value) override { pupsPerYearling_ = value; }
    void setFirstYearSurvival(float value) override { firstYearSurvival_ = value; }
    void projectionFinished(const ModelResult& run) override;
    void runInputsRead(const WindowInputs* read) override;
    void runCompleted() override;

private:
    Control& find(std::string_view name, ControlKind kind, ControlKind orKind);
    const Control& find(std::string_view name, ControlKind kind, ControlKind orKind) const;
    // Runs one handler as a window event: its fault is reported, never passed on.
    void asEvent(const std::function<void()>& handler);
    void report(const std::string& message, const std::string& field = {},
                const std::optional<Phrase>& phrase = std::nullopt);
    // Start-up and opening a scenario run the indicators and a run as one action: a fault that
    // several of them meet (an input they all read) is reported once.
    class OneAction {
    public:
        explicit OneAction(Form1& form) : form_(form) { form_.actionFaultsFrom_ = form_.faults_.size(); }
        ~OneAction() { form_.actionFaultsFrom_.reset(); }
        OneAction(const OneAction&) = delete;
        OneAction& operator=(const OneAction&) = delete;

    private:
        Form1& form_;
    };
    void changed(const Control& control);
    // An input has changed: the captions a run writes now tell of earlier inputs.
    void markRunCaptionsStale();
    // Applies the settings file; returns its problem, if any, already reported, and adds the
    // controls it set to `held`.
    std::optional<std::string> loadSettings(std::vector<std::string_view>& held);
    // Applies the session file to every input but the `held` ones, and keeps its settings.
    void loadSession(const std::vector<std::string_view>& held);
    // The window's inputs as a scenario: every text as typed, every bar and check box.
    Scenario inputsScenario(const std::string& name) const;
    // A text, bar or check box changed.
    void inputChanged(const Control& control);

    std::filesystem::path directory_;
    std::vector<Control> controls_;
    std::map<std::string, std::size_t, std::less<>> byName_;
    bool formReady_ = false;
    bool streetCoverageCharted_ = false;
    bool keepScale_ = false;
    std::optional<ChartScales> lastScales_;  // of the last run that drew its chart
    float pupsPerYearling_ = 0;
    float firstYearSurvival_ = 0;
    RecordingCanvas canvas_;
    unsigned long chartRevision_ = 0;
    std::optional<RunSeries> lastSeries_;
    std::optional<ProgrammeOutcome> lastOutcome_;
    std::optional<WindowInputs> lastRunInputs_;
    bool runEnded_ = false;
    std::vector<std::string> faults_;
    std::optional<std::size_t> actionFaultsFrom_;  // faults_'s index where the current action began
    std::vector<std::string> notices_;
    bool holdingChangeEvents_ = false;  // while a scenario is opened
    std::string currentFault_;
    std::string currentFaultField_;
    bool runUnfinished_ = false;  // a run has read the window and has not drawn its chart yet
    std::string runFault_;
    std::string runFaultField_;
    std::optional<Phrase> currentFaultPhrase_;
    std::optional<Phrase> runFaultPhrase_;
    FormListener* listener_ = nullptr;
    std::optional<OpenedScenario> openedScenario_;
    bool inputsModified_ = false;
    SessionSettings keptSettings_;
};

}  // namespace karnoth
