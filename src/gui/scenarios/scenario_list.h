#pragma once
// The scenarios the Scenarios view compares and the report lists: the window itself ("current",
// always there, live) and up to seven others, opened from files or the window's state kept under a
// name. The user renames, removes and reorders them; the window's entry can be moved, not renamed
// or removed.

#include "app/comparison_rows.h"
#include "render/scenario_overlay.h"

#include <QObject>
#include <QString>

#include <vector>

namespace karnoth::gui {

class ScenarioList : public QObject {
    Q_OBJECT

public:
    // As many as the overlay has styles, the window's entry included.
    static constexpr int kMostEntries = render::kOverlayStyleCount;

    explicit ScenarioList(QObject* parent = nullptr);

    const std::vector<ListedScenario>& entries() const { return entries_; }
    int size() const { return static_cast<int>(entries_.size()); }
    bool isFull() const { return size() >= kMostEntries; }
    // The position of the window's entry.
    int windowIndex() const;

    // Each returns false, changing nothing, when it cannot be done: a full list, a position out of
    // range, the window's entry renamed or removed, an empty name.
    bool add(ListedScenario scenario);
    bool rename(int index, const QString& name);
    bool remove(int index);
    bool move(int index, int to);

signals:
    void changed();

private:
    std::vector<ListedScenario> entries_;
};

}  // namespace karnoth::gui
