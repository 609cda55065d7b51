#include "gui/planner/planner_window.h"

#include "analysis/plan_csv.h"
#include "app/form1.h"
#include "catalogue/control_names.h"
#include "gui/analyses/kept_uncertainty.h"
#include "gui/planner/calibration_box.h"
#include "gui/planner/plan_heat_map_view.h"
#include "gui/planner/plan_settings_box.h"
#include "gui/planner/plan_table.h"
#include "gui/planner/plan_texts.h"
#include "gui/planner/robust_heat_map_view.h"
#include "gui/widgets/background_job.h"
#include "gui/widgets/drawing_export.h"
#include "gui/widgets/own_window.h"
#include "gui/widgets/remembered_place.h"
#include "gui/widgets/screen_fit.h"
#include "gui/window/control_value.h"
#include "gui/window/form_binding.h"
#include "gui/window/form_window.h"
#include "panel/capacity_compensation.h"
#include "render/translated_phrase.h"
#include "support/fault.h"
#include "support/numeric_text.h"
#include "support/text_file.h"

#include <QAction>
#include <QDate>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <variant>

namespace karnoth::gui {
namespace {

const QSize kSmallestExport(640, 420);  // pixels: the heat map's texts and marks stay readable

// The plan request for a run's inputs. Every cell replaces the programme rate and owned share,
// and the baseline is the run at rate 0, so two runs that differ only in those two make the same
// plan: both are set to 0 here, and such requests compare equal.
PlanRequest requestFor(const WindowInputs& run, const PlanSettings& settings)
{
    PlanRequest request{run.inputs, run.killedByYear, settings};
    request.inputs.programmeRate = kLowestProgrammeRate;
    request.inputs.ownedShare = 0;
    return request;
}

bool sameRequest(const PlanRequest& a, const PlanRequest& b)
{
    return a.inputs == b.inputs && a.settings == b.settings && a.killedByYear.values() == b.killedByYear.values();
}

// The confidence until the user sets one, while the uncertainty settings draw anything, per cent.
constexpr int kDefaultConfidence = 90;

std::string controlName(std::string_view name)
{
    return std::string(name);
}

// Writes the plan on show as CSV, replacing the file whole; false with the reason otherwise.
bool saveCsv(const std::shared_ptr<const Plan>& plan, std::string (*csvOf)(const Plan&), const QString& path,
             QString& error)
{
    if (!plan) {
        error = PlannerWindow::tr("There is no plan to export yet.");
        return false;
    }
    try {
        replaceWholeFile(path.toStdString(), csvOf(*plan), path.toStdString());
    } catch (const Fault& fault) {
        error = render::translatedFault(fault.what(), fault.phrase());
        return false;
    }
    return true;
}

}  // namespace

PlannerActions::PlannerActions(FormWindow& window) : QObject(&window)
{
    planner_ = new QAction(tr("&Planner..."), this);
    connect(planner_, &QAction::triggered, &window, [&window] { PlannerWindow::of(window).open(); });
    planner_->setObjectName(QStringLiteral("plannerAction"));
    planner_->setShortcut(QKeySequence(tr("Ctrl+Shift+P")));
    planner_->setStatusTip(tr("Which programme rate and owned share reach a target, and at what cost."));
    match_ = new QAction(tr("&Match a count..."), this);
    connect(match_, &QAction::triggered, &window, [&window] {
        PlannerWindow& planner = PlannerWindow::of(window);
        planner.open();
        planner.calibrationBox().countBox().setFocus();
        planner.calibrationBox().countBox().selectAll();
    });
    match_->setObjectName(QStringLiteral("matchCountAction"));
    match_->setStatusTip(tr("Set the number abandoned per year so that the street total matches a survey's count."));
}

QList<PlacedAction> PlannerActions::actions() const
{
    return {{MenuPlace::analysis, planner_}, {MenuPlace::analysis, match_}};
}

PlannerWindow& PlannerWindow::of(FormWindow& window)
{
    if (auto* planner = window.findChild<PlannerWindow*>(QString(), Qt::FindDirectChildrenOnly)) return *planner;
    return *new PlannerWindow(window);
}

PlannerWindow::PlannerWindow(FormWindow& window)
    : QWidget(&window, Qt::Window), window_(window), runner_(std::make_shared<const BatchRunner>())
{
    setObjectName(QStringLiteral("plannerWindow"));
    makeOwnWindow(*this);
    setWindowTitle(tr("Karnoth \u2014 Planner"));
    planJob_ = new BackgroundJob(this);
    robustJob_ = new BackgroundJob(this);
    calibrationJob_ = new BackgroundJob(this);

    settingsBox_ = new PlanSettingsBox;
    calibrationBox_ = new CalibrationBox;
    auto* inputs = new QVBoxLayout;
    inputs->addWidget(settingsBox_);
    inputs->addWidget(calibrationBox_);
    inputs->addStretch(1);

    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("planSummary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    heatMap_ = new PlanHeatMapView;
    heatMap_->setObjectName(QStringLiteral("planHeatMap"));
    details_ = new QLabel;
    details_->setObjectName(QStringLiteral("cellDetails"));
    details_->setWordWrap(true);
    details_->setMinimumHeight(2 * fontMetrics().lineSpacing());
    details_->setToolTip(tr("The figures of the cell under the pointer."));
    table_ = new PlanTable;
    table_->setObjectName(QStringLiteral("planTable"));
    robustMap_ = new RobustHeatMapView;
    robustMap_->setObjectName(QStringLiteral("robustHeatMap"));
    maps_ = new QTabWidget;
    maps_->setObjectName(QStringLiteral("planMaps"));
    maps_->addTab(heatMap_, tr("Street tota&l"));
    maps_->addTab(robustMap_, tr("Pro&bability"));
    maps_->setTabToolTip(1, tr("The share of the uncertainty settings' replicates that meet the target at each "
                               "rate and share; set a confidence to compute it."));
    auto* mapPane = new QWidget;
    auto* mapLayout = new QVBoxLayout(mapPane);
    mapLayout->setContentsMargins(0, 0, 0, 0);
    mapLayout->addWidget(maps_, 1);
    mapLayout->addWidget(details_);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(mapPane);
    splitter->addWidget(table_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("planProgress"));
    progress_->setFormat(tr("computing the grid: %p %"));
    progress_->setVisible(false);
    robustProgress_ = new QProgressBar;
    robustProgress_->setObjectName(QStringLiteral("robustProgress"));
    robustProgress_->setFormat(tr("computing the probabilities: %p %"));
    robustProgress_->setVisible(false);
    auto* results = new QVBoxLayout;
    results->addWidget(summary_);
    results->addWidget(splitter, 1);
    results->addWidget(progress_);
    results->addWidget(robustProgress_);

    auto* body = new QHBoxLayout;
    body->addLayout(inputs);
    body->addLayout(results, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    auto* exportButton = new QPushButton(tr("&Export"));
    exportButton->setObjectName(QStringLiteral("planExport"));
    buildExportButton(exportButton);
    buttons->addButton(exportButton, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);
    openWithinScreen(*this, QSize(1080, 760));
    rememberPlace(*this, "planner", window_.keptSettings().windows);

    const FormBinding& binding = window_.binding();
    connect(&binding, &FormBinding::runOver, this, [this] {
        if (calibrationJob_->isRunning())
            stopCalibration(tr("The inputs changed before a match was found; press "
                               "Match again."));
        refresh();
    });
    connect(&binding, &FormBinding::controlUpdated, this, [this](const QString& name) {
        if (name == QLatin1String(control::hscSterilise) || name == QLatin1String(control::vscTarget) ||
            name == QLatin1String(control::txtOperations))
            updateMark();
    });
    connect(&window_, &FormWindow::planSettingsChanged, this, &PlannerWindow::refresh);
    connect(settingsBox_, &PlanSettingsBox::edited, this,
            [this](const PlanSettings& settings) { window_.setPlanSettings(settings); });
    connect(settingsBox_, &PlanSettingsBox::defaultsRequested, this, [this] { window_.setPlanSettings(std::nullopt); });
    connect(settingsBox_, &PlanSettingsBox::confidenceEdited, this, [this](std::optional<int> confidence) {
        window_.setChosenConfidence(confidence.value_or(FormWindow::kConfidenceOff));
        // Turning it on is asking to see the probabilities.
        maps_->setCurrentIndex(confidence ? 1 : 0);
    });
    connect(&window_, &FormWindow::chosenConfidenceChanged, this, &PlannerWindow::refresh);
    connect(&window_, &FormWindow::uncertaintySettingsChanged, this, &PlannerWindow::refresh);
    connect(robustMap_, &RobustHeatMapView::cellClicked, this, &PlannerWindow::chooseCell);
    connect(robustMap_, &RobustHeatMapView::hovered, this, [this](const QString& text) {
        details_->setText(QString(text).replace(QLatin1Char('\n'), QStringLiteral("; ")));
    });
    connect(robustJob_, &BackgroundJob::progressed, this, [this](std::size_t done, std::size_t total) {
        robustProgress_->setRange(0, 1000);
        robustProgress_->setValue(total == 0 ? 0 : static_cast<int>(1000.0 * static_cast<double>(done) / total));
    });
    connect(robustJob_, &BackgroundJob::finished, this, &PlannerWindow::robustComputationEnded);
    connect(robustJob_, &BackgroundJob::failed, this, [this](const QString& message) {
        robustComputationEnded();
        // The next change tries again.
        const std::optional<RobustKey> asked = std::exchange(robustRequested_, std::nullopt);
        showUnmadeRobustPlan(asked ? asked->plan.settings : PlanSettings{},
                             asked ? asked->confidence : kDefaultConfidence, message);
    });
    connect(heatMap_, &PlanHeatMapView::cellClicked, this, &PlannerWindow::chooseCell);
    connect(table_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        // A row stands for its share at its minimal rate; a share that never meets the target has none.
        if (!plan_ || index.row() < 0 || static_cast<std::size_t>(index.row()) >= plan_->rows.size()) return;
        const PlanRow& row = plan_->rows[static_cast<std::size_t>(index.row())];
        if (row.minimalRate) chooseCell(row.ownedShare, *row.minimalRate);
    });
    connect(heatMap_, &PlanHeatMapView::hovered, this, [this](const QString& text) {
        details_->setText(QString(text).replace(QLatin1Char('\n'), QStringLiteral("; ")));
    });
    connect(calibrationBox_, &CalibrationBox::matchRequested, this, &PlannerWindow::matchSurveyCount);
    connect(planJob_, &BackgroundJob::progressed, this, [this](std::size_t done, std::size_t total) {
        progress_->setRange(0, 1000);
        progress_->setValue(total == 0 ? 0 : static_cast<int>(1000.0 * static_cast<double>(done) / total));
    });
    connect(planJob_, &BackgroundJob::finished, this, &PlannerWindow::computationEnded);
    connect(planJob_, &BackgroundJob::failed, this, [this](const QString& message) {
        computationEnded();
        const PlanSettings settings = requested_ ? requested_->settings : PlanSettings{};
        requested_.reset();  // the next change tries again
        showUnmadePlan(settings, message);
    });
    connect(calibrationJob_, &BackgroundJob::failed, this,
            [this](const QString& message) { stopCalibration(tr("No match: %1").arg(message)); });

    updateMark();
    showSettings();
}

void PlannerWindow::buildExportButton(QPushButton* button)
{
    auto* menu = new QMenu(button);
    menu->addAction(tr("Heat map as &PNG..."), this, [this] {
        askAndSave(tr("Export heat map as PNG"), tr("PNG images (*.png)"), QStringLiteral(".png"),
                   &PlannerWindow::saveHeatMapPng);
    });
    menu->addAction(tr("Heat map as &SVG..."), this, [this] {
        askAndSave(tr("Export heat map as SVG"), tr("SVG drawings (*.svg)"), QStringLiteral(".svg"),
                   &PlannerWindow::saveHeatMapSvg);
    });
    menu->addAction(tr("&Table as CSV..."), this, [this] {
        askAndSave(tr("Export table as CSV"), tr("CSV files (*.csv)"), QStringLiteral(".csv"),
                   &PlannerWindow::saveTableCsv);
    });
    menu->addAction(tr("&Grid as CSV..."), this, [this] {
        askAndSave(tr("Export every cell as CSV"), tr("CSV files (*.csv)"), QStringLiteral(".csv"),
                   &PlannerWindow::saveGridCsv);
    });
    button->setMenu(menu);
    button->setToolTip(tr("Save the heat map as a picture, or the table or every cell of the grid as CSV (the "
                          "columns of karnoth-cli's plan)."));
}

void PlannerWindow::open()
{
    show();
    raise();
    activateWindow();
}

bool PlannerWindow::isComputing() const
{
    return planJob_->isRunning();
}

bool PlannerWindow::isComputingRobust() const
{
    return robustJob_->isRunning();
}

std::optional<int> PlannerWindow::confidence() const
{
    if (const std::optional<int>& chosen = window_.chosenConfidence())
        return *chosen == FormWindow::kConfidenceOff ? std::nullopt : chosen;
    const std::optional<UncertaintySettings>& kept = window_.keptSettings().uncertainty;
    return kept && drawsAnything(*kept) ? std::optional<int>(kDefaultConfidence) : std::nullopt;
}

void PlannerWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (outOfDate_) refresh();
}

void PlannerWindow::showSettings()
{
    const std::optional<WindowInputs>& run = window_.form().lastRunInputs();
    const int start = run ? run->inputs.programmeStart : ModelInputs{}.programmeStart;
    settingsBox_->showSettings(window_.planSettingsFor(start), !window_.planSettings());
    settingsBox_->showConfidence(confidence());
    maps_->setTabEnabled(1, confidence().has_value());
}

void PlannerWindow::updateMark()
{
    const Form1& form = window_.form();
    const double share = form.control(control::vscTarget).value;
    if (!plan_ || !plan_->operationsStep) {
        heatMap_->setCurrent(QPointF(form.control(control::hscSterilise).value, share));
        robustMap_->setCurrent(heatMap_->current());
        return;
    }
    // The scan's step the window's operations a year stand at; no mark while the text is no number.
    const ParsedNumber operations = parseNumber(form.text(control::txtOperations));
    if (operations.status != ParseStatus::Ok) {
        heatMap_->setCurrent(std::nullopt);
        robustMap_->setCurrent(std::nullopt);
        return;
    }
    const double step = std::clamp(operations.value / *plan_->operationsStep, double(kLowestProgrammeRate),
                                   double(kHighestProgrammeRate));
    heatMap_->setCurrent(QPointF(step, share));
    robustMap_->setCurrent(heatMap_->current());
}

void PlannerWindow::refresh()
{
    showSettings();
    updateMark();
    if (!isVisible()) {
        // A hidden planner computes nothing; it catches up when it is shown.
        outOfDate_ = true;
        return;
    }
    outOfDate_ = false;
    refreshPlan();
    refreshRobustPlan();
}

void PlannerWindow::refreshPlan()
{
    const std::optional<WindowInputs>& run = window_.form().lastRunInputs();
    if (!run) {
        planJob_->cancel();
        computationEnded();
        requested_.reset();
        const QString fault = render::translatedFault(window_.form().currentFault(),
                                                      window_.form().currentFaultPhrase());
        showUnmadePlan(settingsBox_->settings(),
                       fault.isEmpty()
                           ? tr("the main window has not run yet")
                           : tr("the main window's last run stopped before it read every input: %1").arg(fault));
        return;
    }
    const PlanSettings settings = window_.planSettingsFor(run->inputs.programmeStart);
    if (const std::optional<std::string> problem = planSettingsProblem(settings)) {
        planJob_->cancel();
        computationEnded();
        requested_.reset();
        showUnmadePlan(settings, QString::fromStdString(*problem));
        return;
    }
    const PlanRequest request = requestFor(*run, settings);
    // The plan on show, or the one on its way, is already this one.
    if (requested_ && sameRequest(*requested_, request)) return;
    requested_ = request;
    progress_->setRange(0, 0);  // busy until the first progress arrives
    progress_->setVisible(true);
    heatMap_->setUpdating(true);
    planJob_->start<std::shared_ptr<const Plan>>(
        [request, runner = runner_](std::stop_token stop, const JobProgress& progress) -> std::shared_ptr<const Plan> {
            std::optional<Plan> plan = makePlan(request, *runner, BatchControl{std::move(stop), progress});
            if (!plan) return nullptr;  // stopped: never delivered
            return std::make_shared<const Plan>(std::move(*plan));
        },
        [this](std::shared_ptr<const Plan> plan) {
            if (plan) showPlan(std::move(plan));
        });
}

void PlannerWindow::refreshRobustPlan()
{
    const std::optional<int> confidence = this->confidence();
    const std::optional<WindowInputs>& run = window_.form().lastRunInputs();
    if (!confidence || !run) {
        robustJob_->cancel();
        robustComputationEnded();
        robustRequested_.reset();
        if (!confidence)
            showRobustPlan(nullptr);
        else  // the plan's own reason, which refreshPlan has just shown
            showUnmadeRobustPlan(plan_->settings, *confidence, QString::fromStdString(plan_->fault.value_or("")));
        return;
    }
    const PlanSettings settings = window_.planSettingsFor(run->inputs.programmeStart);
    const UncertaintySettings kept = window_.keptSettings().uncertainty.value_or(UncertaintySettings{});
    const RobustKey key{requestFor(*run, settings), kept, *confidence};
    if (robustRequested_ && sameRequest(robustRequested_->plan, key.plan) &&
        robustRequested_->uncertainty == key.uncertainty && robustRequested_->confidence == key.confidence)
        return;
    const auto refuse = [&](const QString& reason) {
        robustJob_->cancel();
        robustComputationEnded();
        robustRequested_.reset();
        showUnmadeRobustPlan(settings, *confidence, reason);
    };
    RobustPlanRequest request{key.plan, std::nullopt, static_cast<double>(*confidence)};
    if (drawsAnything(kept)) {
        std::variant<UncertaintyRequest, QString> read = uncertaintyRequestOf(kept, *run);
        if (const QString* problem = std::get_if<QString>(&read)) return refuse(*problem);
        request.uncertainty = std::get<UncertaintyRequest>(std::move(read));
    }
    if (const std::optional<std::string> problem = robustPlanProblem(request))
        return refuse(QString::fromStdString(*problem));
    robustRequested_ = key;
    robustProgress_->setRange(0, 0);  // busy until the first progress arrives
    robustProgress_->setVisible(true);
    robustMap_->setUpdating(true);
    robustJob_->start<std::shared_ptr<const RobustPlan>>(
        [request, runner = runner_](std::stop_token stop,
                                    const JobProgress& progress) -> std::shared_ptr<const RobustPlan> {
            std::optional<RobustPlan> plan = makeRobustPlan(request, *runner, BatchControl{std::move(stop), progress});
            if (!plan) return nullptr;  // stopped: never delivered
            return std::make_shared<const RobustPlan>(std::move(*plan));
        },
        [this](std::shared_ptr<const RobustPlan> plan) {
            if (plan) showRobustPlan(std::move(plan));
        });
}

void PlannerWindow::robustComputationEnded()
{
    robustProgress_->setVisible(false);
    robustMap_->setUpdating(false);
}

void PlannerWindow::showRobustPlan(std::shared_ptr<const RobustPlan> plan)
{
    robust_ = std::move(plan);
    window_.setComputedConfidence(robust_ ? std::optional<int>(static_cast<int>(robust_->confidence)) : std::nullopt);
    robustMap_->setPlan(robust_);
    table_->setRobustPlan(robust_);
    showSummary();
    emit robustPlanShown();
}

void PlannerWindow::showUnmadeRobustPlan(const PlanSettings& settings, int confidence, const QString& reason)
{
    RobustPlan unmade;
    unmade.settings = settings;
    unmade.confidence = confidence;
    unmade.fault = reason.toStdString();
    showRobustPlan(std::make_shared<const RobustPlan>(std::move(unmade)));
}

void PlannerWindow::showSummary()
{
    QStringList lines = plan_ ? planSummaryLines(*plan_) : QStringList();
    if (robust_) lines << robustSummaryLines(*robust_);
    summary_->setText(lines.join(QLatin1Char('\n')));
}

void PlannerWindow::computationEnded()
{
    progress_->setVisible(false);
    heatMap_->setUpdating(false);
}

void PlannerWindow::showPlan(std::shared_ptr<const Plan> plan)
{
    plan_ = std::move(plan);
    heatMap_->setPlan(plan_);
    updateMark();  // a plan that scans operations places the window's mark by them
    table_->setPlan(plan_);
    showSummary();
    details_->clear();
    emit planShown();
}

void PlannerWindow::showUnmadePlan(const PlanSettings& settings, const QString& reason)
{
    showPlan(std::make_shared<const Plan>(unmadePlan(settings, reason.toStdString())));
}

void PlannerWindow::chooseCell(int ownedShare, int rate)
{
    try {
        if (plan_ && plan_->operationsStep)
            window_.applyControlValues(
                tr("Choose %1 a year and %2 % owned from the planner").arg(scanValueText(*plan_, rate)).arg(ownedShare),
                {ControlValue::text(controlName(control::txtOperations),
                                    std::to_string(std::llround(plan_->scanValue(rate)))),
                 ControlValue::value(controlName(control::vscTarget), ownedShare)});
        else
            window_.applyControlValues(
                tr("Choose rate %1 and %2 % owned from the planner").arg(ratePercentText(rate)).arg(ownedShare),
                {ControlValue::value(controlName(control::hscSterilise), rate),
                 ControlValue::value(controlName(control::vscTarget), ownedShare)});
    } catch (const ControlError& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromUtf8(error.what()));
    }
}

