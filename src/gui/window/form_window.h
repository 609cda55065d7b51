#pragma once
// The window Form1: a main window with a menu bar (File, Edit, View, Analysis, Help), the layout's
// box diagram in a scroll area, the chart below it taking every extra pixel, and a status bar with
// the current fault. It owns the window model and starts it up when it is made; closing the window
// runs the model's shutdown. All behaviour is the model's; this only adapts it, and adds around it:
// a spin box beside each bar, a red frame on the input at fault, a sign on Run and the chart when
// they show a run of other inputs (inputs changed since, or the last run stopped), a pale mark on
// the captions a run writes while they tell of earlier inputs, undo and redo of every input change,
// and help. Its title is "Karnoth" and the open scenario's name (or "untitled"), marked while an
// input has changed since start-up, the last opening or the last save.

#include "analysis/planner.h"
#include "analysis/uncertainty.h"
#include "app/form1.h"
#include "gui/widgets/caption_label.h"
#include "gui/window/control_value.h"
#include "gui/window/input_history.h"

#include <QMainWindow>

#include <filesystem>
#include <optional>
#include <vector>

class QMenu;
class QTimer;
class QUndoStack;

namespace karnoth::gui {

class BarValueBox;
class ChartView;
class DiagramScrollArea;
class DiagramSurface;
class FaultFrame;
class FormBinding;
class HelpDialog;
class WindowExtension;

class FormWindow : public QMainWindow {
    Q_OBJECT

public:
    // Starts the model up in `directory` (where "karnoth.ini" and "killed.txt" live).
    explicit FormWindow(std::filesystem::path directory = ".", QWidget* parent = nullptr);
    ~FormWindow() override;

    const Form1& form() const { return form_; }
    FormBinding& binding() const { return *binding_; }
    ChartView& chart() const { return *chart_; }
    DiagramSurface& surface() const { return *surface_; }
    DiagramScrollArea& diagramArea() const { return *diagramArea_; }
    // The status bar's message: the current fault, whole in its tool tip.
    QLabel& faultLine() const { return *faultLine_; }
    // The widget of a control by its layout name ("txtAdultSurv", "Label1(8)"); nullptr if none.
    QWidget* controlWidget(const QString& name) const;
    // The spin box beside the scroll bar `bar`; nullptr for any other name.
    BarValueBox* valueBox(const QString& bar) const;
    // The input framed in red for the current fault, nullptr when none is.
    QWidget* faultFrameTarget() const;
    // Run is marked: an input changed since the last run, or the last run stopped, so the chart
    // shows a run of other inputs than the window's.
    bool resultsStale() const { return inputsChanged_ || !form_.runFault().empty(); }
    // A notice beside the fault in the status bar, for `milliseconds` (0: until the next one); it
    // never hides the fault as a status message would.
    void showNotice(const QString& message, int milliseconds);
    CaptionLabel& noticeLine() const { return *noticeLine_; }

    // The window's size when the diagram and the chart both have their layout size.
    QSize layoutSize() const;
    // Opens where the user left the window last (within the screen), and keeps following it; a
    // screenshot, which renders at a size of its own, never calls this.
    void restorePlace();

    QUndoStack& undoStack() const { return *undoStack_; }
    InputHistory& history() const { return *history_; }
    // Sets several inputs as ONE undoable step, each as an ordinary change event (see InputHistory).
    void applyControlValues(const QString& stepName, const std::vector<ControlValue>& values,
                            const ControlApplier& applier = {});

    // The planner's target and costs, shared by the planner, the comparison of scenarios and the
    // report; nullopt until the user sets them, and then defaultPlanSettings of the start year
    // holds (ten years after the start, 50 %, costs 1 and 1).
    const std::optional<PlanSettings>& planSettings() const { return planSettings_; }
    void setPlanSettings(const std::optional<PlanSettings>& settings);
    PlanSettings planSettingsFor(int programmeStart) const;
    // The planner's confidence for plans that hold, as the user set it: per cent
    // (kLeastConfidence..kMostConfidence), or kConfidenceOff; nullopt until the user sets it, and
    // then the planner's default holds (PlannerWindow::confidence). Kept in the session and in
    // scenarios.
    static constexpr int kConfidenceOff = karnoth::kConfidenceOff;
    const std::optional<int>& chosenConfidence() const { return form_.keptSettings().confidence; }
    void setChosenConfidence(std::optional<int> confidence);
    // Keeps the uncertainty view's settings for the session and the planner, and says so.
    void keepUncertaintySettings(const UncertaintySettings& settings);

