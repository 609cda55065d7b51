#pragma once
// Scenarios and reports in the window. The File menu gains Open scenario (Ctrl+O), the scenarios
// opened or saved lately, Save scenario (Ctrl+S), Save scenario as and Export report; the Analysis
// menu gains Compare, which shows the Scenarios view.
//
// Opening a scenario checks the whole file first: a bad one is reported with the file and the field
// and changes nothing. Otherwise every input is set as ONE undoable step, with the change events
// held back and exactly one run (Form1::openScenario); the planner's target and costs come from the
// scenario when it keeps them (undo puts the earlier ones back), and a notice in the status bar
// says when killed.txt's records differ from the scenario's. Saving keeps the window's inputs (texts
// as typed), killed.txt's records, the name, the notes and the planner's target and costs; a
// killed.txt that cannot be read is reported and nothing is written.
//
// The report is drawn on a pool thread (the planner's grid is about 21,000 runs); the window stays
// usable meanwhile and a notice in the status bar, beside any fault, tells its progress and its end.

#include "gui/scenarios/recent_files.h"
#include "gui/widgets/background_job.h"
#include "gui/window/window_extension.h"

#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace karnoth::gui {

class FormWindow;
class ScenarioList;
class ScenariosView;

class ScenarioTools : public QObject, public WindowExtension {
    Q_OBJECT

public:
    explicit ScenarioTools(FormWindow& window);
    // File: open, open recent, save, save as; the report; Analysis: compare.
    QList<PlacedAction> actions() const override;

    ScenarioList& list() const { return *list_; }
    // The Scenarios view, made when first asked for.
    ScenariosView& scenariosView();
    RecentFiles& recentFiles() { return recent_; }

    // The scenario the window was last opened from or saved as (Form1::openedScenario): its file,
    // name and notes, each empty while the window is untitled.
    QString scenarioPath() const;
    QString scenarioName() const;
    QString scenarioNotes() const;

    // What the menu entries do, without their dialogs. Each returns false, with a reason in `error`
    // and the window unchanged, when it cannot be done.
    bool openScenarioFile(const QString& path, QString& error);
    bool saveScenarioFile(const QString& path, const QString& name, const QString& notes, QString& error);
    // Opens `path` as the menu entries do: the status bar names the scenario just opened, and a
    // message box says why when it cannot be opened.
    void openWithMessage(const QString& path);
    // Writes the report to `path` on a pool thread; reportWritten or reportFailed follows.
    void exportReport(const QString& path);
    bool isWritingReport() const { return reportJob_->isRunning(); }

public slots:
    void showScenariosView();

signals:
    void reportWritten(const QString& path);
    void reportFailed(const QString& message);

private:
    void createActions();
    void fillRecentMenu();
    void tell(const QString& message, int milliseconds = 15000);

    // The menu entries with their dialogs.
    void askToOpen();
    void save();
    void askToSaveAs();
    void askForReportDetails();
    void askToExportReport();

    FormWindow& window_;
    ScenarioList* list_ = nullptr;
    ScenariosView* view_ = nullptr;
    BackgroundJob* reportJob_ = nullptr;
    RecentFiles recent_;
    QMenu* recentMenu_ = nullptr;
    QList<PlacedAction> actions_;
};

}  // namespace karnoth::gui
