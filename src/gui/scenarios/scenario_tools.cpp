#include "gui/scenarios/scenario_tools.h"

#include "analysis/robust_planner.h"
#include "app/report_gathering.h"

#include "app/report_chance.h"
#include "app/scenario_file.h"
#include "app/session_file.h"
#include "gui/analyses/kept_uncertainty.h"
#include "gui/scenarios/report_details_dialog.h"
#include "gui/scenarios/scenario_details_dialog.h"
#include "gui/scenarios/scenario_list.h"
#include "gui/scenarios/scenarios_view.h"
#include "gui/window/form_binding.h"
#include "gui/window/form_window.h"
#include "gui/window/input_history.h"
#include "model/killed_file.h"
#include "render/report_content.h"
#include "render/translated_phrase.h"
#include "support/fault.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

#include <memory>

namespace karnoth::gui {
namespace {

// The plan that holds for `plan` at `confidence` with the uncertainty view's kept settings, or a
// plan saying why there is none; nothing when stopped.
std::optional<RobustPlan> heldPlan(const PlanRequest& plan, const WindowInputs& read, const UncertaintySettings& kept,
                                   int confidence, const BatchControl& control)
{
    RobustPlanRequest request{plan, std::nullopt, static_cast<double>(confidence)};
    std::optional<std::string> problem;
    if (drawsAnything(kept)) {
        std::variant<UncertaintyRequest, QString> uncertainty = uncertaintyRequestOf(kept, read);
        if (const QString* reason = std::get_if<QString>(&uncertainty))
            problem = reason->toStdString();
        else
            request.uncertainty = std::get<UncertaintyRequest>(std::move(uncertainty));
    }
    if (!problem) problem = robustPlanProblem(request);
    if (!problem) return makeRobustPlan(request, BatchRunner(), control);
    RobustPlan unmade;
    unmade.settings = plan.settings;
    unmade.confidence = confidence;
    unmade.fault = std::move(problem);
    return unmade;
}

constexpr int kNoticeMilliseconds = 30000;

// What the report's job hands back.
struct ReportOutcome {
    bool written = false;
    QString error;
};

std::vector<ControlValue> valuesOf(const Scenario& scenario)
{
    std::vector<ControlValue> values;
    for (const auto& [name, text] : scenario.texts) values.push_back(ControlValue::text(name, text));
    for (const auto& [name, value] : scenario.values) values.push_back(ControlValue::value(name, value));
    return values;
}

// The scenario whose inputs are `values`, under `name`, with `killed` as its culling records.
Scenario scenarioOf(const std::vector<ControlValue>& values, const std::string& name, std::vector<KilledRecord> killed)
{
    Scenario scenario;
    scenario.name = name;
    for (const ControlValue& value : values) {
        if (const auto* text = std::get_if<std::string>(&value.setting))
            scenario.texts[value.name] = *text;
        else
            scenario.values[value.name] = std::get<int>(value.setting);
    }
    scenario.killed = std::move(killed);
    return scenario;
}

// killed.txt's records now, as an undone opening compares them (none when it cannot be read: the
// run then reports the file's fault itself).
std::vector<KilledRecord> recordsOfKilledFile(const Form1& form)
{
    try {
        return readKilledRecordList(form.killedFilePath()).value_or(std::vector<KilledRecord>{});
    } catch (const Fault&) {
        return {};
    }
}

}  // namespace

ScenarioTools::ScenarioTools(FormWindow& window) : QObject(&window), window_(window)
{
    setObjectName(QStringLiteral("scenarioTools"));
    list_ = new ScenarioList(this);
    reportJob_ = new BackgroundJob(this);
    connect(reportJob_, &BackgroundJob::progressed, this, [this](std::size_t done, std::size_t total) {
        if (total > 0) window_.showNotice(tr("Writing the report: planning, %1 %").arg(done * 100 / total), 0);
    });
    connect(reportJob_, &BackgroundJob::failed, this, [this](const QString& message) {
        window_.showNotice(tr("The report could not be written: %1").arg(message), kNoticeMilliseconds);
        emit reportFailed(message);
    });
    createActions();
}

void ScenarioTools::createActions()
{
    const auto add = [&](MenuPlace place, const QString& text, auto slot, const QKeySequence& keys, const QString& tip,
                         const char* name) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        action->setStatusTip(tip);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        actions_.append({place, action});
    };
    add(MenuPlace::fileScenarios, tr("&Open scenario..."), &ScenarioTools::askToOpen, QKeySequence::Open,
        tr("Set every input from a scenario file: one step to undo."), "openScenarioAction");
    recentMenu_ = new QMenu(tr("Open &recent"), &window_);
    recentMenu_->setObjectName(QStringLiteral("recentScenariosMenu"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &ScenarioTools::fillRecentMenu);
    actions_.append({MenuPlace::fileScenarios, recentMenu_->menuAction()});
    add(MenuPlace::fileScenarios, tr("&Save scenario"), &ScenarioTools::save, QKeySequence::Save,
        tr("Keep every input, killed.txt's records and the planner's target in the scenario's file."),
        "saveScenarioAction");
    add(MenuPlace::fileScenarios, tr("Save scenario &as..."), &ScenarioTools::askToSaveAs, QKeySequence::SaveAs,
        tr("Keep the window's state in a new scenario file, with a name and notes."), "saveScenarioAsAction");
    add(MenuPlace::fileReport, tr("Report &details..."), &ScenarioTools::askForReportDetails, QKeySequence(),
        tr("The title, author, organisation and place that head the report; kept in scenarios."),
        "reportDetailsAction");
    add(MenuPlace::fileReport, tr("Export &report..."), &ScenarioTools::askToExportReport, QKeySequence(tr("Ctrl+R")),
        tr("A PDF for a meeting: inputs, sentences, chart, the planner's table and the comparison."),
        "exportReportAction");
    add(MenuPlace::analysis, tr("&Compare scenarios..."), &ScenarioTools::showScenariosView, QKeySequence(),
        tr("The window and kept scenarios side by side: a chart on common axes and a table."), "compareAction");
    fillRecentMenu();
}

QList<PlacedAction> ScenarioTools::actions() const
{
    return actions_;
}

void ScenarioTools::fillRecentMenu()
{
    recentMenu_->clear();
    const QStringList files = recent_.files();
    for (const QString& path : files) {
        QAction* action = recentMenu_->addAction(QFileInfo(path).fileName(), this,
                                                 [this, path] { openWithMessage(path); });
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
    }
    if (files.isEmpty())
        recentMenu_->addAction(tr("No scenarios yet"))->setEnabled(false);
    else {
        recentMenu_->addSeparator();
        recentMenu_->addAction(tr("&Clear the list"), this, [this] { recent_.clear(); });
    }
}

ScenariosView& ScenarioTools::scenariosView()
{
    if (!view_) view_ = new ScenariosView(window_, *list_, &window_);
    return *view_;
}

void ScenarioTools::showScenariosView()
{
    ScenariosView& view = scenariosView();
    view.show();
    view.raise();
    view.activateWindow();
}

void ScenarioTools::tell(const QString& message, int milliseconds)
{
    window_.statusBar()->showMessage(message, milliseconds);
}

QString ScenarioTools::scenarioPath() const
{
    const std::optional<OpenedScenario>& opened = window_.form().openedScenario();
    return opened ? QString::fromStdString(opened->file.string()) : QString();
}

QString ScenarioTools::scenarioName() const
{
    const std::optional<OpenedScenario>& opened = window_.form().openedScenario();
    return opened ? QString::fromStdString(opened->name) : QString();
}

QString ScenarioTools::scenarioNotes() const
{
    const std::optional<OpenedScenario>& opened = window_.form().openedScenario();
    return opened ? QString::fromStdString(opened->notes) : QString();
}

bool ScenarioTools::openScenarioFile(const QString& path, QString& error)
{
    Scenario scenario;
    try {
        scenario = readScenarioFile(path.toStdString());
    } catch (const Fault& fault) {
        error = render::translatedFault(fault.what(), fault.phrase());
        return false;
    }
    const std::optional<PlanSettings> before = window_.planSettings();
    const std::optional<OpenedScenario> openedBefore = window_.form().openedScenario();
    const bool modifiedBefore = window_.form().inputsModified();
    std::optional<PlanSettings> restored = before;
    if (scenario.planner)
        restored = planSettingsOf(*scenario.planner, before ? before->ownedShareStep : PlanSettings{}.ownedShareStep);
    // The analyses' settings and report details the scenario holds replace the window's; those it
    // lacks stay as they are.
    const SessionSettings keptBefore = window_.keptSettings();
    const SessionSettings keptOpened = withScenarioSettings(keptBefore, scenario);

    // The step is redone and undone in turn; the first call of the applier is the opening.
    auto opening = std::make_shared<bool>(false);
    const ControlApplier applier = [this, scenario, path, before, restored, keptBefore, keptOpened, openedBefore,
                                    modifiedBefore, opening](const std::vector<ControlValue>& values) {
        *opening = !*opening;
        const Form1& form = window_.form();
        Scenario applied = scenarioOf(values, scenario.name, *opening ? scenario.killed : recordsOfKilledFile(form));
        applied.notes = scenario.notes;
        const std::optional<std::string> notice = window_.binding().openScenario(applied, path.toStdString());
        // Undone, the window is again what it was before: its scenario, modified or not.
        if (!*opening) window_.setOpenedScenario(openedBefore, modifiedBefore);
        window_.refreshTitle();
        window_.setPlanSettings(*opening ? restored : before);
        window_.restoreAnalysisSettings(*opening ? keptOpened : keptBefore);
        if (notice) tell(QString::fromStdString(*notice), kNoticeMilliseconds);
    };
    window_.applyControlValues(tr("Open scenario %1").arg(QString::fromStdString(scenario.name)), valuesOf(scenario),
                               applier);
    recent_.add(path);
    return true;
}

bool ScenarioTools::saveScenarioFile(const QString& path, const QString& name, const QString& notes, QString& error)
{
    try {
        Scenario scenario = window_.form().currentScenario(name.trimmed().toStdString());
        scenario.notes = notes.toStdString();
        scenario.saved = currentUtcTime();
        if (window_.planSettings()) scenario.planner = plannerSettingsOf(*window_.planSettings());
        writeScenarioFile(path.toStdString(), scenario);
        window_.setOpenedScenario(OpenedScenario{scenario.name, scenario.notes, path.toStdString()}, false);
    } catch (const Fault& fault) {
        error = tr("The scenario was not saved: %1").arg(render::translatedFault(fault.what(), fault.phrase()));
        return false;
    }
    recent_.add(path);
    return true;
}

void ScenarioTools::exportReport(const QString& path)
{
    // The report shows its own run of the inputs as they are now; the plan and the target go by the
    // same inputs.
    const Form1 form = window_.form().copyAfterRun();
    std::vector<ListedScenario> listed = list_->entries();
    // The window's entry goes by the scenario's name and notes once it has them.
    if (const std::optional<OpenedScenario>& opened = window_.form().openedScenario())
        for (ListedScenario& entry : listed)
            if (entry.window) {
                entry.name = opened->name;
                entry.notes = opened->notes;
            }
    render::ReportRequest request;
    request.target = comparisonTarget(window_.planSettings(), form);
    if (view_) request.companion = view_->companion();
    request.details = window_.keptSettings().report.value_or(ReportDetails{});
    GatheredReport gathered = gatherReport(form, std::move(listed), request.target, form.firstYearShown());
    render::ReportContent content = render::reportContent(gathered.window, std::move(gathered.comparison), request);

    std::optional<PlanRequest> plan;
    std::string unplanned;
    const std::optional<WindowInputs>& read = form.lastRunInputs();
    // The uncertainty the user computed, repeated for the report's own inputs and target; so is the
    // plan that holds, with the uncertainty view's kept settings.
    std::optional<UncertaintyRequest> uncertainty;
    const std::optional<int> confidence = window_.computedConfidence();
    const UncertaintySettings kept = window_.keptSettings().uncertainty.value_or(UncertaintySettings{});
    if (read) {
        plan = PlanRequest{read->inputs, read->killedByYear, request.target};
        uncertainty = window_.computedUncertainty();
    } else
        unplanned = form.runFault().empty() ? std::string("the run of the window's inputs did not read every input")
                                            : form.runFault();
    const PlanSettings target = request.target;

    window_.showNotice(tr("Writing the report..."), 0);
    reportJob_->start<ReportOutcome>(
        [content, plan, unplanned, target, path, uncertainty, read, confidence,
         kept](std::stop_token stop, const JobProgress& progress) mutable {
            if (!plan)
                content.plan = unmadePlan(target, unplanned);
            else if (const std::optional<std::string> problem = planSettingsProblem(target))
                content.plan = unmadePlan(target, *problem);
            else {
                std::optional<Plan> made = makePlan(*plan, BatchRunner(), BatchControl{stop, progress});
                if (!made) return ReportOutcome{false, QString()};
                content.plan = std::move(*made);
            }
            if (confidence && plan && !content.plan->fault) {
                content.robust = heldPlan(*plan, *read, kept, *confidence, BatchControl{stop, progress});
                if (!content.robust) return ReportOutcome{false, QString()};
            }
            if (uncertainty && content.programme) {
                content.chance = chanceForReport(*uncertainty, *read, target, BatchRunner(),
                                                 BatchControl{stop, progress});
                if (!content.chance) return ReportOutcome{false, QString()};
            }
            ReportOutcome outcome;
            outcome.written = render::writeReport(path, content, outcome.error);
            return outcome;
        },
        [this, path](ReportOutcome outcome) {
            if (outcome.written) {
                window_.showNotice(tr("The report is in %1.").arg(QDir::toNativeSeparators(path)), kNoticeMilliseconds);
                emit reportWritten(path);
            } else {
                window_.showNotice(outcome.error, kNoticeMilliseconds);
                emit reportFailed(outcome.error);
            }
        });
}

void ScenarioTools::openWithMessage(const QString& path)
{
    QString error;
    // A message of an earlier opening or save would otherwise stay in place of this one's.
    window_.statusBar()->clearMessage();
    if (openScenarioFile(path, error)) {
        // The opening's own notice (killed.txt's records differ) goes first.
        if (window_.statusBar()->currentMessage().isEmpty())
            tell(tr("Opened scenario \"%1\" from %2.").arg(scenarioName(), QDir::toNativeSeparators(path)));
        return;
    }
    if (!QFileInfo::exists(path)) recent_.remove(path);
    tell(error);
    QMessageBox::warning(&window_, tr("Open scenario"), tr("The scenario was not opened.\n\n%1").arg(error));
}

void ScenarioTools::askToOpen()
{
    const QString path = QFileDialog::getOpenFileName(&window_, tr("Open scenario"),
                                                      QFileInfo(scenarioPath()).absolutePath(),
                                                      tr("Karnoth scenarios (*.karnoth);;All files (*)"));
    if (!path.isEmpty()) openWithMessage(path);
}

void ScenarioTools::save()
{
    const QString path = scenarioPath();
    if (path.isEmpty()) {
        askToSaveAs();
        return;
    }
    QString error;
    if (saveScenarioFile(path, scenarioName(), scenarioNotes(), error))
        tell(tr("Saved scenario \"%1\" in %2.").arg(scenarioName(), QDir::toNativeSeparators(path)));
    else {
        tell(error);
        QMessageBox::warning(&window_, tr("Save scenario"), error);
    }
}

void ScenarioTools::askToSaveAs()
{
    // The open scenario's own name and notes; an untitled window's are empty.
    ScenarioDetailsDialog details(tr("Save scenario"), scenarioName().isEmpty() ? tr("scenario") : scenarioName(),
                                  scenarioNotes(), &window_);
    if (details.exec() != QDialog::Accepted) return;
    const QString suggested =
        QDir(QFileInfo(scenarioPath()).absolutePath()).filePath(details.name() + QStringLiteral(".karnoth"));
    QString path = QFileDialog::getSaveFileName(&window_, tr("Save scenario as"), suggested,
                                                tr("Karnoth scenarios (*.karnoth);;All files (*)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".karnoth");
    QString error;
    if (saveScenarioFile(path, details.name(), details.notes(), error))
        tell(tr("Saved scenario \"%1\" in %2.").arg(scenarioName(), QDir::toNativeSeparators(path)));
    else {
        tell(error);
        QMessageBox::warning(&window_, tr("Save scenario"), error);
    }
}

void ScenarioTools::askForReportDetails()
{
    ReportDetailsDialog dialog(window_.keptSettings().report.value_or(ReportDetails{}), &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    window_.keptSettings().report = dialog.details();
}

void ScenarioTools::askToExportReport()
{
    const QString base = scenarioName().isEmpty() ? tr("karnoth-report") : scenarioName();
    QString path = QFileDialog::getSaveFileName(&window_, tr("Export report"),
                                                QDir(QFileInfo(scenarioPath()).absolutePath()).filePath(base + ".pdf"),
                                                tr("PDF documents (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    exportReport(path);
}

}  // namespace karnoth::gui
