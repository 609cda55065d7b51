#include "app/form1.h"

#include "catalogue/control_names.h"
#include "chart/year_axis.h"
#include "panel/change_handlers.h"
#include "panel/run_button.h"
#include "support/fault.h"

#include <algorithm>
#include <new>
#include <utility>

namespace karnoth {
namespace {

const char* kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label: return "label";
    case ControlKind::TextBox: return "text box";
    case ControlKind::CheckBox: return "check box";
    case ControlKind::CommandButton: return "command button";
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: return "scroll bar";
    case ControlKind::PictureBox: return "picture box";
    case ControlKind::Line: return "line";
    }
    return "control";
}

}  // namespace

Form1::Form1(std::filesystem::path directory) : directory_(std::move(directory))
{
    for (const LayoutRow& row : formLayout()) {
        byName_.emplace(std::string(row.name), controls_.size());
        controls_.push_back(Control{&row, std::string(row.text), row.value});
    }
}

const Control& Form1::control(std::string_view name) const
{
    const auto it = byName_.find(name);
    if (it == byName_.end()) throw ControlError("Form1 has no control named " + std::string(name));
    return controls_[it->second];
}

const Control& Form1::find(std::string_view name, ControlKind kind, ControlKind orKind) const
{
    const Control& found = control(name);
    if (found.row->kind != kind && found.row->kind != orKind)
        throw ControlError(std::string(name) + " is a " + kindName(found.row->kind) + ", not a " + kindName(kind));
    return found;
}

Control& Form1::find(std::string_view name, ControlKind kind, ControlKind orKind)
{
    return const_cast<Control&>(std::as_const(*this).find(name, kind, orKind));
}

const std::string& Form1::caption(std::string_view label) const
{
    return find(label, ControlKind::Label, ControlKind::Label).text;
}

std::string Form1::text(std::string_view textBox) const
{
    return find(textBox, ControlKind::TextBox, ControlKind::TextBox).text;
}

std::int16_t Form1::value(std::string_view scrollBar) const
{
    return static_cast<std::int16_t>(find(scrollBar, ControlKind::HScrollBar, ControlKind::VScrollBar).value);
}

bool Form1::isChecked(std::string_view checkBox) const
{
    return find(checkBox, ControlKind::CheckBox, ControlKind::CheckBox).value == 1;
}

void Form1::setCaption(std::string_view label, std::string caption)
{
    Control& target = find(label, ControlKind::Label, ControlKind::Label);
    if (target.text == caption && !target.stale && !target.phrase) return;
    target.text = std::move(caption);
    target.phrase.reset();
    target.stale = false;  // written now, from the inputs as they are
    changed(target);
}

void Form1::setPhraseCaption(std::string_view label, const Phrase& phrase)
{
    Control& target = find(label, ControlKind::Label, ControlKind::Label);
    std::string caption = phrase.text();
    if (target.text == caption && !target.stale && target.phrase == phrase) return;
    target.text = std::move(caption);
    target.phrase = phrase;
    target.stale = false;
    changed(target);
}

void Form1::setEnabled(std::string_view name, bool enabled)
{
    Control& target = const_cast<Control&>(control(name));
    if (target.enabled == enabled) return;
    target.enabled = enabled;
    changed(target);
}

void Form1::setStreetCoverageCharted(bool charted)
{
    if (streetCoverageCharted_ == charted) return;
    streetCoverageCharted_ = charted;
    if (formReady_) asEvent([this] { cmdRun_Click(*this); });
}

std::optional<ChartScales> Form1::keptScales(bool logScale) const
{
    if (!keepScale_ || !lastScales_ || lastScales_->logScale != logScale) return std::nullopt;
    return lastScales_;
}

void Form1::markRunCaptionsStale()
{
    for (const std::string_view label : kRunCaptions) {
        Control& caption = find(label, ControlKind::Label, ControlKind::Label);
        if (caption.stale) continue;
        caption.stale = true;
        changed(caption);
    }
}

void Form1::setText(std::string_view textBox, std::string text)
{
    Control& box = find(textBox, ControlKind::TextBox, ControlKind::TextBox);
    if (box.text == text) return;  // no change, no notification
    box.text = std::move(text);
    inputChanged(box);
    if (!holdingChangeEvents_) asEvent([this, textBox] { raiseChange(*this, textBox); });
}

void Form1::typeText(std::string_view textBox, std::string text)
{
    setText(textBox, std::move(text));
}

void Form1::checkTyping(std::string_view textBox) const
{
    find(textBox, ControlKind::TextBox, ControlKind::TextBox);
}

