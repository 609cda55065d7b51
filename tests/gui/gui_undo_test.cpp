// Undo and redo of every input change: a committed text edit, a bar step or drag, a check box, a
// typed bar value, and several values set as one step. Undo applies the old values as ordinary
// change events: a bar's reruns the model, a text's only updates its indicators.

#include "gui/window/bar_value_box.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QUndoStack>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

class GuiUndoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchDirectory> scratch_;
    std::unique_ptr<FormWindow> window_;
    std::unique_ptr<EventLog> log_;

    QUndoStack& stack() const { return window_->undoStack(); }
    std::string text(const char* box) const { return window_->form().text(box); }
    int value(const char* control) const { return window_->form().control(control).value; }
    std::string caption(const char* label) const { return window_->form().caption(label); }

    // Types `keys` into a text box one key at a time, over its whole text, without leaving it.
    void typeInto(const char* textBox, const QString& keys)
    {
        auto* edit = widgetOf<QLineEdit>(*window_, textBox);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }
    void leave() { widgetOf<QPushButton>(*window_, "cmdRun")->setFocus(); }

private slots:
    void init()
    {
        scratch_ = std::make_unique<ScratchDirectory>();
        window_ = startWindow();
        QVERIFY(window_);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        log_ = std::make_unique<EventLog>(window_->binding());
    }
    void cleanup()
    {
        log_.reset();
        window_.reset();
        scratch_.reset();
    }

    void startUpLeavesNothingToUndo()
    {
        QCOMPARE(stack().count(), 0);
        QVERIFY(!stack().canUndo());
    }

    void aTextEditIsOneStepOnceCommitted_data()
    {
        QTest::addColumn<QString>("commit");
        QTest::newRow("leaving the box") << "leave";
        QTest::newRow("Enter") << "enter";
    }
    void aTextEditIsOneStepOnceCommitted()
    {
        QFETCH(QString, commit);
        const std::string lifespan = caption("Label10");  // "expected lifespan at one year = 7.4"
        typeInto("txtAdultSurv", QStringLiteral("0.95"));
        QCOMPARE(stack().count(), 0);  // typing alone is no step yet
        if (commit == QStringLiteral("leave"))
            leave();
        else
            QTest::keyClick(widgetOf<QLineEdit>(*window_, "txtAdultSurv"), Qt::Key_Return);
        QCOMPARE(stack().count(), 1);
        // 1 + the sum over k = 2..9 of 0.05 * 0.95^(k-1) * k, + 10 * 0.95^9 = 8.98
        const std::string longer = "expected lifespan at one year = 9.0";
        QCOMPARE(caption("Label10"), longer);
        const int runs = log_->runs();  // Enter also pressed Run

        window_->undo();
        QCOMPARE(text("txtAdultSurv"), std::string("0.9"));
        QCOMPARE(widgetOf<QLineEdit>(*window_, "txtAdultSurv")->text(), QStringLiteral("0.9"));
        QCOMPARE(caption("Label10"), lifespan);  // its indicators follow, as after typing
        QCOMPARE(log_->runs(), runs);  // a text starts no run
        QVERIFY(window_->resultsStale());

        window_->redo();
        QCOMPARE(text("txtAdultSurv"), std::string("0.95"));
        QCOMPARE(caption("Label10"), longer);
        QCOMPARE(log_->runs(), runs);
    }

    void theAgeAtFirstLitterFloorBelongsToTheEditThatCausedIt()
    {
        typeInto("txtRecruit", QStringLiteral("2"));
        leave();
        typeInto("txtRecruit", QStringLiteral("0"));  // the window makes it "1"
        leave();
        QCOMPARE(text("txtRecruit"), std::string("1"));
        QCOMPARE(stack().count(), 2);
        window_->undo();
        QCOMPARE(text("txtRecruit"), std::string("2"));
        window_->undo();
        QCOMPARE(text("txtRecruit"), std::string("1"));
        QCOMPARE(stack().index(), 0);
        window_->redo();
        window_->redo();
        QCOMPARE(text("txtRecruit"), std::string("1"));
    }

    void aBarStepIsOneStepAndItsUndoReruns()
    {
        QTest::keyClick(widgetOf<QScrollBar>(*window_, "hscSterilise"), Qt::Key_Right);
        QCOMPARE(value("hscSterilise"), 253);
        QCOMPARE(stack().count(), 1);
        QCOMPARE(log_->runs(), 1);
        const std::string firstYear = caption("Label4");

        window_->undo();
        QCOMPARE(value("hscSterilise"), 252);
        QCOMPARE(widgetOf<QScrollBar>(*window_, "hscSterilise")->value(), 252);
        QCOMPARE(window_->valueBox(QStringLiteral("hscSterilise"))->text(), QStringLiteral("25.2 %"));
        QCOMPARE(log_->runs(), 2);
        QVERIFY(caption("Label4") != firstYear);
        QVERIFY(!window_->resultsStale());

        window_->redo();
        QCOMPARE(value("hscSterilise"), 253);
        QCOMPARE(log_->runs(), 3);
        QCOMPARE(caption("Label4"), firstYear);
    }

    void aBarDragIsOneStep()
    {
        auto* bar = widgetOf<QScrollBar>(*window_, "vscGainLoss");
        bar->setSliderDown(true);
        for (int widgetValue : {30001 - 4500, 30001 - 6000, 30001 - 9000}) bar->setSliderPosition(widgetValue);
        bar->setSliderDown(false);
        QCOMPARE(value("vscGainLoss"), 9000);
        QCOMPARE(log_->runs(), 3);  // the model follows the drag
        QCOMPARE(stack().count(), 1);
        window_->undo();
        QCOMPARE(value("vscGainLoss"), 4000);
        QCOMPARE(caption("Label2"), std::string("4,000 1-year old females abandoned per year"));
        QCOMPARE(log_->runs(), 4);
    }

    void checkBoxesAndTypedBarValuesAreStepsToo()
    {
        QTest::mouseClick(widgetOf<QCheckBox>(*window_, "chkLog"), Qt::LeftButton);
        BarValueBox* box = window_->valueBox(QStringLiteral("vscTarget"));
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("80"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(value("vscTarget"), 80);
        QCOMPARE(stack().count(), 2);

        window_->undo();
        QCOMPARE(value("vscTarget"), 50);
        QCOMPARE(box->text(), QStringLiteral("50 %"));
        window_->undo();
        QCOMPARE(value("chkLog"), 0);
        QVERIFY(!widgetOf<QCheckBox>(*window_, "chkLog")->isChecked());
        QVERIFY(window_->resultsStale());  // the chart was drawn with the log scale
    }

    void undoFirstCommitsWhatIsBeingTyped()
    {
        typeInto("txtLitter", QStringLiteral("3"));
        QVERIFY(window_->history().hasPendingEdits());
        // Ctrl+Z in the box undoes the window's step, not the box's own typing history.
        QTest::keySequence(widgetOf<QLineEdit>(*window_, "txtLitter"), QKeySequence::Undo);
        QCOMPARE(text("txtLitter"), std::string("2"));
        QVERIFY(!window_->history().hasPendingEdits());
        QCOMPARE(stack().index(), 0);
        QVERIFY(stack().canRedo());
        window_->redo();
        QCOMPARE(text("txtLitter"), std::string("3"));
    }

    void severalValuesAreOneStep()
    {
        const std::vector<ControlValue> cell{ControlValue::value("hscSterilise", 400),
                                             ControlValue::value("vscTarget", 30)};
        window_->applyControlValues(QStringLiteral("Planner cell"), cell);
        QCOMPARE(value("hscSterilise"), 400);
        QCOMPARE(value("vscTarget"), 30);
        QCOMPARE(stack().count(), 1);
        QCOMPARE(stack().undoText(), QStringLiteral("Planner cell"));
        QCOMPARE(log_->runs(), 2);  // each bar's change event reruns, as moving it would

        window_->undo();
        QCOMPARE(value("hscSterilise"), 252);
        QCOMPARE(value("vscTarget"), 50);
        QCOMPARE(log_->runs(), 4);
        window_->redo();
        QCOMPARE(value("hscSterilise"), 400);
        QCOMPARE(value("vscTarget"), 30);

        // Texts among them start no run; what the window made of a text is what redo restores.
        log_->clear();
        window_->applyControlValues(QStringLiteral("Scenario"),
                                    {ControlValue::text("txtRecruit", "0.5"), ControlValue::text("txtStart", "2010"),
                                     ControlValue::value("chkSterilise", 1)});
        QCOMPARE(text("txtRecruit"), std::string("1"));
        QCOMPARE(text("txtStart"), std::string("2010"));
        QCOMPARE(value("chkSterilise"), 1);
        QCOMPARE(log_->runs(), 0);
        QCOMPARE(stack().count(), 2);
        window_->undo();
        QCOMPARE(text("txtStart"), std::string("2005"));
        QCOMPARE(value("chkSterilise"), 0);
        window_->redo();
        QCOMPARE(text("txtRecruit"), std::string("1"));
    }

    void aBadValueChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        QTest::newRow("outside a bar's range") << "hscSterilise" << 1001;
        QTest::newRow("a check box's 2") << "chkLog" << 2;
        QTest::newRow("no such control") << "hscNothing" << 1;
        QTest::newRow("a label") << "Label4" << 1;
    }
    void aBadValueChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, value);
        const std::vector<ControlValue> values{ControlValue::value("vscTarget", 20),
                                               ControlValue::value(name.toStdString(), value)};
        QVERIFY_THROWS_EXCEPTION(ControlError, window_->applyControlValues(QStringLiteral("bad"), values));
        QCOMPARE(this->value("vscTarget"), 50);
        QCOMPARE(stack().count(), 0);
        QCOMPARE(log_->runs(), 0);
    }

    void aStepThatChangesNothingIsNotKept()
    {
        window_->applyControlValues(QStringLiteral("same"), {ControlValue::value("vscTarget", 50)});
        QCOMPARE(stack().count(), 0);
    }

    void aViewMayApplyTheValuesItsOwnWay()
    {
        // Opening a scenario holds the change events back and runs once: its applier gets all the
        // values in one call, for the step and for its undo.
        std::vector<std::vector<ControlValue>> calls;
        const ControlApplier applier = [&](const std::vector<ControlValue>& values) {
            calls.push_back(values);
            for (const ControlValue& v : values) window_->binding().apply(v);
        };
        window_->applyControlValues(QStringLiteral("Open scenario"),
                                    {ControlValue::text("txtTimes", "2"), ControlValue::value("vscGainLoss", 5000)},
                                    applier);
        QCOMPARE(calls.size(), std::size_t(1));
        QCOMPARE(calls[0].size(), std::size_t(2));
        window_->undo();
        QCOMPARE(calls.size(), std::size_t(2));
        QCOMPARE(calls[1].front().name, std::string("vscGainLoss"));  // undone in reverse order
        QCOMPARE(std::get<int>(calls[1].front().setting), 4000);
        QCOMPARE(text("txtTimes"), std::string("1"));
    }
};

QTEST_MAIN(GuiUndoTest)
#include "gui_undo_test.moc"
