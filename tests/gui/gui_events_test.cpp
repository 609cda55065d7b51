// User actions in the real widgets: each change of a value raises exactly one window-model event,
// captions follow in the handlers' order, and a change the model makes comes back into its widget
// without a second event.

#include "gui/window/chart_view.h"
#include "gui/window/window_shortcut_keys.h"
#include "gui_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

namespace {

// How a user moves a scroll bar: an arrow or the track (the bar's own actions), a key, or a drag.
enum class Move {
    UpOrLeftArrow,
    DownOrRightArrow,
    TrackBefore,
    TrackAfter,
    ToTopOrLeft,
    ToBottomOrRight,
    KeyUp,
    KeyDown,
    KeyLeft,
    KeyRight,
    KeyPageUp,
    DragTo
};

// A text box that takes Ctrl+E for itself (to the end of the line), as some desktops' keys do.
class GreedyLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_E)) {
                event->accept();
                return true;
            }
        }
        return QLineEdit::event(event);
    }
    void keyPressEvent(QKeyEvent* key) override
    {
        if (key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_E))
            end(false);
        else
            QLineEdit::keyPressEvent(key);
    }
};

void perform(QScrollBar& bar, Move move, int widgetTarget)
{
    switch (move) {
    case Move::UpOrLeftArrow: bar.triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Move::DownOrRightArrow: bar.triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Move::TrackBefore: bar.triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Move::TrackAfter: bar.triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Move::ToTopOrLeft: bar.triggerAction(QAbstractSlider::SliderToMinimum); break;
    case Move::ToBottomOrRight: bar.triggerAction(QAbstractSlider::SliderToMaximum); break;
    case Move::KeyUp: QTest::keyClick(&bar, Qt::Key_Up); break;
    case Move::KeyDown: QTest::keyClick(&bar, Qt::Key_Down); break;
    case Move::KeyLeft: QTest::keyClick(&bar, Qt::Key_Left); break;
    case Move::KeyRight: QTest::keyClick(&bar, Qt::Key_Right); break;
    case Move::KeyPageUp: QTest::keyClick(&bar, Qt::Key_PageUp); break;
    case Move::DragTo:
        bar.setSliderDown(true);
        bar.setSliderPosition(widgetTarget);
        bar.setSliderDown(false);
        break;
    }
}

}  // namespace

Q_DECLARE_METATYPE(Move)

class GuiEventsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchDirectory> scratch_;
    std::unique_ptr<FormWindow> window_;
    std::unique_ptr<EventLog> log_;

    QString caption(const char* label) const { return widgetOf<QLabel>(*window_, label)->text(); }

    void typeInto(const char* textBox, const QString& keys, bool replace)
    {
        auto* edit = widgetOf<QLineEdit>(*window_, textBox);
        edit->setFocus();
        if (replace)
            edit->selectAll();
        else
            edit->end(false);
        QTest::keyClicks(edit, keys);
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

    void eachScrollBarChangeRunsOnceAndSetsItsCaption_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<Move>("move");
        QTest::addColumn<int>("dragTo");  // widget value, for a drag only
        QTest::addColumn<int>("expected");  // the model's value afterwards
        QTest::addColumn<QString>("caption");  // "" when the bar has none

        const QString rate = QStringLiteral("Label4=%1% sterilised per year");
        QTest::newRow("hsc right arrow") << "hscSterilise" << Move::DownOrRightArrow << 0 << 253 << rate.arg("25.3");
        QTest::newRow("hsc left arrow") << "hscSterilise" << Move::UpOrLeftArrow << 0 << 251 << rate.arg("25.1");
        QTest::newRow("hsc track right") << "hscSterilise" << Move::TrackAfter << 0 << 262 << rate.arg("26.2");
        QTest::newRow("hsc right key") << "hscSterilise" << Move::KeyRight << 0 << 253 << rate.arg("25.3");
        QTest::newRow("hsc left key") << "hscSterilise" << Move::KeyLeft << 0 << 251 << rate.arg("25.1");
        QTest::newRow("hsc drag") << "hscSterilise" << Move::DragTo << 5 << 5 << rate.arg("0.5");
        QTest::newRow("hsc to left end") << "hscSterilise" << Move::ToTopOrLeft << 0 << 0 << rate.arg("0");

        const QString abandoned = QStringLiteral("Label2=%1 1-year old females abandoned per year");
        QTest::newRow("gainloss up arrow")
            << "vscGainLoss" << Move::UpOrLeftArrow << 0 << 4010 << abandoned.arg("4,010");
        QTest::newRow("gainloss down arrow")
            << "vscGainLoss" << Move::DownOrRightArrow << 0 << 3990 << abandoned.arg("3,990");
        QTest::newRow("gainloss track above")
            << "vscGainLoss" << Move::TrackBefore << 0 << 5000 << abandoned.arg("5,000");
        QTest::newRow("gainloss up key") << "vscGainLoss" << Move::KeyUp << 0 << 4010 << abandoned.arg("4,010");
        QTest::newRow("gainloss down key") << "vscGainLoss" << Move::KeyDown << 0 << 3990 << abandoned.arg("3,990");
        QTest::newRow("gainloss page up key")
            << "vscGainLoss" << Move::KeyPageUp << 0 << 5000 << abandoned.arg("5,000");
        QTest::newRow("gainloss thumb to top")
            << "vscGainLoss" << Move::ToTopOrLeft << 0 << 30000 << abandoned.arg("30,000");
        QTest::newRow("gainloss thumb to bottom")
            << "vscGainLoss" << Move::ToBottomOrRight << 0 << 1 << abandoned.arg("1");
        QTest::newRow("gainloss drag") << "vscGainLoss" << Move::DragTo << 30001 - 1200 << 1200
                                       << abandoned.arg("1,200");

        QTest::newRow("target up key") << "vscTarget" << Move::KeyUp << 0 << 51 << "";
        QTest::newRow("target track below") << "vscTarget" << Move::TrackAfter << 0 << 49 << "";
        QTest::newRow("target thumb to top") << "vscTarget" << Move::ToTopOrLeft << 0 << 100 << "";
        QTest::newRow("target drag") << "vscTarget" << Move::DragTo << 75 << 25 << "";
    }
    void eachScrollBarChangeRunsOnceAndSetsItsCaption()
    {
        QFETCH(QString, bar);
        QFETCH(Move, move);
        QFETCH(int, dragTo);
        QFETCH(int, expected);
        QFETCH(QString, caption);

        auto* widget = qobject_cast<QScrollBar*>(window_->controlWidget(bar));
        widget->setFocus();
        perform(*widget, move, dragTo);

        QCOMPARE(window_->form().control(bar.toStdString()).value, expected);
        QCOMPARE(log_->runs(), 1);
        QCOMPARE(log_->count(QStringLiteral("chart")), 1);
        QCOMPARE(log_->count(bar + "=" + QString::number(expected)), 1);
        if (bar == QStringLiteral("hscSterilise")) {
            // The caption is written before the run starts.
            QVERIFY(log_->entries().indexOf(caption) >= 0);
            QVERIFY(log_->entries().indexOf(caption) < log_->indexOf(QStringLiteral("run")));
        } else if (bar == QStringLiteral("vscGainLoss")) {
            // The run comes first, the caption after it.
            QCOMPARE(log_->startingWith(QStringLiteral("Label2=")), QStringList{caption});
            QVERIFY(log_->indexOf(QStringLiteral("run")) < log_->entries().indexOf(caption));
            QCOMPARE(this->caption("Label2"), caption.section('=', 1));
        } else {
            QCOMPARE(log_->startingWith(QStringLiteral("Label2=")).size(), 0);
        }
        QVERIFY(window_->faultLine().text().isEmpty());
    }

    void aMoveThatChangesNothingRunsNothing()
    {
        auto* target = widgetOf<QScrollBar>(*window_, "vscTarget");
        target->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(log_->runs(), 1);
        QTest::keyClick(target, Qt::Key_Up);
        target->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(log_->runs(), 1);
        QCOMPARE(window_->form().control("vscTarget").value, 100);
    }

    void severalKeyPressesRunOnceEach()
    {
        auto* bar = widgetOf<QScrollBar>(*window_, "hscSterilise");
        for (int i = 0; i < 3; ++i) QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(log_->runs(), 3);
        QCOMPARE(window_->form().control("hscSterilise").value, 255);
    }

    void typingAdultSurvivalUpdatesTheIndicatorsWithoutARun()
    {
        const QString threshold = caption("Label1(1)");
        const QString atBirth = caption("Label9");
        const QString atOne = caption("Label10");
        const unsigned long revision = window_->form().canvas().revision();

        typeInto("txtAdultSurv", QStringLiteral("5"), false);

        QCOMPARE(window_->form().text("txtAdultSurv"), std::string("0.95"));
        QVERIFY(caption("Label1(1)") != threshold);
        QVERIFY(caption("Label9") != atBirth);
        QVERIFY(caption("Label10") != atOne);
        QCOMPARE(caption("Label9"), QString::fromStdString(window_->form().caption("Label9")));
        QCOMPARE(log_->runs(), 0);
        QCOMPARE(window_->form().canvas().revision(), revision);
        // Lifespans come before the threshold.
        QVERIFY(log_->indexOf(QStringLiteral("Label9=")) < log_->indexOf(QStringLiteral("Label1(1)=")));
    }

    void recruitZeroLeavesOneWithoutASpuriousEvent()
    {
        typeInto("txtRecruit", QStringLiteral("0"), true);
        QCOMPARE(widgetOf<QLineEdit>(*window_, "txtRecruit")->text(), QStringLiteral("1"));
        QCOMPARE(window_->form().text("txtRecruit"), std::string("1"));
        QCOMPARE(log_->startingWith(QStringLiteral("txtRecruit=")),
                 QStringList({QStringLiteral("txtRecruit=0"), QStringLiteral("txtRecruit=1")}));
        QCOMPARE(log_->runs(), 0);
        QVERIFY(window_->faultLine().text().isEmpty());
    }

    void aBadTextShowsTheFaultAndTheWindowKeepsWorking()
    {
        typeInto("txtJuvSurv", QStringLiteral("x"), true);
        QVERIFY(!window_->faultLine().text().isEmpty());
        QCOMPARE(window_->faultLine().toolTip(), QString::fromStdString(window_->form().currentFault()));
        QCOMPARE(window_->faultLine().palette().color(QPalette::WindowText), QColor(Qt::red));

        // A run with the bad text faults too, and is reported the same way.
        QTest::keyClick(widgetOf<QScrollBar>(*window_, "hscSterilise"), Qt::Key_Right);
        QCOMPARE(log_->runs(), 0);
        QVERIFY(!window_->faultLine().text().isEmpty());

        typeInto("txtJuvSurv", QStringLiteral(".1"), true);
        QTest::keyClick(widgetOf<QScrollBar>(*window_, "hscSterilise"), Qt::Key_Right);
        QCOMPARE(log_->runs(), 1);
        QVERIFY(window_->faultLine().text().isEmpty());
        QCOMPARE(window_->form().control("hscSterilise").value, 254);
    }

    // A number box takes a comma as the decimal point it means; a year box is left alone.
    void aCommaTypedIntoANumberBoxBecomesAPoint_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reads");
        QTest::newRow("adult survival") << "txtAdultSurv"
                                        << "0,85"
                                        << "0.85";
        QTest::newRow("arrivals") << "txtImmigrants"
                                  << "12,5"
                                  << "12.5";
        QTest::newRow("two commas") << "txtLitter"
                                    << "1,2,3"
                                    << "1.2.3";
    }
    void aCommaTypedIntoANumberBoxBecomesAPoint()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, reads);
        typeInto(qPrintable(box), typed, true);
        QCOMPARE(widgetOf<QLineEdit>(*window_, qPrintable(box))->text(), reads);
        QCOMPARE(QString::fromStdString(window_->form().text(box.toStdString())), reads);
    }

    // The menus' keys work from a text box, even one that (as with Emacs-style keys on some
    // desktops) would take Ctrl+E for itself, and leave its text alone. Without the window's keys
    // the text box keeps the key: the case is real.
    void aMenuKeyInATextBoxIsTheMenus_data()
    {
        QTest::addColumn<bool>("windowKeys");
        QTest::addColumn<int>("triggered");
        QTest::newRow("with the window's keys") << true << 1;
        QTest::newRow("without them") << false << 0;
    }
    void aMenuKeyInATextBoxIsTheMenus()
    {
        QFETCH(bool, windowKeys);
        QFETCH(int, triggered);
        QWidget window;
        auto* exportChart = new QAction(QStringLiteral("Export chart"), &window);
        exportChart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
        window.addAction(exportChart);
        auto* edit = new GreedyLineEdit(&window);
        edit->setText(QStringLiteral("0.9"));
        if (windowKeys) edit->installEventFilter(new WindowShortcutKeys(&window));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        edit->home(false);
        QSignalSpy spy(exportChart, &QAction::triggered);
        QTest::keyClick(edit, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(spy.count(), triggered);
        QCOMPARE(edit->cursorPosition(), windowKeys ? 0 : 3);
        QCOMPARE(edit->text(), QStringLiteral("0.9"));
    }

    void enterPressesRunWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("text box") << "txtAdultSurv";
        QTest::newRow("scroll bar") << "vscTarget";
        QTest::newRow("button") << "cmdRun";
    }
    void enterPressesRunWhereverTheFocusIs()
    {
        QFETCH(QString, focus);
        QWidget* widget = window_->controlWidget(focus);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return);
        QCOMPARE(log_->runs(), 1);
        QTest::keyClick(widget, Qt::Key_Enter);
        QCOMPARE(log_->runs(), 2);
    }

    void clickingRunRunsOnce()
    {
        QTest::mouseClick(widgetOf<QPushButton>(*window_, "cmdRun"), Qt::LeftButton);
        QCOMPARE(log_->runs(), 1);
    }

    void checkBoxesSetTheirStateWithoutARun()
    {
        QTest::mouseClick(widgetOf<QCheckBox>(*window_, "chkLog"), Qt::LeftButton);
        QTest::keyClick(widgetOf<QCheckBox>(*window_, "chkSterilise"), Qt::Key_Space);
        QCOMPARE(window_->form().control("chkLog").value, 1);
        QCOMPARE(window_->form().control("chkSterilise").value, 1);
        QCOMPARE(log_->runs(), 0);
    }

    void everyRunIsAnnouncedWithWhatItRead()
    {
        QStringList over;
        connect(&window_->binding(), &FormBinding::runOver, this, [&] {
            const auto& read = window_->form().lastRunInputs();
            over << (read ? QString::number(read->inputs.programmeRate) : QStringLiteral("none"));
        });
        QTest::keyClick(widgetOf<QScrollBar>(*window_, "hscSterilise"), Qt::Key_Right);
        QCOMPARE(over, QStringList{QStringLiteral("253")});
        // A run that stops before it has read every input is over too, with nothing read.
        typeInto("txtAdultSurv", QStringLiteral("x"), true);
        QTest::mouseClick(widgetOf<QPushButton>(*window_, "cmdRun"), Qt::LeftButton);
        QCOMPARE(over, QStringList({QStringLiteral("253"), QStringLiteral("none")}));
        QCOMPARE(log_->runs(), 1);  // only the completed run drew its chart
    }

    void repaintingNeverRerunsTheModel()
    {
        const unsigned long revision = window_->form().canvas().revision();
        window_->chart().repaint();
        window_->resize(window_->width() + 40, window_->height() + 30);
        (void)window_->grab();
        QCOMPARE(window_->form().canvas().revision(), revision);
        QCOMPARE(log_->runs(), 0);
        QVERIFY(log_->entries().isEmpty());
    }
};

QTEST_MAIN(GuiEventsTest)
#include "gui_events_test.moc"