    // The window is now `scenario`'s (saved as it, or an opening undone), modified since or not; the
    // title follows.
    void setOpenedScenario(std::optional<OpenedScenario> scenario, bool modified);
    // The analyses' settings the window keeps across restarts (karnoth-session.json).
    SessionSettings& keptSettings() { return form_.keptSettings(); }
    // Replaces the analyses' kept settings and the report details with `kept`'s (a scenario opened,
    // or its opening undone); the open views take them at once.
    void restoreAnalysisSettings(const SessionSettings& kept);
    // The uncertainty the user last computed (its ranges, chance, replicates, seed and anchor),
    // which the report repeats for its own inputs; none until one is computed, and none again while
    // the view has nothing to compute or refuses its settings.
    const std::optional<UncertaintyRequest>& computedUncertainty() const { return computedUncertainty_; }
    void setComputedUncertainty(std::optional<UncertaintyRequest> request)
    {
        computedUncertainty_ = std::move(request);
    }

    // The confidence of the plan that holds the planner last showed, which the report repeats for
    // its own inputs with the uncertainty view's kept settings; none while the planner shows none.
    const std::optional<int>& computedConfidence() const { return computedConfidence_; }
    void setComputedConfidence(std::optional<int> confidence) { computedConfidence_ = confidence; }

    QMenu* fileMenu() const { return fileMenu_; }
    // Where the analyses' views add their actions.
    QMenu* analysisMenu() const { return analysisMenu_; }

signals:
    void planSettingsChanged();
    void chosenConfidenceChanged();
    void uncertaintySettingsChanged();
    // The analyses' kept settings were replaced: an open view shows them.
    void analysisSettingsRestored();
    // View > First year shown changed: every year axis redraws from Form1::firstYearShown().
    void firstYearShownChanged();
    // The window is closing and writes its session next: a view puts its settings back now.
    void closing();

public slots:
    void showModelHelp();
    // "Karnoth" and the open scenario's name, with the modified mark.
    void refreshTitle();
    void undo();
    void redo();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildCentralArea();
    void buildControls();
    void buildValueBoxes();
    void buildStatusBar();
    // Every menu, with the extensions' actions in their places.
    void createMenus(const std::vector<WindowExtension*>& extensions);
    void setTabOrder();
    void connectSignals();
    void showMessage(const QString& message);
    void showCurrentFault();
    void setInputsChanged(bool changed);
    void refreshUndoActions();
    // Keeps the whole window, frame included, on the screen it opens on.
    void fitIntoScreen();
    void addFirstYearMenu(QMenu& view);

    Form1 form_;
    FormBinding* binding_ = nullptr;
    DiagramSurface* surface_ = nullptr;
    DiagramScrollArea* diagramArea_ = nullptr;
    QWidget* chartHolder_ = nullptr;
    ChartView* chart_ = nullptr;
    CaptionLabel* faultLine_ = nullptr;
    CaptionLabel* noticeLine_ = nullptr;
    QTimer* noticeTimer_ = nullptr;
    FaultFrame* faultFrame_ = nullptr;
    QUndoStack* undoStack_ = nullptr;
    std::optional<PlanSettings> planSettings_;
    std::optional<int> computedConfidence_;
    std::optional<UncertaintyRequest> computedUncertainty_;
    InputHistory* history_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* analysisMenu_ = nullptr;
    HelpDialog* help_ = nullptr;
    // The revision of the chart the last completed run drew.
    unsigned long completedChartRevision_ = 0;
    bool inputsChanged_ = false;
    bool unloaded_ = false;
    bool fitted_ = false;
};

}  // namespace karnoth::gui