void Form1::checkScrollValue(std::string_view scrollBar, int value) const
{
    const Control& bar = find(scrollBar, ControlKind::HScrollBar, ControlKind::VScrollBar);
    const ScrollRange& range = *bar.row->range;
    if (value < range.lowest() || value > range.highest())
        throw ControlError(std::string(scrollBar) + " takes values from " + std::to_string(range.lowest()) + " to " +
                           std::to_string(range.highest()) + ", not " + std::to_string(value));
}

void Form1::checkCheckValue(std::string_view checkBox, int value) const
{
    find(checkBox, ControlKind::CheckBox, ControlKind::CheckBox);
    if (value != 0 && value != 1)
        throw ControlError(std::string(checkBox) + " takes 0 (unchecked) or 1 (checked), not " + std::to_string(value));
}

void Form1::checkClick(std::string_view button) const
{
    find(button, ControlKind::CommandButton, ControlKind::CommandButton);
}

void Form1::setScrollValue(std::string_view scrollBar, int value)
{
    checkScrollValue(scrollBar, value);
    Control& bar = find(scrollBar, ControlKind::HScrollBar, ControlKind::VScrollBar);
    if (bar.value == value) return;
    bar.value = value;
    inputChanged(bar);
    if (!holdingChangeEvents_) asEvent([this, scrollBar] { raiseChange(*this, scrollBar); });
}

void Form1::setCheckValue(std::string_view checkBox, int value)
{
    checkCheckValue(checkBox, value);
    Control& box = find(checkBox, ControlKind::CheckBox, ControlKind::CheckBox);
    if (box.value == value) return;
    box.value = value;
    inputChanged(box);
}

void Form1::click(std::string_view button)
{
    checkClick(button);
    asEvent([this, button] { raiseClick(*this, button); });
}

void Form1::projectionFinished(const ModelResult& run)
{
    lastSeries_ = run.series;
    lastOutcome_ = ProgrammeOutcome::of(run);
}

void Form1::runInputsRead(const WindowInputs* read)
{
    if (read)
        lastRunInputs_ = *read;
    else
        lastRunInputs_.reset();
    runEnded_ = true;  // told when the event is over, after the chart
    runUnfinished_ = true;
}

void Form1::runCompleted()
{
    runUnfinished_ = false;
    runFault_.clear();
    runFaultField_.clear();
    runFaultPhrase_.reset();
    currentFault_.clear();
    currentFaultField_.clear();
    currentFaultPhrase_.reset();
    if (listener_) listener_->runCompleted();
}

void Form1::asEvent(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const Fault& fault) {
        report(fault.what(), fault.field(), fault.phrase());
    } catch (const std::bad_alloc&) {
        report("out of memory: the handler was stopped");
    } catch (const ControlError&) {
        throw;  // a caller's mistake, for the caller
    } catch (const std::exception& error) {
        // Nothing in the handlers should get here; if it does, the window still must not close.
        report(std::string("internal error, the handler was stopped: ") + error.what());
    }
    if (listener_ && canvas_.revision() != chartRevision_) {
        chartRevision_ = canvas_.revision();
        listener_->chartChanged();
    }
    if (runEnded_) {
        runEnded_ = false;
        if (listener_) listener_->runEnded();
    }
}

void Form1::report(const std::string& message, const std::string& field, const std::optional<Phrase>& phrase)
{
    if (actionFaultsFrom_ && std::find(faults_.begin() + static_cast<std::ptrdiff_t>(*actionFaultsFrom_), faults_.end(),
                                       message) != faults_.end())
        return;
    faults_.push_back(message);
    currentFault_ = message;
    currentFaultField_ = field;
    currentFaultPhrase_ = phrase;
    if (runUnfinished_) {  // the fault stopped the run
        runUnfinished_ = false;
        runFault_ = message;
        runFaultField_ = field;
        runFaultPhrase_ = phrase;
    }
    if (listener_) listener_->faultReported(message);
}

int Form1::firstYearShown() const
{
    if (keptSettings_.firstYearShown != FirstYearShown::TenYearsBeforeStart || !lastRunInputs_) return kFirstYear;
    return tenYearsBeforeStart(lastRunInputs_->inputs.programmeStart);
}

Form1 Form1::copyAfterRun() const
{
    Form1 copy(*this);
    copy.listener_ = nullptr;
    copy.click(control::cmdRun);
    return copy;
}

void Form1::changed(const Control& control)
{
    if (listener_) listener_->controlChanged(control);
}

void Form1::inputChanged(const Control& control)
{
    inputsModified_ = true;
    changed(control);
    markRunCaptionsStale();
}

void Form1::setOpenedScenario(std::optional<OpenedScenario> scenario, bool modified)
{
    openedScenario_ = std::move(scenario);
    inputsModified_ = modified;
}

}  // namespace karnoth
