// Scenarios in the real window: saving and opening through the File menu's code (round trip, bad
// files that change nothing, one undoable step with one run, the killed.txt notice), the Scenarios
// view (figures equal to single runs, a faulted scenario, the mark of differing culling records,
// exports) and the report written off the GUI thread.

#include "app/scenario_file.h"
#include "gui/scenarios/report_details_dialog.h"
#include "gui/scenarios/scenario_list.h"
#include "gui/scenarios/scenario_overlay_view.h"
#include "gui/scenarios/scenario_tools.h"
#include "gui/scenarios/scenarios_view.h"
#include "gui_fixture.h"
#include "pdf_text.h"
#include "scenario_json.h"
#include "support/number_masks.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

#include <map>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

namespace {

// A scenario file of every input, the layout's values unless `changes` say otherwise.
QByteArray scenarioJson(const std::map<std::string, std::string>& changes = {}, const std::string& more = "")
{
    return QByteArray::fromStdString(
        karnoth::testing::scenarioFileJson(karnoth::testing::windowInputsJson(changes), more));
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Every control's text and value.
std::vector<std::pair<std::string, int>> stateOf(const FormWindow& window)
{
    std::vector<std::pair<std::string, int>> state;
    for (const Control& control : window.form().controls()) state.emplace_back(control.text, control.value);
    return state;
}

}  // namespace

class GuiScenariosTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsHome_;  // the recent files go to the user's settings: a scratch one here
    std::unique_ptr<ScratchDirectory> scratch_;
    std::unique_ptr<FormWindow> window_;

    ScenarioTools& tools() const { return *window_->findChild<ScenarioTools*>(); }
    int value(const char* control) const { return window_->form().control(control).value; }
    std::string text(const char* box) const { return window_->form().text(box); }

private slots:
    void initTestCase()
    {
        QVERIFY(settingsHome_.isValid());
        qputenv("XDG_CONFIG_HOME", settingsHome_.path().toUtf8());
    }
    void init()
    {
        scratch_ = std::make_unique<ScratchDirectory>();
        window_ = startWindow();
        QVERIFY(window_);
    }
    void cleanup()
    {
        window_.reset();
        scratch_.reset();
    }

    void savedThenOpenedInAFreshWindowGivesTheSameStateTextsAsTyped()
    {
        writeFile(scratch_->file("killed.txt"), "1995,1200\n1996 1500\n");
        window_->binding().apply(ControlValue::text("txtAdultSurv", " 0.85 "));
        window_->binding().apply(ControlValue::text("txtStart", "2026"));
        window_->binding().apply(ControlValue::value("chkSterilise", 1));
        window_->binding().apply(ControlValue::value("hscSterilise", 200));
        window_->binding().apply(ControlValue::value("vscGainLoss", 2500));
        PlanSettings plan;
        plan.targetYear = 2036;
        plan.targetPercent = 40;
        plan.costOwned = 30;
        plan.costStreet = 55;
        window_->setPlanSettings(plan);

        const QString path = scratch_->file("twenty.karnoth");
        QString error;
        QVERIFY2(tools().saveScenarioFile(path, " Twenty from 2026 ", "Vets' figures.\nSecond line.", error),
                 qPrintable(error));
        const Scenario saved = readScenarioFile(path.toStdString());
        QCOMPARE(saved.name, std::string("Twenty from 2026"));
        QCOMPARE(saved.notes, std::string("Vets' figures.\nSecond line."));
        QCOMPARE(saved.killed.size(), std::size_t(2));
        QVERIFY(saved.planner && saved.planner->costStreet == 55);
        QVERIFY(!saved.saved.empty());
        const auto before = stateOf(*window_);

        auto fresh = startWindow();
        QVERIFY(fresh);
        auto* freshTools = fresh->findChild<ScenarioTools*>();
        QVERIFY2(freshTools->openScenarioFile(path, error), qPrintable(error));
        QCOMPARE(stateOf(*fresh), before);
        QCOMPARE(fresh->form().text("txtAdultSurv"), std::string(" 0.85 "));
        QCOMPARE(fresh->form().lastSeries()->streetTotal.values(), window_->form().lastSeries()->streetTotal.values());
        QVERIFY(fresh->planSettings());
        QCOMPARE(fresh->planSettings()->targetYear, 2036);
        QCOMPARE(fresh->planSettings()->costOwned, 30.0);
        QCOMPARE(freshTools->scenarioName(), QStringLiteral("Twenty from 2026"));
        QCOMPARE(freshTools->scenarioNotes(), QStringLiteral("Vets' figures.\nSecond line."));
        QVERIFY(fresh->form().notices().empty());
        QCOMPARE(freshTools->recentFiles().files().value(0), QFileInfo(path).absoluteFilePath());
    }

