#include "gui/scenarios/scenario_list.h"

#include <algorithm>

namespace karnoth::gui {

ScenarioList::ScenarioList(QObject* parent) : QObject(parent)
{
    entries_.push_back(ListedScenario::ofWindow("current"));
}

int ScenarioList::windowIndex() const
{
    const auto window = std::find_if(entries_.begin(), entries_.end(), [](const auto& entry) { return entry.window; });
    return static_cast<int>(window - entries_.begin());
}

bool ScenarioList::add(ListedScenario scenario)
{
    if (isFull() || scenario.window) return false;
    entries_.push_back(std::move(scenario));
    emit changed();
    return true;
}

bool ScenarioList::rename(int index, const QString& name)
{
    const QString trimmed = name.trimmed();
    if (index < 0 || index >= size() || entries_[static_cast<std::size_t>(index)].window || trimmed.isEmpty())
        return false;
    ListedScenario& entry = entries_[static_cast<std::size_t>(index)];
    entry.name = trimmed.toStdString();
    if (entry.stored) entry.stored->name = entry.name;
    emit changed();
    return true;
}

bool ScenarioList::remove(int index)
{
    if (index < 0 || index >= size() || entries_[static_cast<std::size_t>(index)].window) return false;
    entries_.erase(entries_.begin() + index);
    emit changed();
    return true;
}

bool ScenarioList::move(int index, int to)
{
    if (index < 0 || index >= size() || to < 0 || to >= size() || index == to) return false;
    ListedScenario entry = std::move(entries_[static_cast<std::size_t>(index)]);
    entries_.erase(entries_.begin() + index);
    entries_.insert(entries_.begin() + to, std::move(entry));
    emit changed();
    return true;
}

}  // namespace karnoth::gui