void PlannerWindow::matchSurveyCount(int surveyYear, double count)
{
    const std::optional<WindowInputs>& run = window_.form().lastRunInputs();
    if (!run) {
        stopCalibration(tr("No count can be matched: the main window's last run stopped before it read every input."));
        return;
    }
    const CalibratedInput adjusted = calibrationBox_->adjusted();
    ModelInputs inputs = run->inputs;
    try {
        if (adjusted == CalibratedInput::carryingCapacity) inputs = withCompensationOfWindow(inputs, window_.form());
    } catch (const Fault& fault) {
        stopCalibration(tr("No count can be matched: %1").arg(render::translatedFault(fault.what(), fault.phrase())));
        return;
    }
    calibrationBox_->setSearching(true);
    const CalibrationRequest request{inputs, run->killedByYear, surveyYear, count, adjusted};
    calibrationJob_->start<Calibration>(
        [request, runner = runner_](std::stop_token, const JobProgress&) {
            return karnoth::matchCount(request, *runner);
        },
        [this](Calibration calibration) { applyCalibration(calibration); });
}

namespace {

// What a calibration sets: the abandonment bar, or the arrivals' or capacity's text box.
ControlValue calibratedControlValue(const Calibration& calibration)
{
    const long long whole = std::llround(calibration.value);
    switch (calibration.adjusted) {
    case CalibratedInput::abandonedPerYear:
        return ControlValue::value(controlName(control::vscGainLoss), static_cast<int>(whole));
    case CalibratedInput::immigrantsPerYear:
        return ControlValue::text(controlName(control::txtImmigrants), std::to_string(whole));
    case CalibratedInput::carryingCapacity:
        return ControlValue::text(controlName(control::txtCapacity), std::to_string(whole));
    }
    return ControlValue::value(controlName(control::vscGainLoss), static_cast<int>(whole));
}

}  // namespace