    void aBadFileIsReportedWithTheFileAndFieldAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("names");
        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << "is not JSON";
        QTest::newRow("another format") << scenarioJson().replace("karnoth-scenario", "other") << "\"format\"";
        QTest::newRow("version 3") << scenarioJson().replace("\"version\": 1", "\"version\": 3") << "newer Karnoth";
        QTest::newRow("a missing control") << scenarioJson({{"txtTo", "<missing>"}}) << "txtTo";
        QTest::newRow("an unknown control") << scenarioJson({{"txtNothing", "\"1\""}}) << "txtNothing";
        QTest::newRow("a text that is no string") << scenarioJson({{"txtAdultSurv", "0.9"}}) << "txtAdultSurv";
        QTest::newRow("a bar value not whole") << scenarioJson({{"hscSterilise", "2.5"}}) << "hscSterilise";
        QTest::newRow("a check box of 2") << scenarioJson({{"chkLog", "2"}}) << "chkLog";
        QTest::newRow("a bar value out of range") << scenarioJson({{"vscGainLoss", "0"}}) << "vscGainLoss";
        QTest::newRow("a bad killed record") << scenarioJson({}, R"(, "killed": [[1949, 3]])") << "killed record 1";
    }
    void aBadFileIsReportedWithTheFileAndFieldAndChangesNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, names);
        window_->binding().apply(ControlValue::value("hscSterilise", 300));
        const QString path = scratch_->file("bad.karnoth");
        writeFile(path, content);
        const auto before = stateOf(*window_);
        const int steps = window_->undoStack().count();
        EventLog log(window_->binding());

        QString error;
        QVERIFY(!tools().openScenarioFile(path, error));
        QVERIFY2(error.contains(QStringLiteral("bad.karnoth")) && error.contains(names), qPrintable(error));
        QCOMPARE(stateOf(*window_), before);
        QCOMPARE(window_->undoStack().count(), steps);
        QCOMPARE(log.runs(), 0);
        QVERIFY(log.entries().isEmpty());
        QVERIFY(tools().scenarioPath().isEmpty());
        QVERIFY(!window_->planSettings());
    }

    void openingIsOneUndoableStepWithOneRun()
    {
        const QString path = scratch_->file("option.karnoth");
        writeFile(
            path,
            scenarioJson(
                {{"hscSterilise", "100"}, {"txtStart", "\"2010\""}, {"chkSterilise", "1"}, {"vscGainLoss", "1200"}},
                R"(, "planner": {"targetYear": 2030, "targetPercent": 25, "costOwned": 2, "costStreet": 3})"));
        const auto before = stateOf(*window_);
        const std::string summary = window_->form().caption("Label3");
        EventLog log(window_->binding());

        QString error;
        QVERIFY2(tools().openScenarioFile(path, error), qPrintable(error));
        QCOMPARE(window_->undoStack().count(), 1);
        QCOMPARE(log.runs(), 1);
        QCOMPARE(value("hscSterilise"), 100);
        QCOMPARE(value("vscGainLoss"), 1200);
        QCOMPARE(text("txtStart"), std::string("2010"));
        QCOMPARE(window_->form().caption("Label2"), std::string("1,200 1-year old females abandoned per year"));
        QVERIFY(window_->planSettings());
        QCOMPARE(window_->planSettings()->targetPercent, 25.0);
        QVERIFY(window_->form().caption("Label3") != summary);

        log.clear();
        window_->undo();
        QCOMPARE(stateOf(*window_), before);
        QCOMPARE(log.runs(), 1);
        QVERIFY(!window_->planSettings());

        log.clear();
        window_->redo();
        QCOMPARE(value("hscSterilise"), 100);
        QCOMPARE(text("txtStart"), std::string("2010"));
        QCOMPARE(log.runs(), 1);
        QCOMPARE(window_->planSettings()->targetYear, 2030);
    }

    void theTitleNamesTheOpenScenarioAndMarksAChange()
    {
        const auto title = [](const char* name) { return QString::fromUtf8("Karnoth \u2014 %1[*]").arg(name); };
        QCOMPARE(window_->windowTitle(), title("untitled"));
        QVERIFY(!window_->isWindowModified());
        window_->binding().apply(ControlValue::text("txtStart", "2026"));
        QVERIFY(window_->isWindowModified());

        const QString first = scratch_->file("first.karnoth");
        const QString second = scratch_->file("second.karnoth");
        writeFile(first,
                  scenarioJson({{"hscSterilise", "100"}}, ", \"name\": \"First\", \"notes\": \"First's notes.\""));
        writeFile(second, scenarioJson({{"hscSterilise", "200"}}, ", \"name\": \"Second [*]\""));
        tools().openWithMessage(first);
        QCOMPARE(window_->windowTitle(), title("First"));
        QVERIFY(!window_->isWindowModified());
        QCOMPARE(tools().scenarioNotes(), QStringLiteral("First's notes."));
        // The message of the opening before is still shown when the next one opens: it gives way.
        tools().openWithMessage(second);
        QVERIFY2(window_->statusBar()->currentMessage().startsWith(QStringLiteral("Opened scenario \"Second [*]\"")),
                 qPrintable(window_->statusBar()->currentMessage()));
        QCOMPARE(window_->windowTitle(), title("Second [*][*]"));
        QCOMPARE(tools().scenarioNotes(), QString());  // the open scenario's own notes: none
        window_->applyControlValues(QStringLiteral("rate"), {ControlValue::value("hscSterilise", 300)});
        QVERIFY(window_->isWindowModified());
        QCOMPARE(window_->undoStack().count(), 4);

        // Undoing an opening gives the window back its scenario and its mark.
        window_->undo();  // the rate
        window_->undo();  // the second opening
        QCOMPARE(window_->windowTitle(), title("First"));
        QVERIFY(!window_->isWindowModified());
        window_->undo();  // the first opening: untitled again, with the start year typed before it
        QCOMPARE(window_->windowTitle(), title("untitled"));
        QVERIFY(window_->isWindowModified());
        QVERIFY2(tools().scenarioNotes().isEmpty(), "Save scenario as offers no notes of an undone opening");
        QVERIFY(tools().scenarioPath().isEmpty());

        QString error;
        QVERIFY2(tools().saveScenarioFile(scratch_->file("third.karnoth"), "Third", "", error), qPrintable(error));
        QCOMPARE(window_->windowTitle(), title("Third"));
        QVERIFY(!window_->isWindowModified());
    }

    void recordsThatDifferFromKilledTxtAreNoticedInTheStatusBar()
    {
        writeFile(scratch_->file("killed.txt"), "1995,1200\n");
        const QString path = scratch_->file("kept.karnoth");
        QString error;
        QVERIFY2(tools().saveScenarioFile(path, "kept", "", error), qPrintable(error));
        writeFile(scratch_->file("killed.txt"), "1995,999\n");
        QVERIFY2(tools().openScenarioFile(path, error), qPrintable(error));
        QVERIFY2(window_->statusBar()->currentMessage().contains(QStringLiteral("differ from killed.txt")),
                 qPrintable(window_->statusBar()->currentMessage()));
        QCOMPARE(window_->form().notices().size(), std::size_t(1));
        // Undoing it notices nothing more.
        window_->undo();
        QCOMPARE(window_->form().notices().size(), std::size_t(1));
    }

    void aKilledTxtThatCannotBeReadStopsSavingAndNothingIsWritten()
    {
        writeFile(scratch_->file("killed.txt"), "1995,-1\n");
        const QString path = scratch_->file("never.karnoth");
        QString error;
        QVERIFY(!tools().saveScenarioFile(path, "never", "", error));
        QVERIFY2(error.contains(QStringLiteral("killed.txt")), qPrintable(error));
        QVERIFY(!QFile::exists(path));
        QVERIFY(tools().scenarioPath().isEmpty());
    }

    void theComparisonViewShowsEachScenarioByItsOwnRun()
    {
        writeFile(scratch_->file("killed.txt"), "1995,1200\n");
        ScenariosView& view = tools().scenariosView();
        QCOMPARE(view.rows().size(), std::size_t(1));
        QString error;
        QVERIFY2(view.addWindowState("kept", "before the change", error), qPrintable(error));
        const float kept2050 = window_->form().lastSeries()->streetTotal[2050];

        // "current" follows the window; the kept state does not.
        window_->binding().apply(ControlValue::value("hscSterilise", 100));
        const float window2050 = window_->form().lastSeries()->streetTotal[2050];
        QCOMPARE(view.rows().size(), std::size_t(2));
        QCOMPARE(float(view.rows()[0].comparison.figures->streetTotalIn2050), window2050);
        QCOMPARE(float(view.rows()[1].comparison.figures->streetTotalIn2050), kept2050);
        QCOMPARE(view.table().item(0, 3)->text(), QString::fromStdString(formatGrouped(window2050)));
        QCOMPARE(view.table().item(1, 0)->text(), QStringLiteral("kept"));

        // A scenario whose run faults shows its fault and is not drawn.
        const QString broken = scratch_->file("broken.karnoth");
        writeFile(broken, scenarioJson({{"txtAdultSurv", "\"1.5\""}}));
        QVERIFY2(view.addScenarioFile(broken, error), qPrintable(error));
        QCOMPARE(view.rows().size(), std::size_t(3));
        QVERIFY(!view.rows()[2].comparison.run);
        QVERIFY(view.table().item(2, 1)->text().contains(QStringLiteral("adult survival")));
        QCOMPARE(view.table().columnSpan(2, 1), view.table().columnCount() - 1);
        QCOMPARE(view.overlay().lines().size(), std::size_t(2));

        // Culling records that differ from killed.txt are marked; the window's row runs on the file.
        writeFile(scratch_->file("killed.txt"), "1995,999\n");
        window_->binding().apply(ControlValue::value("hscSterilise", 101));
        QVERIFY(view.rows()[1].killedDiffers);
        QVERIFY(!view.rows()[0].killedDiffers);
        QCOMPARE(view.table().item(1, 0)->text(), QStringLiteral("kept *"));
        QVERIFY(view.findChild<QLabel*>(QStringLiteral("killedNote"))->text().contains(QStringLiteral("killed.txt")));

        // Every row is judged by the planner's target and costs.
        PlanSettings plan;
        plan.targetYear = 2036;
        plan.costOwned = 2;
        window_->setPlanSettings(plan);
        QCOMPARE(view.target().targetYear, 2036);
        QCOMPARE(view.table().horizontalHeaderItem(2)->text(), QStringLiteral("street total 2036"));
        const ComparisonFigures& current = *view.rows()[0].comparison.figures;
        QCOMPARE(current.cost, 2 * current.sterilisedOwned + current.sterilisedStreet);

        // The list: the window's entry stays; others are renamed, moved and removed.
        ScenarioList& list = tools().list();
        QVERIFY(!list.rename(0, QStringLiteral("other")));
        QVERIFY(!list.remove(0));
        QVERIFY(list.rename(1, QStringLiteral("before")));
        QVERIFY(list.move(0, 2));
        QCOMPARE(view.rows()[0].name, std::string("before"));
        QCOMPARE(view.rows()[2].name, std::string("current"));
        QVERIFY(list.remove(1));
        QCOMPARE(view.rows().size(), std::size_t(2));

        // Exports: the table as CSV, the chart as PNG and SVG.
        view.resize(900, 700);
        QVERIFY2(view.exportCsv(scratch_->file("comparison.csv"), error), qPrintable(error));
        QFile csv(scratch_->file("comparison.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines.size(), 4);  // header, two rows, the last line's end
        QVERIFY(lines[1].startsWith("before,2004,"));
        QVERIFY2(view.overlay().savePng(scratch_->file("comparison.png"), error), qPrintable(error));
        QVERIFY2(view.overlay().saveSvg(scratch_->file("comparison.svg"), error), qPrintable(error));
        QVERIFY(QFileInfo(scratch_->file("comparison.png")).size() > 0);
        QVERIFY(QFileInfo(scratch_->file("comparison.svg")).size() > 0);
    }

    void theListHoldsEightScenariosAtMost()
    {
        ScenariosView& view = tools().scenariosView();
        QString error;
        for (int i = 1; i < ScenarioList::kMostEntries; ++i)
            QVERIFY2(view.addWindowState(QStringLiteral("option %1").arg(i), QString(), error), qPrintable(error));
        QVERIFY(!view.addWindowState(QStringLiteral("one too many"), QString(), error));
        QVERIFY(error.contains(QStringLiteral("8")));
        QCOMPARE(view.overlay().lines().size(), std::size_t(8));
    }

    void theAnalysisMenuShowsTheScenariosView()
    {
        auto* compare = window_->analysisMenu()->findChild<QAction*>(QStringLiteral("compareAction"));
        if (!compare)
            for (QAction* action : window_->analysisMenu()->actions())
                if (action->objectName() == QStringLiteral("compareAction")) compare = action;
        QVERIFY(compare);
        compare->trigger();
        QVERIFY(tools().scenariosView().isVisible());
        window_->close();
        QVERIFY(!tools().scenariosView().isVisible());
    }

    void theReportIsWrittenOffTheGuiThread()
    {
        QString error;
        QVERIFY(tools().scenariosView().addWindowState(QStringLiteral("kept"), QString(), error));
        QSignalSpy written(&tools(), &ScenarioTools::reportWritten);
        QSignalSpy failed(&tools(), &ScenarioTools::reportFailed);
        const QString path = scratch_->file("report.pdf");
        tools().exportReport(path);
        QVERIFY(tools().isWritingReport());
        QVERIFY(written.wait(20000));
        QCOMPARE(failed.count(), 0);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(window_->noticeLine().text().contains(QStringLiteral("report.pdf")));

        tools().exportReport(scratch_->file("no such directory/report.pdf"));
        QVERIFY(failed.wait(20000));
    }

    // File > Report details: kept in the window and its scenarios, opened with a scenario as one step
    // to undo, heading the report, whose summary then also gives the chance of success of the
    // uncertainty the user computed, repeated for the report's inputs.
    void reportDetailsHeadTheReportAndTravelWithScenarios()
    {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<ReportDetailsDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("reportTitle"))
                ->setText(QStringLiteral(" Dogs of Townsville "));
            dialog->findChild<QLineEdit*>(QStringLiteral("reportAuthor"))->setText(QStringLiteral("A. Vet"));
            dialog->findChild<QLineEdit*>(QStringLiteral("reportPlace"))->setText(QStringLiteral("Townsville"));
            dialog->accept();
        });
        window_->findChild<QAction*>(QStringLiteral("reportDetailsAction"))->trigger();
        const ReportDetails townsville{"Dogs of Townsville", "A. Vet", "", "Townsville"};
        QCOMPARE(window_->keptSettings().report, std::optional<ReportDetails>(townsville));

        const QString path = scratch_->file("town.karnoth");
        QString error;
        QVERIFY2(tools().saveScenarioFile(path, "town", "", error), qPrintable(error));
        QCOMPARE(readScenarioFile(path.toStdString()).report, std::optional<ReportDetails>(townsville));
        writeFile(scratch_->file("other.karnoth"),
                  scenarioJson({{"hscSterilise", "100"}}, R"(, "report": {"title": "Other town"})"));
        QVERIFY2(tools().openScenarioFile(scratch_->file("other.karnoth"), error), qPrintable(error));
        QCOMPARE(window_->keptSettings().report->title, std::string("Other town"));
        window_->undo();
        QCOMPARE(window_->keptSettings().report, std::optional<ReportDetails>(townsville));

        UncertaintyRequest computed;
        computed.replicates = 50;
        computed.ranges = {{InputField::adultSurvival, 0.85, 0.95}};
        window_->setComputedUncertainty(computed);
        QSignalSpy written(&tools(), &ScenarioTools::reportWritten);
        const QString report = scratch_->file("report.pdf");
        tools().exportReport(report);
        QVERIFY(written.wait(20000));
        const QString text = QString::fromStdString(karnoth::testing::pdfText(report.toStdString()));
        for (const char* part : {"Dogs of Townsville A. Vet, Townsville Made with Karnoth",
                                 "Chance of success: allowing for what is uncertain (adult survival 0.85 to 0.95)",
                                 "valid replicates (of 50, seed 1)"})
            QVERIFY2(text.contains(QString::fromUtf8(part)), qPrintable(part + QStringLiteral("\n in: ") + text));
    }

    // The report makes its own run of the inputs it lists, whatever the window's last run was, and
    // leaves the fault in the status bar as it was.
    void aReportRunsTheInputsItListsAndKeepsTheFault_data()
    {
        QTest::addColumn<QString>("typed");  // adult survival
        QTest::addColumn<bool>("clickRun");
        QTest::addColumn<QString>("present");
        QTest::newRow("a run that stopped")
            << "1.2" << true << "No chart: the run of these inputs stopped: adult survival 1.2";
        QTest::newRow("typed, not run") << "0.85" << false << "66,807 females";
        QTest::newRow("typed bad, not run") << "1.2" << false << "adult survival (at fault) 1.2";
    }
    void aReportRunsTheInputsItListsAndKeepsTheFault()
    {
        QFETCH(QString, typed);
        QFETCH(bool, clickRun);
        QFETCH(QString, present);
        auto* adult = widgetOf<QLineEdit>(*window_, "txtAdultSurv");
        adult->selectAll();
        QTest::keyClicks(adult, typed);
        if (clickRun) QTest::mouseClick(widgetOf<QPushButton>(*window_, "cmdRun"), Qt::LeftButton);
        const QString fault = window_->faultLine().text();

        QSignalSpy written(&tools(), &ScenarioTools::reportWritten);
        const QString path = scratch_->file("report.pdf");
        tools().exportReport(path);
        QVERIFY(written.wait(20000));
        QCOMPARE(window_->faultLine().text(), fault);
        QVERIFY2(window_->statusBar()->currentMessage().isEmpty(), "nothing hides the fault");
        QVERIFY(window_->noticeLine().text().contains(QStringLiteral("report.pdf")));

        const QString text = QString::fromStdString(karnoth::testing::pdfText(path.toStdString()));
        QVERIFY2(text.contains(present), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("119,813")), qPrintable(text));
    }
};

QTEST_MAIN(GuiScenariosTest)
#include "gui_scenarios_test.moc"
