#include "gui/window/input_history.h"

#include "app/form1.h"
#include "gui/window/form_binding.h"
#include "render/input_help.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace karnoth::gui {
namespace {

// One step: the controls' settings before and after. A step made from a user's change is pushed
// after the change happened, so its first redo has nothing to do.
class ControlValuesStep : public QUndoCommand {
public:
    ControlValuesStep(InputHistory& history, const QString& name, std::vector<ControlValue> before,
                      std::vector<ControlValue> after, ControlApplier applier, bool alreadyApplied)
        : QUndoCommand(name),
          history_(history),
          before_(std::move(before)),
          after_(std::move(after)),
          applier_(std::move(applier)),
          skipRedo_(alreadyApplied)
    { }

    void undo() override
    {
        std::vector<ControlValue> reversed(before_.rbegin(), before_.rend());
        history_.restore(reversed, applier_);
    }

    void redo() override
    {
        if (skipRedo_) {
            skipRedo_ = false;
            return;
        }
        history_.restore(after_, applier_);
        if (!readBack_) return;
        // The first time, keep what the window made of the values (a floor, a refused text), and
        // drop the step when it changed nothing.
        readBack_ = false;
        std::vector<std::string> names;
        for (const ControlValue& value : before_) names.push_back(value.name);
        after_ = history_.current(names);
        setObsolete(after_ == before_);
    }

    void readBackAfterFirstRedo() { readBack_ = true; }

private:
    InputHistory& history_;
    std::vector<ControlValue> before_;
    std::vector<ControlValue> after_;
    ControlApplier applier_;
    bool skipRedo_;
    bool readBack_ = false;
};

}  // namespace

InputHistory::InputHistory(Form1& form, FormBinding& binding, QUndoStack& stack, QObject* parent)
    : QObject(parent), form_(form), binding_(binding), stack_(stack)
{
    connect(&binding_, &FormBinding::committed, this, &InputHistory::commit);
}

void InputHistory::takeBaselines()
{
    baselines_.clear();
    for (const Control& control : form_.controls())
        if (isInputKind(control.row->kind))
            baselines_.emplace(std::string(control.row->name), settingOf(form_, control.row->name));
}

std::vector<ControlValue> InputHistory::current(const std::vector<std::string>& names) const
{
    std::vector<ControlValue> values;
    for (const std::string& name : names) values.push_back({name, settingOf(form_, name)});
    return values;
}

void InputHistory::commit(const QString& qtName)
{
    const std::string name = qtName.toStdString();
    const auto baseline = baselines_.find(name);
    if (baseline == baselines_.end()) return;
    const ControlSetting now = settingOf(form_, name);
    if (now == baseline->second) return;
    ControlValue before{name, baseline->second};
    baseline->second = now;
    stack_.push(new ControlValuesStep(*this, tr("Change %1").arg(render::inputCaption(name)), {std::move(before)},
                                      {ControlValue{name, now}}, {}, true));
}

bool InputHistory::hasPendingEdits() const
{
    return std::any_of(baselines_.begin(), baselines_.end(), [this](const auto& entry) {
        return form_.control(entry.first).row->kind == ControlKind::TextBox &&
               settingOf(form_, entry.first) != entry.second;
    });
}

void InputHistory::commitPendingEdits()
{
    std::vector<std::string> pending;
    for (const auto& [name, setting] : baselines_)
        if (form_.control(name).row->kind == ControlKind::TextBox && settingOf(form_, name) != setting)
            pending.push_back(name);
    for (const std::string& name : pending) commit(QString::fromStdString(name));
}

void InputHistory::applyControlValues(const QString& stepName, const std::vector<ControlValue>& values,
                                      const ControlApplier& applier)
{
    for (const ControlValue& value : values) checkControlValue(form_, value);
    if (values.empty()) return;
    commitPendingEdits();
    std::vector<std::string> names;
    for (const ControlValue& value : values)
        if (std::find(names.begin(), names.end(), value.name) == names.end()) names.push_back(value.name);
    auto* step = new ControlValuesStep(*this, stepName, current(names), values, applier, false);
    step->readBackAfterFirstRedo();
    stack_.push(step);
}

void InputHistory::restore(const std::vector<ControlValue>& values, const ControlApplier& applier)
{
    if (applier)
        applier(values);
    else
        for (const ControlValue& value : values) binding_.apply(value);
    for (const ControlValue& value : values) baselines_[value.name] = settingOf(form_, value.name);
}

}  // namespace karnoth::gui
