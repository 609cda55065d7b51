#include "gui/window/form_window.h"

#include "app/comparison_rows.h"
#include "catalogue/control_names.h"
#include "gui/analyses/analysis_view_actions.h"
#include "gui/language/language_menu.h"
#include "gui/planner/planner_window.h"
#include "gui/scenarios/scenario_tools.h"
#include "gui/widgets/caption_label.h"
#include "gui/widgets/remembered_place.h"
#include "gui/widgets/screen_fit.h"
#include "gui/window/bar_value_box.h"
#include "gui/window/chart_view.h"
#include "gui/window/control_widgets.h"
#include "gui/window/diagram_scroll_area.h"
#include "gui/window/diagram_surface.h"
#include "gui/window/fault_frame.h"
#include "gui/window/form_binding.h"
#include "gui/window/form_fonts.h"
#include "gui/window/help_dialog.h"
#include "gui/window/twips_scale.h"
#include "gui/window/window_extension.h"
#include "gui/window/window_shortcut_keys.h"
#include "panel/form_inputs.h"
#include "render/input_help.h"
#include "render/translated_phrase.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace karnoth::gui {
namespace {

// The diagram is as wide as the layout's controls and a margin; it ends where the chart begins.
// The chart keeps the layout's margins left and right and a small one above the status bar; it
// never gets smaller than a readable minimum (all in twips).
constexpr int kMargin = 120;
constexpr int kClientWidth = kLayoutRight + kMargin;
constexpr int kChartBottomMargin = 60;
constexpr int kChartMinimumWidth = 3600;
constexpr int kChartMinimumHeight = 2250;

QString qtName(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

const LayoutRow& chartRow()
{
    return *findLayoutRow(control::picPlot);
}

QVector<QLine> diagramLines(const TwipsScale& scale)
{
    QVector<QLine> lines;
    for (const LayoutRow& row : formLayout())
        if (row.kind == ControlKind::Line) lines.push_back(scale.line(row));
    return lines;
}

}  // namespace

FormWindow::FormWindow(std::filesystem::path directory, QWidget* parent)
    : QMainWindow(parent), form_(std::move(directory))
{
    setObjectName(qtName(kFormTitle));
    setFont(formFont());

    binding_ = new FormBinding(form_, this);
    undoStack_ = new QUndoStack(this);
    history_ = new InputHistory(form_, *binding_, *undoStack_, this);
    buildCentralArea();
    buildControls();
    buildValueBoxes();
    buildStatusBar();
    connectSignals();
    setTabOrder();

    form_.Form_Load();
    if (const std::optional<PlannerSettings>& kept = form_.keptSettings().planner)
        planSettings_ = planSettingsOf(*kept, PlanSettings{}.ownedShareStep);
    history_->takeBaselines();
    showCurrentFault();
    // What start-up has to say beside a fault (a session file it could not read).
    QStringList notices;
    for (const std::string& notice : form_.notices()) notices << QString::fromStdString(notice);
    if (!notices.isEmpty()) showNotice(notices.join(QLatin1Char('\n')), 0);
    refreshTitle();
    setInputsChanged(false);
    if (QWidget* run = controlWidget(qtName(control::cmdRun))) run->setFocus();
    createMenus(
        {new AnalysisViewActions(*this), new PlannerActions(*this), new ScenarioTools(*this), new LanguageMenu(*this)});
    refreshUndoActions();

    // Open at the layout's size, or the screen's when that is smaller.
    const QScreen* screen = this->screen();
    resize(screen ? layoutSize().boundedTo(screen->availableGeometry().size()) : layoutSize());
}

FormWindow::~FormWindow()
{
    // These refer to form_, which as a member goes before QObject deletes the children.
    undoStack_->disconnect(this);
    delete undoStack_;
    delete history_;
    delete binding_;
}

void FormWindow::buildCentralArea()
{
    const TwipsScale scale = TwipsScale::ofPrimaryScreen();
    surface_ = new DiagramSurface(diagramLines(scale));
    surface_->setObjectName(QStringLiteral("clientArea"));
    surface_->setFixedSize(scale.toPixels(kClientWidth), scale.toPixels(chartRow().top));
    diagramArea_ = new DiagramScrollArea(surface_);

    chartHolder_ = new QWidget;
    chartHolder_->setObjectName(QStringLiteral("chartArea"));
    auto* chartLayout = new QVBoxLayout(chartHolder_);
    const int left = scale.toPixels(chartRow().left);
    chartLayout->setContentsMargins(left, 0, scale.toPixels(kClientWidth) - scale.toPixels(kLayoutRight),
                                    scale.toPixels(kChartBottomMargin));

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralArea"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(diagramArea_, 0);
    layout->addWidget(chartHolder_, 1);
    setCentralWidget(central);
}

void FormWindow::buildControls()
{
    const TwipsScale scale = TwipsScale::ofPrimaryScreen();
    for (const Control& control : form_.controls()) {
        if (control.row->kind == ControlKind::PictureBox) {
            chart_ = new ChartView(form_, chartHolder_);
            chart_->setObjectName(qtName(control.row->name));
            chart_->setMinimumSize(scale.toPixels(kChartMinimumWidth), scale.toPixels(kChartMinimumHeight));
            chart_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            chartHolder_->layout()->addWidget(chart_);
            continue;
        }
        if (QWidget* widget = createControlWidget(control, scale, surface_)) binding_->bind(control, widget);
    }
    if (QWidget* run = controlWidget(qtName(control::cmdRun)))
        run->setToolTip(tr("Run the model on the inputs as they are now (Enter)."));
}

void FormWindow::buildValueBoxes()
{
    const TwipsScale scale = TwipsScale::ofPrimaryScreen();
    auto* windowKeys = new WindowShortcutKeys(this);
    for (const BarValueBoxRow& row : barValueBoxRows()) {
        const Control& bar = form_.control(row.bar);
        auto* box = new BarValueBox(row, *bar.row->range, bar.value, surface_);
        box->setGeometry(scale.rect(row.left, row.top, row.width, row.height));
        box->setToolTip(render::inputToolTip(row.bar));
        box->installEventFilter(windowKeys);
        binding_->bindValueBox(bar, box);
    }
    for (const Control& control : form_.controls())
        if (control.row->kind == ControlKind::TextBox)
            if (QWidget* edit = controlWidget(qtName(control.row->name))) edit->installEventFilter(windowKeys);
    faultFrame_ = new FaultFrame(surface_);
}

void FormWindow::buildStatusBar()
{
    auto* caption = new CaptionLabel(this);
    faultLine_ = caption;
    caption->setObjectName(QStringLiteral("faultLine"));
    caption->setWordWrap(false);  // one line; a long message ends in "…" and shows whole in the tool tip
    caption->setAlwaysTipsCaption(true);
    caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    caption->setPalette(palette);
    statusBar()->addWidget(caption, 1);

    noticeLine_ = new CaptionLabel(this);
    noticeLine_->setObjectName(QStringLiteral("noticeLine"));
    noticeLine_->setWordWrap(false);
    noticeLine_->setAlwaysTipsCaption(true);
    noticeLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    noticeLine_->hide();  // the fault takes the whole bar while there is no notice
    statusBar()->addWidget(noticeLine_, 1);
    noticeTimer_ = new QTimer(this);
    noticeTimer_->setSingleShot(true);
    connect(noticeTimer_, &QTimer::timeout, this, [this] { showNotice(QString(), 0); });
}

void FormWindow::showNotice(const QString& message, int milliseconds)
{
    noticeTimer_->stop();
    if (!message.isEmpty()) statusBar()->clearMessage();  // an older message would lie over it
    noticeLine_->setCaption(message.simplified());
    noticeLine_->setToolTip(message);
    noticeLine_->setVisible(!message.isEmpty());
    if (!message.isEmpty() && milliseconds > 0) noticeTimer_->start(milliseconds);
}

void FormWindow::createMenus(const std::vector<WindowExtension*>& extensions)
{
    // What the extensions bring, by place, in the order they declare it. An action goes into its
    // menu's ownership, so that the menu finds it by name.
    const auto place = [&extensions](QMenu* menu, MenuPlace where) {
        bool added = false;
        for (const WindowExtension* extension : extensions)
            for (const PlacedAction& placed : extension->actions()) {
                if (placed.place != where) continue;
                if (!placed.action->menu()) placed.action->setParent(menu);
                menu->addAction(placed.action);
                added = true;
            }
        return added;
    };

    // File: scenarios, the report, the chart's exports and data, Quit.
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    if (place(fileMenu_, MenuPlace::fileScenarios)) fileMenu_->addSeparator();
    if (place(fileMenu_, MenuPlace::fileReport)) fileMenu_->addSeparator();
    QAction* png = fileMenu_->addAction(tr("Export chart as &PNG..."), chart_, &ChartView::exportPng);
    png->setShortcut(QKeySequence(tr("Ctrl+E")));
    fileMenu_->addAction(tr("Export chart as &SVG..."), chart_, &ChartView::exportSvg);
    QAction* copy = fileMenu_->addAction(tr("&Copy yearly data"), chart_, &ChartView::copyYearlyDataToClipboard);
    copy->setShortcut(QKeySequence(tr("Ctrl+Shift+C")));
    copy->setStatusTip(tr("The last run's yearly series as CSV, for a spreadsheet."));
    fileMenu_->addSeparator();
    QAction* quit = fileMenu_->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    undoAction_ = edit->addAction(tr("&Undo"), this, &FormWindow::undo);
    undoAction_->setShortcut(QKeySequence::Undo);
    redoAction_ = edit->addAction(tr("&Redo"), this, &FormWindow::redo);
    redoAction_->setShortcut(QKeySequence::Redo);
    connect(edit, &QMenu::aboutToShow, this, &FormWindow::refreshUndoActions);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    QAction* grid = view->addAction(tr("&Gridlines"));
    grid->setCheckable(true);
    grid->setChecked(chart_->gridlines());
    connect(grid, &QAction::toggled, chart_, &ChartView::setGridlines);
    QAction* legend = view->addAction(tr("&Legend"));
    legend->setCheckable(true);
    legend->setChecked(chart_->legendShown());
    connect(legend, &QAction::toggled, chart_, &ChartView::setLegendShown);
    QAction* coverage = view->addAction(tr("Street &coverage"));
    coverage->setObjectName(QStringLiteral("streetCoverageAction"));
    coverage->setCheckable(true);
    coverage->setChecked(form_.chartsStreetCoverage());
    coverage->setStatusTip(tr("Chart the share of street females sterilised, 0 to 100 %, beside the counts."));
    connect(coverage, &QAction::toggled, this, [this](bool charted) { form_.setStreetCoverageCharted(charted); });
    QAction* keepScale = view->addAction(tr("&Keep scale"));
    keepScale->setObjectName(QStringLiteral("keepScaleAction"));
    keepScale->setCheckable(true);
    keepScale->setChecked(form_.keepsScale());
    keepScale->setStatusTip(tr("Chart the next runs against this run's scales, so that fewer dogs show as a lower "
                               "curve; untick to fit each run again."));
    connect(keepScale, &QAction::toggled, this, [this](bool keep) { form_.setKeepScale(keep); });
    addFirstYearMenu(*view);
    view->addSeparator();
    place(view, MenuPlace::view);

    analysisMenu_ = menuBar()->addMenu(tr("&Analysis"));
    analysisMenu_->setObjectName(QStringLiteral("analysisMenu"));
    place(analysisMenu_, MenuPlace::analysis);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction* about = help->addAction(tr("About the &model"), this, &FormWindow::showModelHelp);
    about->setShortcut(QKeySequence::HelpContents);
    help->addAction(tr("&About Karnoth"), this, [this] {
        QMessageBox::about(this, tr("About Karnoth"),
                           tr("<p><b>Karnoth</b> projects the owned and street female dogs of a town from 1950 to "
                              "2050 under abandonment, owners' sterilisation, culling and a sterilisation "
                              "programme, for those who plan dog-population programmes.</p>"
                              "<p>Press F1 for what every input means.</p>"));
    });
}

void FormWindow::addFirstYearMenu(QMenu& view)
{
    QMenu* firstYear = view.addMenu(tr("&First year shown"));
    firstYear->setObjectName(QStringLiteral("firstYearMenu"));
    auto* choices = new QActionGroup(firstYear);
    const FirstYearShown kept = form_.keptSettings().firstYearShown.value_or(FirstYearShown::Year1950);
    const std::pair<FirstYearShown, QString> options[] = {
        {FirstYearShown::Year1950, tr("1950")},
        {FirstYearShown::TenYearsBeforeStart, tr("Ten years before the programme starts")}};
    for (const auto& [option, text] : options) {
        QAction* action = firstYear->addAction(text);
        action->setObjectName(option == FirstYearShown::Year1950 ? QStringLiteral("firstYear1950Action")
                                                                 : QStringLiteral("firstYearBeforeStartAction"));
        action->setCheckable(true);
        action->setChecked(option == kept);
        choices->addAction(action);
        // A view of the chart, not an input: the run stays as it is and only the drawings change.
        connect(action, &QAction::triggered, this, [this, option] {
            form_.keptSettings().firstYearShown = option;
            chart_->update();
            emit firstYearShownChanged();
        });
    }
}

void FormWindow::connectSignals()
{
    connect(binding_, &FormBinding::faultShown, this, [this](const QString& message) {
        // A caller's error reaches here without being Form1's current fault; show it all the same.
        if (form_.currentFault().empty())
            showMessage(message);
        else
            showCurrentFault();
    });
    connect(binding_, &FormBinding::runFinished, this, [this] {
        // Only a completed run draws a whole chart; the readout and the exports read its series.
        completedChartRevision_ = form_.canvas().revision();
        if (form_.lastSeries())
            chart_->showRun(*form_.lastSeries(), form_.lastRunInputs(), form_.isChecked(control::chkLog));
        showCurrentFault();
    });
    connect(binding_, &FormBinding::chartUpdated, this, [this] {
        if (form_.canvas().revision() != completedChartRevision_) chart_->forgetRun();
        chart_->update();
    });
    // A run clears the change of inputs; one that stopped keeps Run and the chart marked with its fault.
    connect(binding_, &FormBinding::runOver, this, [this] { setInputsChanged(false); });
    connect(binding_, &FormBinding::controlUpdated, this, [this](const QString& name) {
        if (!isInputKind(form_.control(name.toStdString()).row->kind)) return;
        setInputsChanged(true);
        refreshUndoActions();
        refreshTitle();
    });
    connect(chart_, &ChartView::actionFailed, this, &FormWindow::showMessage);
    connect(undoStack_, &QUndoStack::indexChanged, this, &FormWindow::refreshUndoActions);
}

QWidget* FormWindow::controlWidget(const QString& name) const
{
    if (chart_ && name == chart_->objectName()) return chart_;
    return binding_->widget(name);
}

BarValueBox* FormWindow::valueBox(const QString& bar) const
{
    return binding_->valueBox(bar);
}

QWidget* FormWindow::faultFrameTarget() const
{
    return faultFrame_->isVisible() ? faultFrame_->target() : nullptr;
}

QSize FormWindow::layoutSize() const
{
    const TwipsScale scale = TwipsScale::ofPrimaryScreen();
    const QRect chart = scale.rect(chartRow());
    const int central = surface_->height() + chart.height() + scale.toPixels(kChartBottomMargin);
    return QSize(scale.toPixels(kClientWidth),
                 menuBar()->sizeHint().height() + central + statusBar()->sizeHint().height());
}

void FormWindow::setTabOrder()
{
    // The layout's keyboard order over its inputs, each bar followed by its value box. The chart
    // takes no focus.
    std::vector<std::pair<int, const LayoutRow*>> rows;
    for (const Control& control : form_.controls()) {
        const LayoutRow& row = *control.row;
        if (row.kind == ControlKind::Label || row.kind == ControlKind::Line || row.kind == ControlKind::PictureBox)
            continue;
        rows.emplace_back(row.tab, &row);
    }
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QWidget*> order;
    for (const auto& [tab, row] : rows) {
        if (QWidget* widget = controlWidget(qtName(row->name))) order.push_back(widget);
        if (BarValueBox* box = valueBox(qtName(row->name))) order.push_back(box);
    }
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void FormWindow::showMessage(const QString& message)
{
    faultLine_->setCaption(message.simplified());
    faultLine_->setToolTip(message);
}

void FormWindow::showCurrentFault()
{
    showMessage(render::translatedFault(form_.currentFault(), form_.currentFaultPhrase()));
    QWidget* framed = nullptr;
    if (const auto control = controlNamedBy(form_.currentFaultField())) framed = controlWidget(qtName(*control));
    faultFrame_->frame(framed);
}

void FormWindow::setInputsChanged(bool changed)
{
    inputsChanged_ = changed;
    chart_->setStale(changed);
    const bool stale = resultsStale();
    auto* run = qobject_cast<QPushButton*>(controlWidget(qtName(control::cmdRun)));
    if (!run) return;
    const QString caption = shownCaption(form_.control(control::cmdRun));
    run->setText(stale ? caption + QStringLiteral("*") : caption);
    QFont font = run->font();
    font.setBold(stale);
    run->setFont(font);
}

void FormWindow::applyControlValues(const QString& stepName, const std::vector<ControlValue>& values,
                                    const ControlApplier& applier)
{
    history_->applyControlValues(stepName, values, applier);
}

void FormWindow::undo()
{
    history_->commitPendingEdits();
    undoStack_->undo();
}

void FormWindow::redo()
{
    history_->commitPendingEdits();
    undoStack_->redo();
}

void FormWindow::refreshUndoActions()
{
    if (!undoAction_) return;
    const bool pending = history_->hasPendingEdits();
    undoAction_->setEnabled(pending || undoStack_->canUndo());
    undoAction_->setText(pending || undoStack_->undoText().isEmpty() ? tr("&Undo")
                                                                     : tr("&Undo %1").arg(undoStack_->undoText()));
    redoAction_->setEnabled(undoStack_->canRedo());
    redoAction_->setText(undoStack_->redoText().isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(undoStack_->redoText()));
}

void FormWindow::showModelHelp()
{
    if (!help_) {
        help_ = new HelpDialog(this);
        rememberPlace(*help_, "help", form_.keptSettings().windows);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    if (!unloaded_) {
        unloaded_ = true;
        emit closing();
        form_.Form_Unload();
    }
    // Every secondary window (the planner, the analysis views, the Scenarios view, Help) is a
    // window of its own parented to this one: they all close with it, so the program ends with it.
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isWindow()) child->close();
    event->accept();
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter presses Run wherever the focus is: the inputs pass Enter on to their window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* run = qobject_cast<QPushButton*>(controlWidget(qtName(control::cmdRun)))) {
            run->click();
            event->accept();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void FormWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (fitted_) return;
    fitted_ = true;
    // The frame is known once the window system has placed the window.
    QTimer::singleShot(0, this, &FormWindow::fitIntoScreen);
}

void FormWindow::restorePlace()
{
    rememberPlace(*this, "main", form_.keptSettings().windows);
}

void FormWindow::fitIntoScreen()
{
    keepWithinScreen(*this);
}

}  // namespace karnoth::gui

namespace karnoth::gui {

void FormWindow::setPlanSettings(const std::optional<PlanSettings>& settings)
{
    planSettings_ = settings;
    form_.keptSettings().planner = settings ? std::optional<PlannerSettings>(plannerSettingsOf(*settings))
                                            : std::nullopt;
    emit planSettingsChanged();
}

void FormWindow::setChosenConfidence(std::optional<int> confidence)
{
    if (form_.keptSettings().confidence == confidence) return;
    form_.keptSettings().confidence = confidence;
    emit chosenConfidenceChanged();
}

void FormWindow::keepUncertaintySettings(const UncertaintySettings& settings)
{
    form_.keptSettings().uncertainty = settings;
    emit uncertaintySettingsChanged();
}

void FormWindow::restoreAnalysisSettings(const SessionSettings& kept)
{
    SessionSettings& settings = form_.keptSettings();
    settings.sensitivity = kept.sensitivity;
    settings.uncertainty = kept.uncertainty;
    settings.report = kept.report;
    const bool confidenceChanged = settings.confidence != kept.confidence;
    settings.confidence = kept.confidence;
    emit analysisSettingsRestored();
    emit uncertaintySettingsChanged();
    if (confidenceChanged) emit chosenConfidenceChanged();
}

void FormWindow::setOpenedScenario(std::optional<OpenedScenario> scenario, bool modified)
{
    form_.setOpenedScenario(std::move(scenario), modified);
    refreshTitle();
}

void FormWindow::refreshTitle()
{
    const std::optional<OpenedScenario>& opened = form_.openedScenario();
    // "[*]" is where Qt shows the modified mark; a name that holds it is shown with it doubled.
    QString name = opened ? QString::fromStdString(opened->name) : tr("untitled");
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(tr("Karnoth \u2014 %1[*]").arg(name));
    setWindowModified(form_.inputsModified());
}

PlanSettings FormWindow::planSettingsFor(int programmeStart) const
{
    return planSettings_ ? *planSettings_ : defaultPlanSettings(programmeStart);
}

}  // namespace karnoth::gui