void PlannerWindow::applyCalibration(const Calibration& calibration)
{
    calibrationBox_->setSearching(false);
    try {
        window_.applyControlValues(
            tr("Match a count of %1 in %2").arg(wholeText(calibration.count)).arg(calibration.surveyYear),
            {calibratedControlValue(calibration)});
    } catch (const ControlError& error) {
        stopCalibration(QString::fromUtf8(error.what()));
        return;
    }
    calibrationBox_->showResult(calibrationSummary(calibration), !calibration.reached);
    emit calibrationShown();
}

void PlannerWindow::stopCalibration(const QString& reason)
{
    calibrationJob_->cancel();
    calibrationBox_->setSearching(false);
    calibrationBox_->showResult(reason, true);
    emit calibrationShown();
}

QSize PlannerWindow::exportSize() const
{
    return heatMap_->size().expandedTo(kSmallestExport);
}

bool PlannerWindow::saveHeatMapPng(const QString& path, QString& error) const
{
    return heatMap_->savePng(path, exportSize(), error);
}

bool PlannerWindow::saveHeatMapSvg(const QString& path, QString& error) const
{
    return heatMap_->saveSvg(path, exportSize(), error);
}

bool PlannerWindow::saveTableCsv(const QString& path, QString& error) const
{
    return saveCsv(plan_, &planTableCsv, path, error);
}

bool PlannerWindow::saveGridCsv(const QString& path, QString& error) const
{
    return saveCsv(plan_, &planGridCsv, path, error);
}

void PlannerWindow::askAndSave(const QString& title, const QString& filter, const QString& suffix,
                               bool (PlannerWindow::*save)(const QString&, QString&) const)
{
    const QString path = askSavePath(this, title, filter, suffix,
                                     suggestedExportName(window_.form(), tr("plan"), suffix));
    if (path.isEmpty()) return;
    QString error;
    if (!(this->*save)(path, error)) QMessageBox::warning(this, windowTitle(), error);
}

}  // namespace karnoth::gui
