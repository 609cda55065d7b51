// Windows that remember their place: where a remembered place lands on the screens there are now,
// and a window that is moved, closed and opened again.

#include "app/session_file.h"
#include "gui/analyses/sensitivity_view.h"
#include "gui/widgets/remembered_place.h"
#include "gui/window/form_window.h"
#include "gui_fixture.h"

#include <QGuiApplication>
#include <QScreen>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

Q_DECLARE_METATYPE(std::optional<QRect>)

class GuiRememberedPlaceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchDirectory> scratch_;

    static QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

private slots:
    void init() { scratch_ = std::make_unique<ScratchDirectory>(); }
    void cleanup() { scratch_.reset(); }

    void aPlaceLandsWithinTheScreenItIsOn_data()
    {
        QTest::addColumn<QRect>("remembered");
        QTest::addColumn<std::optional<QRect>>("placed");
        // A 1024 x 600 screen with a panel of 32 pixels at the top, and a second one right of it.
        QTest::newRow("inside") << QRect(100, 100, 800, 400) << std::optional(QRect(100, 100, 800, 400));
        QTest::newRow("too large") << QRect(0, 0, 1620, 1140) << std::optional(QRect(0, 32, 1024, 568));
        QTest::newRow("hanging off the bottom right")
            << QRect(600, 400, 400, 300) << std::optional(QRect(600, 300, 400, 300));
        QTest::newRow("under the panel") << QRect(10, 0, 400, 300) << std::optional(QRect(10, 32, 400, 300));
        QTest::newRow("mostly left of the screen")
            << QRect(-500, 100, 600, 300) << std::optional(QRect(0, 100, 600, 300));
        QTest::newRow("on the second screen") << QRect(1200, 50, 500, 300) << std::optional(QRect(1200, 50, 500, 300));
        QTest::newRow("on a screen that is gone") << QRect(4000, 100, 600, 300) << std::optional<QRect>();
        QTest::newRow("far above every screen") << QRect(100, -3000, 600, 300) << std::optional<QRect>();
        QTest::newRow("no size") << QRect(100, 100, 0, 0) << std::optional<QRect>();
    }
    void aPlaceLandsWithinTheScreenItIsOn()
    {
        QFETCH(QRect, remembered);
        QFETCH(std::optional<QRect>, placed);
        const std::vector<QRect> screens{QRect(0, 32, 1024, 568), QRect(1024, 0, 1280, 1024)};
        QCOMPARE(placeWithin(remembered, screens), placed);
    }

    void aMovedWindowOpensWhereItWasLeft()
    {
        const QRect screen = available();
        const QRect mainPlace(screen.left() + 30, screen.top() + 20, screen.width() - 100, screen.height() - 80);
        const QRect viewPlace(screen.left() + 60, screen.top() + 50, 520, 400);
        {
            FormWindow window;
            window.restorePlace();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.setGeometry(mainPlace);
            auto* sensitivity = new SensitivityView(window);
            sensitivity->show();
            QVERIFY(QTest::qWaitForWindowExposed(sensitivity));
            sensitivity->setGeometry(viewPlace);
            QCoreApplication::processEvents();
            QVERIFY(window.close());
        }
        const std::optional<Scenario> session = readSessionFile(scratch_->path().toStdString());
        QVERIFY(session);
        QCOMPARE(session->windows.at("main"),
                 (WindowPlace{mainPlace.x(), mainPlace.y(), mainPlace.width(), mainPlace.height(), false}));
        QCOMPARE(session->windows.at("sensitivity"),
                 (WindowPlace{viewPlace.x(), viewPlace.y(), viewPlace.width(), viewPlace.height(), false}));

        FormWindow again;
        again.restorePlace();
        QCOMPARE(again.geometry(), mainPlace);
        auto* sensitivity = new SensitivityView(again);
        QCOMPARE(sensitivity->geometry(), viewPlace);
    }

    void aPlaceOffEveryScreenOpensAtTheFittedDefault()
    {
        FormWindow window;
        const QRect fitted = window.geometry();
        window.keptSettings().windows["main"] = WindowPlace{20000, 20000, 700, 500, false};
        window.keptSettings().windows["sensitivity"] = WindowPlace{available().left(), available().top(), 5000, 4000,
                                                                   false};
        window.restorePlace();
        QCOMPARE(window.geometry(), fitted);
        auto* sensitivity = new SensitivityView(window);
        QVERIFY(available().contains(sensitivity->geometry()));
        QCOMPARE(sensitivity->size(), available().size());
    }
};

QTEST_MAIN(GuiRememberedPlaceTest)
#include "gui_remembered_place_test.moc"
