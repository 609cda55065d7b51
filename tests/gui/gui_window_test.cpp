// The window around the layout: it resizes with the chart taking the extra room, fits small screens
// by scrolling the diagram, shows faults in its status bar with a red frame on the input at fault,
// marks results that no longer match the inputs, types the bars' values in their boxes, keeps long
// captions readable, and explains every input.

#include "gui/widgets/caption_label.h"
#include "gui/widgets/drawing_export.h"
#include "gui/window/bar_value_box.h"
#include "gui/window/chart_view.h"
#include "gui/window/diagram_scroll_area.h"
#include "gui/window/diagram_surface.h"
#include "gui/window/help_dialog.h"
#include "gui/window/twips_scale.h"
#include "gui_fixture.h"
#include "render/chart_overlays.h"
#include "render/main_chart.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBrowser>
#include <QWindow>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

namespace {

bool resizeTo(FormWindow& window, QSize size)
{
    window.resize(size);
    return QTest::qWaitFor([&] { return window.size() == size; }) && (QApplication::processEvents(), true);
}

int bannerPixels(QWidget& chart)
{
    return karnoth::gui::testing::bannerPixels(chart.grab().toImage());
}

QRect inWindow(const QWidget& widget, const FormWindow& window)
{
    return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

}  // namespace

class GuiWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchDirectory> scratch_;
    std::unique_ptr<FormWindow> window_;
    std::unique_ptr<EventLog> log_;

    QPushButton& run() const { return *widgetOf<QPushButton>(*window_, "cmdRun"); }

    void typeInto(const char* textBox, const QString& text)
    {
        auto* edit = widgetOf<QLineEdit>(*window_, textBox);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

private slots:
    void init()
    {
        scratch_ = std::make_unique<ScratchDirectory>();
        window_ = startWindow();
        QVERIFY(window_);
        log_ = std::make_unique<EventLog>(window_->binding());
    }
    void cleanup()
    {
        log_.reset();
        window_.reset();
        scratch_.reset();
    }

    void opensWithinTheScreenAndCanShrinkBelowIt()
    {
        const QSize screen = window_->screen()->availableGeometry().size();
        QVERIFY(window_->width() <= screen.width());
        QVERIFY(window_->height() <= screen.height());
        const QSize minimum = window_->minimumSizeHint().expandedTo(window_->minimumSize());
        QVERIFY2(minimum.width() <= screen.width() / 2 && minimum.height() <= screen.height() / 2,
                 qPrintable(QStringLiteral("%1x%2").arg(minimum.width()).arg(minimum.height())));
        QVERIFY(window_->maximumWidth() > screen.width());  // no longer fixed
    }

    // The planner, the analyses, the comparison of scenarios and Help open within the screen's
    // available area (the offscreen screen is 800 x 600, smaller than each would like), and the
    // help shows its table without scrolling sideways where the screen allows.
    void everyWindowOpensWithinTheScreen()
    {
        const QRect available = window_->screen()->availableGeometry();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(window_.get(), Qt::Key_F1);
        for (const char* action : {"plannerAction", "sensitivityAction", "uncertaintyAction", "compareAction"}) {
            QAction* open = nullptr;
            for (QAction* candidate : window_->findChildren<QAction*>())
                if (candidate->objectName() == QLatin1String(action)) open = candidate;
            QVERIFY2(open, action);
            open->trigger();
        }
        int checked = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) continue;
            QTRY_VERIFY2(available.contains(top->frameGeometry()),
                         qPrintable(top->objectName() + QStringLiteral(" at %1,%2 %3x%4")
                                                            .arg(top->frameGeometry().x())
                                                            .arg(top->frameGeometry().y())
                                                            .arg(top->frameGeometry().width())
                                                            .arg(top->frameGeometry().height())));
            ++checked;
        }
        QCOMPARE(checked, 6);
        // Ordinary windows beside the main window, not held above it.
        for (const char* name : {"plannerWindow", "sensitivityView", "uncertaintyView", "scenariosView"}) {
            auto* other = window_->findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(other && other->windowHandle(), name);
            QVERIFY2(!other->windowHandle()->transientParent(), name);
        }
        auto* help = window_->findChild<HelpDialog*>();
        QVERIFY(help);
        if (help->width() < available.width()) QVERIFY(!help->browser().horizontalScrollBar()->isVisible());
    }

    // An export offers the open scenario's name, what it exports and the day, as a file may hold it.
    void exportsSuggestAFileName_data()
    {
        QTest::addColumn<QString>("scenario");  // empty: none is open
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("suggested");
        QTest::newRow("no scenario") << ""
                                     << "chart"
                                     << "karnoth-chart-2026-12-08.png";
        QTest::newRow("a scenario") << "Jaipur 2026"
                                    << "sensitivity"
                                    << "Jaipur 2026-sensitivity-2026-12-08.png";
        QTest::newRow("characters no file name holds") << "a/b:c*d?"
                                                       << "plan"
                                                       << "a-b-c-d--plan-2026-12-08.png";
    }
    void exportsSuggestAFileName()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, what);
        QFETCH(QString, suggested);
        const std::optional<std::string> name = scenario.isEmpty() ? std::nullopt
                                                                   : std::optional<std::string>(scenario.toStdString());
        QCOMPARE(suggestedExportName(name, what, QDate(2026, 12, 8), QStringLiteral(".png")), suggested);
    }

    void growingTheWindowGrowsOnlyTheChart()
    {
        QVERIFY(resizeTo(*window_, window_->layoutSize()));
        const QWidget& chart = window_->chart();
        const TwipsScale scale = TwipsScale::ofPrimaryScreen();
        // At the layout's size the chart is the picture area: 18975 x 7335 twips.
        QCOMPARE(chart.size(),
                 QSize(scale.toPixels(19095) - scale.toPixels(120), scale.toPixels(10335) - scale.toPixels(3000)));
        const QRect adult = window_->controlWidget(QStringLiteral("txtAdultSurv"))->geometry();
        const QRect surface = inWindow(window_->surface(), *window_);

        const QSize grow(591, 280);
        QVERIFY(resizeTo(*window_, window_->layoutSize() + grow));
        QCOMPARE(chart.size(),
                 QSize(scale.toPixels(19095) - scale.toPixels(120), scale.toPixels(10335) - scale.toPixels(3000)) +
                     grow);
        QCOMPARE(window_->controlWidget(QStringLiteral("txtAdultSurv"))->geometry(), adult);
        QCOMPARE(inWindow(window_->surface(), *window_), surface);
        // What the chart paints grows with it: its canvas is stretched over the larger target.
        QVERIFY(window_->chart().chartLayout().target.width() > 1.5 * scale.toPixels(14895) * 0.9);
        QCOMPARE(window_->form().canvas().ScaleWidth(), 14895.0f);
    }

    void aSmallWindowScrollsTheDiagramAndKeepsTheChartAndStatusInView()
    {
        const QSize small(520, 380);
        QVERIFY(resizeTo(*window_, small));
        DiagramScrollArea& area = window_->diagramArea();
        QVERIFY(area.horizontalScrollBar()->isVisible());
        QVERIFY(area.horizontalScrollBar()->maximum() > 0);
        QVERIFY(area.verticalScrollBar()->maximum() > 0 || area.height() >= window_->surface().height());
        const QRect chart = inWindow(window_->chart(), *window_);
        QVERIFY(window_->rect().contains(chart));
        QVERIFY(chart.height() >= window_->chart().minimumHeight());
        QVERIFY(window_->statusBar()->isVisible());
        QVERIFY(window_->rect().contains(inWindow(*window_->statusBar(), *window_)));
        QVERIFY(inWindow(window_->faultLine(), *window_).bottom() < window_->height());
    }

    void staleResultsAreMarkedUntilTheNextRun_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("runFaults");
        QTest::newRow("typed text, good run") << "txtAdultSurv" << false;
        QTest::newRow("ticked log scale") << "chkLog" << false;
        QTest::newRow("typed text, faulting run") << "txtCurrentOwnedSteril" << true;
    }
    void staleResultsAreMarkedUntilTheNextRun()
    {
        QFETCH(QString, change);
        QFETCH(bool, runFaults);
        QVERIFY(!window_->resultsStale());
        QCOMPARE(run().text(), QStringLiteral("Run"));
        QVERIFY(!window_->chart().isStale());

        if (change == QStringLiteral("chkLog"))
            QTest::mouseClick(widgetOf<QCheckBox>(*window_, "chkLog"), Qt::LeftButton);
        else
            typeInto(qPrintable(change), runFaults ? QStringLiteral("75") : QStringLiteral("0.85"));
        QCOMPARE(log_->runs(), 0);
        QVERIFY(window_->resultsStale());
        QCOMPARE(run().text(), QStringLiteral("Run*"));
        QVERIFY(run().font().bold());
        QVERIFY(window_->chart().isStale());
        // The banner is painted on the chart, pale yellow.
        QVERIFY(bannerPixels(window_->chart()) > 500);

        QTest::mouseClick(&run(), Qt::LeftButton);
        QCOMPARE(window_->form().currentFault().empty(), !runFaults);
        if (runFaults) {
            // Run stays marked and the banner names the fault: the chart shows the run before it.
            QVERIFY(window_->resultsStale());
            QCOMPARE(run().text(), QStringLiteral("Run*"));
            QCOMPARE(window_->chart().bannerText(),
                     QStringLiteral("the last run stopped: With 75% of owned yearlings sterilised by their owners, "
                                    "owned dogs cannot replace themselves, so there is no steady state to start "
                                    "from. Keep it below 70%; the chart shows the run before it"));
            QVERIFY(bannerPixels(window_->chart()) > 500);
            typeInto(qPrintable(change), QStringLiteral("60"));
            QTest::mouseClick(&run(), Qt::LeftButton);
        }
        QVERIFY(!window_->resultsStale());
        QCOMPARE(run().text(), QStringLiteral("Run"));
        QVERIFY(!run().font().bold());
        QVERIFY(!window_->chart().isStale());
        QCOMPARE(bannerPixels(window_->chart()), 0);
    }

    // A run that stops frames the input its fault names and leaves pale the captions it did not
    // write again; a typed text leaves the doubling time pale until the next run.
    void whatARunDidNotWriteIsMarked_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("clickRun");
        QTest::addColumn<QString>("framed");  // empty: none
        QTest::addColumn<QString>("stale");  // a caption marked
        QTest::addColumn<QString>("fresh");  // a caption not marked
        QTest::newRow("owners sterilise 80 %") << "txtCurrentOwnedSteril"
                                               << "80" << true << "txtCurrentOwnedSteril"
                                               << "Label6"
                                               << "Label14";
        QTest::newRow("adult survival 1.2") << "txtAdultSurv"
                                            << "1.2" << true << "txtAdultSurv"
                                            << "Label14"
                                            << "Label1(1)";
        QTest::newRow("juvenile survival at the threshold") << "txtJuvSurv"
                                                            << "0.2" << true << "txtJuvSurv"
                                                            << "Label6"
                                                            << "Label14";
        QTest::newRow("adult survival typed, no run") << "txtAdultSurv"
                                                      << "0.85" << false << ""
                                                      << "Label14"
                                                      << "Label9";
    }
    void whatARunDidNotWriteIsMarked()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, clickRun);
        QFETCH(QString, framed);
        QFETCH(QString, stale);
        QFETCH(QString, fresh);
        const auto caption = [this](const QString& name) {
            return qobject_cast<CaptionLabel*>(window_->controlWidget(name));
        };
        QVERIFY(caption(stale) && caption(fresh));
        QVERIFY(!caption(stale)->isStale());
        typeInto(qPrintable(box), typed);
        if (clickRun) QTest::mouseClick(&run(), Qt::LeftButton);
        QCOMPARE(window_->faultFrameTarget(), framed.isEmpty() ? nullptr : window_->controlWidget(framed));
        QVERIFY(caption(stale)->isStale());
        QVERIFY(caption(stale)->toolTip().contains(QStringLiteral("Press Run")));
        QVERIFY(!caption(fresh)->isStale());
        QVERIFY(window_->resultsStale());
    }

    void aBarChangeRunsAtOnceAndLeavesNothingStale()
    {
        QTest::keyClick(widgetOf<QScrollBar>(*window_, "hscSterilise"), Qt::Key_Right);
        QCOMPARE(log_->runs(), 1);
        QVERIFY(!window_->resultsStale());
        QCOMPARE(run().text(), QStringLiteral("Run"));
    }

    void valueBoxesDriveTheBarsAndTheBarsDriveThem_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("expected");  // the bar's value
        QTest::addColumn<QString>("commit");  // "enter", "leave" or "step" (one arrow up after typing)
        QTest::newRow("rate, Enter") << "hscSterilise"
                                     << "30.5" << 305 << "enter";
        QTest::newRow("rate, leaving") << "hscSterilise"
                                       << "7" << 70 << "leave";
        QTest::newRow("rate, its top") << "hscSterilise"
                                       << "100" << 1000 << "enter";
        QTest::newRow("abandoned, beyond its range") << "vscGainLoss"
                                                     << "40000" << 30000 << "enter";
        QTest::newRow("rate, step up") << "hscSterilise"
                                       << "12.3" << 124 << "step";
        QTest::newRow("abandoned, grouped") << "vscGainLoss"
                                            << "12,345" << 12345 << "enter";
        QTest::newRow("abandoned, step up") << "vscGainLoss"
                                            << "500" << 510 << "step";
        QTest::newRow("owned share") << "vscTarget"
                                     << "75" << 75 << "leave";
    }
    void valueBoxesDriveTheBarsAndTheBarsDriveThem()
    {
        QFETCH(QString, bar);
        QFETCH(QString, typed);
        QFETCH(int, expected);
        QFETCH(QString, commit);
        BarValueBox* box = window_->valueBox(bar);
        QVERIFY(box);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, typed);
        QCOMPARE(log_->runs(), 0);  // typing digits alone starts nothing
        const int before = window_->form().control(bar.toStdString()).value;
        QCOMPARE(box->barValue() == before || box->text().contains(typed), true);

        if (commit == QStringLiteral("enter"))
            QTest::keyClick(box, Qt::Key_Return);
        else if (commit == QStringLiteral("leave"))
            run().setFocus();
        else
            QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(window_->form().control(bar.toStdString()).value, expected);
        QCOMPARE(log_->runs(), 1);  // one change event, one run; Enter does not press Run as well
        auto* scrollBar = qobject_cast<QScrollBar*>(window_->controlWidget(bar));
        const int widgetValue = scrollBar->orientation() == Qt::Vertical
                                    ? scrollBar->minimum() + scrollBar->maximum() - expected
                                    : expected;
        QCOMPARE(scrollBar->value(), widgetValue);

        // And the other way: a bar step shows in its box.
        QTest::keyClick(scrollBar, scrollBar->orientation() == Qt::Vertical ? Qt::Key_Down : Qt::Key_Left);
        const int stepped = window_->form().control(bar.toStdString()).value;
        QVERIFY(stepped != expected);
        QCOMPARE(box->barValue(), stepped);
        QCOMPARE(log_->runs(), 2);
    }

    void valueBoxesShowTheBarsInTheirOwnUnits()
    {
        QCOMPARE(window_->valueBox(QStringLiteral("hscSterilise"))->text(), QStringLiteral("25.2 %"));
        QCOMPARE(window_->valueBox(QStringLiteral("vscGainLoss"))->text(), QStringLiteral("4,000"));
        QCOMPARE(window_->valueBox(QStringLiteral("vscTarget"))->text(), QStringLiteral("50 %"));
        // Enter with nothing typed presses Run.
        BarValueBox* box = window_->valueBox(QStringLiteral("vscTarget"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(log_->runs(), 1);
    }

    void theStatusBarShowsFaultsAndFramesTheInputAtFault_data()
    {
        QTest::addColumn<QString>("textBox");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pressRun");
        QTest::addColumn<QString>("framed");  // "" when the fault belongs to no single input
        QTest::newRow("not a number") << "txtJuvSurv"
                                      << "x" << false << "txtJuvSurv";
        QTest::newRow("outside its range") << "txtAdultSurv"
                                           << "1.5" << false << "txtAdultSurv";
        QTest::newRow("a year that is no number") << "txtStart"
                                                  << "20o5" << true << "txtStart";
        QTest::newRow("no owned steady state") << "txtCurrentOwnedSteril"
                                               << "80" << true << "txtCurrentOwnedSteril";
        QTest::newRow("no street steady state") << "txtJuvSurv"
                                                << "0.2" << true << "txtJuvSurv";
        QTest::newRow("culling from 1950") << "txtFrom"
                                           << "1950" << true << "txtFrom";
        QTest::newRow("more sterilised than there are") << "txtTimes"
                                                        << "20" << true << "";
    }
    void theStatusBarShowsFaultsAndFramesTheInputAtFault()
    {
        QFETCH(QString, textBox);
        QFETCH(QString, text);
        QFETCH(bool, pressRun);
        QFETCH(QString, framed);
        QVERIFY(window_->faultLine().text().isEmpty());
        QVERIFY(!window_->faultFrameTarget());
        const QString before = widgetOf<QLineEdit>(*window_, qPrintable(textBox))->text();

        typeInto(qPrintable(textBox), text);
        if (pressRun) QTest::mouseClick(&run(), Qt::LeftButton);
        const QString fault = QString::fromStdString(window_->form().currentFault());
        QVERIFY(!fault.isEmpty());
        QCOMPARE(window_->faultLine().text(), fault);
        QCOMPARE(window_->faultLine().toolTip(), fault);
        QVERIFY(window_->statusBar()->isAncestorOf(&window_->faultLine()));
        QWidget* target = window_->faultFrameTarget();
        if (framed.isEmpty()) {
            QVERIFY(!target);
        } else {
            QCOMPARE(target, window_->controlWidget(framed));
            const QWidget* frame = window_->surface().findChild<QWidget*>(QStringLiteral("faultFrame"));
            QVERIFY(frame && frame->isVisible());
            QVERIFY(frame->geometry().contains(target->geometry()));
            QVERIFY(frame->geometry() != target->geometry());
        }

        // Putting the text right keeps both until a run succeeds.
        typeInto(qPrintable(textBox), before);
        QCOMPARE(window_->faultFrameTarget(), target);
        QTest::mouseClick(&run(), Qt::LeftButton);
        QVERIFY(window_->faultLine().text().isEmpty());
        QVERIFY(window_->faultLine().toolTip().isEmpty());
        QVERIFY(!window_->faultFrameTarget());
    }

    void captionsThatDoNotFitEndInAnEllipsisAndTipTheirWholeText()
    {
        CaptionLabel label;
        label.setFont(window_->font());
        const QFontMetrics metrics(label.font());
        label.resize(metrics.averageCharWidth() * 20, metrics.lineSpacing() * 2 + metrics.descent());
        const QString longText = QStringLiteral(
            "one two three four five six seven eight nine ten eleven twelve thirteen");
        label.setCaption(longText);
        const QStringList lines = label.shownLines();
        QCOMPARE(lines.size(), 2);  // only whole lines
        QVERIFY(label.isElided());
        QVERIFY(lines.back().endsWith(QChar(0x2026)));
        QVERIFY(lines.front().startsWith(QStringLiteral("one two")));
        for (const QString& line : lines) QVERIFY(metrics.horizontalAdvance(line) <= label.width());
        QCOMPARE(label.toolTip(), longText);

        label.setCaption(QStringLiteral("one two"));
        QVERIFY(!label.isElided());
        QCOMPARE(label.shownLines(), QStringList{QStringLiteral("one two")});
        QVERIFY(label.toolTip().isEmpty());
        label.setAlwaysTipsCaption(true);
        QCOMPARE(label.toolTip(), QStringLiteral("one two"));
    }

    void theRunsSentencesShowWholeLinesAndTipTheirText()
    {
        // A large abandonment makes the longest numbers the sentences can hold.
        QTest::keyClick(widgetOf<QScrollBar>(*window_, "vscGainLoss"), Qt::Key_Home);
        QCOMPARE(window_->form().control("vscGainLoss").value, 30000);
        for (const char* name : {"Label3", "Label4", "Label6"}) {
            auto* label = qobject_cast<CaptionLabel*>(window_->controlWidget(QString::fromLatin1(name)));
            QVERIFY(label);
            QCOMPARE(label->toolTip(), QString::fromStdString(window_->form().caption(name)));
            const QFontMetrics metrics(label->font());
            const QStringList lines = label->shownLines();
            QVERIFY(!lines.isEmpty());
            QVERIFY((lines.size() - 1) * metrics.lineSpacing() + metrics.height() <= label->height());
            if (!label->isElided()) QCOMPARE(lines.join(' ').simplified(), label->text().simplified());
        }
    }

    void everyInputExplainsItselfInATooltip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("says");  // a part of its range or unit, worked from the model's checks
        QTest::newRow("txtAdultSurv") << "txtAdultSurv"
                                      << "at least 0 and below 1";
        QTest::newRow("txtJuvSurv") << "txtJuvSurv"
                                    << "threshold";
        QTest::newRow("txtRecruit") << "txtRecruit"
                                    << "years";
        QTest::newRow("txtSenile") << "txtSenile"
                                   << "at most 10";
        QTest::newRow("txtLitter") << "txtLitter"
                                   << "female pups";
        QTest::newRow("txtFecundity") << "txtFecundity"
                                      << "0 to 1";
        QTest::newRow("txtCurrentOwnedSteril") << "txtCurrentOwnedSteril"
                                               << "70";
        QTest::newRow("txtStart") << "txtStart"
                                  << "1950 to 2050";
        QTest::newRow("txtTimes") << "txtTimes"
                                  << "times";
        QTest::newRow("txtFrom") << "txtFrom"
                                 << "killed.txt";
        QTest::newRow("txtTo") << "txtTo"
                               << "calendar year";
        QTest::newRow("vscGainLoss") << "vscGainLoss"
                                     << "1 to 30,000";
        QTest::newRow("hscSterilise") << "hscSterilise"
                                      << "0 to 100";
        QTest::newRow("vscTarget") << "vscTarget"
                                   << "0 to 100";
        QTest::newRow("chkSterilise") << "chkSterilise"
                                      << "one-year-olds";
        QTest::newRow("chkLog") << "chkLog"
                                << "ln(dogs + 1)";
        QTest::newRow("txtImmigrants") << "txtImmigrants"
                                       << "empty is 0";
        QTest::newRow("txtCapacity") << "txtCapacity"
                                     << "empty: pups' survival does not depend on crowding";
        QTest::newRow("txtCompensation") << "txtCompensation"
                                         << "read only when a capacity is set";
        QTest::newRow("txtStop") << "txtStop"
                                 << "not before the start year";
        QTest::newRow("txtOperations") << "txtOperations"
                                       << "empty: the rate bar sets the programme";
        QTest::newRow("cmdRun") << "cmdRun"
                                << "Enter";
    }
    void everyInputExplainsItselfInATooltip()
    {
        QFETCH(QString, name);
        QFETCH(QString, says);
        QWidget* widget = window_->controlWidget(name);
        QVERIFY(widget);
        QVERIFY2(widget->toolTip().contains(says), qPrintable(widget->toolTip()));
        if (BarValueBox* box = window_->valueBox(name)) QCOMPARE(box->toolTip(), widget->toolTip());
    }

    void theMenusOfferTheWindowsActions()
    {
        QStringList titles;
        for (QAction* action : window_->menuBar()->actions()) titles << action->text().remove('&');
        QCOMPARE(titles, QStringList({"File", "Edit", "View", "Analysis", "Help"}));
        QStringList file;
        for (QAction* action : window_->fileMenu()->actions())
            if (!action->isSeparator()) file << action->text().remove('&');
        QCOMPARE(file, QStringList({"Open scenario...", "Open recent", "Save scenario", "Save scenario as...",
                                    "Report details...", "Export report...", "Export chart as PNG...",
                                    "Export chart as SVG...", "Copy yearly data", "Quit"}));

        // The Analysis menu holds what the planner, the analyses' views and scenarios bring.
        QMenu* analysis = window_->analysisMenu();
        QVERIFY(analysis);
        QStringList views;
        for (QAction* action : analysis->actions()) views << action->text().remove('&');
        QCOMPARE(views, QStringList({"Sensitivity...", "Uncertainty...", "Planner...", "Match a count...",
                                     "Compare scenarios..."}));

        // View: gridlines and legend reach the chart.
        auto* view = window_->menuBar()->findChild<QMenu*>(QStringLiteral("viewMenu"));
        QVERIFY(view);
        view->actions().at(0)->trigger();
        QVERIFY(window_->chart().gridlines());
        view->actions().at(1)->trigger();
        QVERIFY(!window_->chart().legendShown());
    }

    // Typed operations grey the rate bar and its value box, and Label4 says why, until the text is
    // emptied again; the program can still set the bar.
    void operationsGreyTheRateBarUntilEmptied_data()
    {
        QTest::addColumn<QString>("operations");
        QTest::addColumn<QString>("firstYear");  // Label4 after a run
        QTest::newRow("a number") << "3000"
                                  << "in 2005: 3,000 sterilisations (1,500 owned, 1,500 street) of 3,000 a year";
        QTest::newRow("zero") << "0"
                              << "in 2005: 0 sterilisations (0 owned, 0 street) of 0 a year";
    }
    void operationsGreyTheRateBarUntilEmptied()
    {
        QFETCH(QString, operations);
        QFETCH(QString, firstYear);
        auto* bar = widgetOf<QScrollBar>(*window_, "hscSterilise");
        auto* label4 = qobject_cast<CaptionLabel*>(window_->controlWidget(QStringLiteral("Label4")));
        QVERIFY(bar->isEnabled() && window_->valueBox(QStringLiteral("hscSterilise"))->isEnabled());

        typeInto("txtOperations", operations);
        QVERIFY(!bar->isEnabled());
        QVERIFY(!window_->valueBox(QStringLiteral("hscSterilise"))->isEnabled());
        QCOMPARE(label4->text(), QStringLiteral("set by sterilisations per year"));
        QTest::mouseClick(&run(), Qt::LeftButton);
        QCOMPARE(label4->text(), firstYear);

        // What --value does: the bar moves and the run goes on from the operations.
        window_->binding().apply(ControlValue::value("hscSterilise", 500));
        QCOMPARE(bar->value(), 500);
        QVERIFY(!bar->isEnabled());
        QCOMPARE(label4->text(), firstYear);

        typeInto("txtOperations", QStringLiteral("  "));  // blanks are empty
        QVERIFY(bar->isEnabled());
        QVERIFY(window_->valueBox(QStringLiteral("hscSterilise"))->isEnabled());
        QCOMPARE(label4->text(), QStringLiteral("50% sterilised per year"));
        typeInto("txtOperations", operations);
        QTest::keyClick(widgetOf<QLineEdit>(*window_, "txtOperations"), Qt::Key_Backspace);
        QCOMPARE(bar->isEnabled(), operations.size() == 1);
    }

    // View > First year shown cuts the chart's years where they are painted, at once and without a
    // run or a stale mark; the window model's display list stays as the run drew it.
    void theFirstYearShownCutsTheChartsYearsAtOnce()
    {
        typeInto("txtStart", QStringLiteral("2026"));
        QTest::mouseClick(widgetOf<QPushButton>(*window_, "cmdRun"), Qt::LeftButton);
        const int runs = log_->runs();
        const std::vector<DrawOp> ops = window_->form().canvas().ops();
        QCOMPARE(window_->chart().chartLayout().firstYear, 1950);
        auto* menu = window_->menuBar()->findChild<QMenu*>(QStringLiteral("firstYearMenu"));
        QVERIFY(menu);
        QAction* beforeStart = menu->findChild<QAction*>(QStringLiteral("firstYearBeforeStartAction"));
        QAction* from1950 = menu->findChild<QAction*>(QStringLiteral("firstYear1950Action"));
        QVERIFY(beforeStart && from1950 && from1950->isChecked());
        QCOMPARE(beforeStart->text(), QStringLiteral("Ten years before the programme starts"));

        beforeStart->trigger();
        const render::MainChartLayout cut = window_->chart().chartLayout();
        QCOMPARE(cut.firstYear, 2016);
        QCOMPARE(cut.yearLabels.front().text, QStringLiteral("2020"));
        QCOMPARE(cut.curves.front().pieces.front().size(), qsizetype(2050 - 2016 + 1));
        QCOMPARE(window_->form().keptSettings().firstYearShown, std::optional(FirstYearShown::TenYearsBeforeStart));
        QCOMPARE(log_->runs(), runs);
        QVERIFY(!window_->chart().isStale());
        QCOMPARE(window_->form().canvas().ops().size(), ops.size());

        from1950->trigger();
        QCOMPARE(window_->chart().chartLayout().firstYear, 1950);
    }

    // The street coverage, chosen in the View menu, is a fourth, dashed curve on 0..100 % with its
    // own legend entry; without it the chart has its three curves.
    void streetCoverageIsChartedWhenChosen()
    {
        const render::MainChartLayout before = window_->chart().chartLayout();
        QCOMPARE(before.curves.size(), std::size_t(3));
        QVERIFY(!before.streetCoverage);
        auto* view = window_->menuBar()->findChild<QMenu*>(QStringLiteral("viewMenu"));
        QAction* coverage = view->findChild<QAction*>(QStringLiteral("streetCoverageAction"));
        QVERIFY(coverage && coverage->isCheckable() && !coverage->isChecked());
        coverage->trigger();
        QVERIFY(window_->form().chartsStreetCoverage());
        QCOMPARE(log_->runs(), 1);

        const render::MainChartLayout after = window_->chart().chartLayout();
        QCOMPARE(after.curves.size(), std::size_t(4));
        QVERIFY(after.streetCoverage);
        const render::MainChartLayout::Curve& curve = after.curves.back();
        QCOMPARE(curve.series, 3);
        QCOMPARE(curve.colour, render::toQColor(kPurple));
        QCOMPARE(render::curveLine(curve.colour).style(), Qt::DashDotLine);
        // 0 % lies at 90 % of the target's height and 100 % at 10 %: the programme starts in 2005,
        // before which nothing is sterilised.
        const QRectF& target = after.target;
        const double zero = after.toPixels(0, 0.9 * after.scaleHeight).y();
        const double hundred = after.toPixels(0, 0.1 * after.scaleHeight).y();
        QCOMPARE(curve.pieces.size(), qsizetype(1));
        const QPolygonF& points = curve.pieces.front();
        QCOMPARE(points.size(), qsizetype(102));  // 1950's point, joined to itself first
        QVERIFY(std::abs(points.front().y() - zero) < 0.01);
        for (const QPointF& point : points) {
            QVERIFY(point.y() <= zero + 0.01 && point.y() >= hundred - 0.01);
            QVERIFY(target.contains(point));
        }
        QVERIFY(points.back().y() < zero - 0.1 * (zero - hundred));
        QCOMPARE(render::legendEntries(true).size(), 4);
        QVERIFY(render::legendEntries(true).back().contains(QStringLiteral("street coverage")));

        coverage->trigger();
        QCOMPARE(window_->chart().chartLayout().curves.size(), std::size_t(3));
        QVERIFY(!window_->chart().chartLayout().streetCoverage);
    }

    // A programme that stops tells when the street comes back; both new captions go pale with the
    // other run captions when an input changes.
    void aProgrammeThatStopsTellsOfItsRebound()
    {
        window_->binding().apply(ControlValue::value("vscTarget", 0));
        window_->binding().apply(ControlValue::value("hscSterilise", 1000));
        typeInto("txtStop", QStringLiteral("2010"));
        QTest::mouseClick(&run(), Qt::LeftButton);
        auto* rebound = qobject_cast<CaptionLabel*>(window_->controlWidget(QStringLiteral("lblRebound")));
        auto* coverage = qobject_cast<CaptionLabel*>(window_->controlWidget(QStringLiteral("lblCoverage")));
        QVERIFY(rebound && coverage);
        QVERIFY2(rebound->text().startsWith(QStringLiteral("back to 90 % of 2004's street dogs in ")),
                 qPrintable(rebound->text()));
        QVERIFY(rebound->text().endsWith(QStringLiteral(" after the programme stops")));
        QVERIFY2(coverage->text().contains(QStringLiteral(" % in 2015, ")), qPrintable(coverage->text()));
        QVERIFY(!rebound->isStale() && !coverage->isStale());

        typeInto("txtStop", QStringLiteral("2011"));
        QVERIFY(rebound->isStale() && coverage->isStale());
        typeInto("txtStop", QString());
        QTest::keyClick(widgetOf<QLineEdit>(*window_, "txtStop"), Qt::Key_Backspace);  // the selection
        QTest::mouseClick(&run(), Qt::LeftButton);
        QCOMPARE(rebound->text(), QString());
        QVERIFY(!coverage->isStale());
    }

    void f1OpensTheHelpOnEveryInputAndTheModelsLimits()
    {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(window_.get(), Qt::Key_F1);
        auto* help = window_->findChild<HelpDialog*>();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        const QString text = help->browser().toPlainText();
        for (const char* words : {"adult survival",
                                  "juvenile survival",
                                  "age at first litter",
                                  "age at last litter",
                                  "female pups per litter",
                                  "prob. pregnant",
                                  "% owned dogs sterilised",
                                  "abandoned per year",
                                  "sterilising starts in",
                                  "times in first year",
                                  "sterilisation rate",
                                  "share aimed at owned dogs",
                                  "only 1-year olds",
                                  "dogs killed from",
                                  "dogs killed to",
                                  "log scale",
                                  "intact females arriving per year",
                                  "street carrying capacity",
                                  "compensation",
                                  "sterilising stops after",
                                  "sterilisations per year",
                                  "not moved to the street"})
            QVERIFY2(text.contains(QString::fromLatin1(words)), words);
        for (const char* limit : {"female", "1950 to 2050", "70 %", "threshold", "1 / pups per yearling"})
            QVERIFY2(text.contains(QString::fromLatin1(limit)), limit);
        QVERIFY(text.contains(QStringLiteral("at least 0 and below 1")));
    }
};

QTEST_MAIN(GuiWindowTest)
#include "gui_window_test.moc"
