// The window's controls against the layout table: existence, geometry in pixels, scroll-bar
// ranges, fonts and colours, the diagram lines, and the keyboard order. The window is at its
// layout size, where the chart below the diagram has the picture area's own size.

#include "gui/window/chart_view.h"
#include "gui/window/diagram_scroll_area.h"
#include "gui/window/diagram_surface.h"
#include "gui/window/twips_scale.h"
#include "gui_fixture.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

namespace {

QString nameOf(const LayoutRow& row)
{
    return QString::fromUtf8(row.name.data(), row.name.size());
}

const char* expectedClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label: return "QLabel";
    case ControlKind::TextBox: return "QLineEdit";
    case ControlKind::CheckBox: return "QCheckBox";
    case ControlKind::CommandButton: return "QPushButton";
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: return "QScrollBar";
    case ControlKind::PictureBox: return "karnoth::gui::ChartView";
    case ControlKind::Line: return "";
    }
    return "";
}

}  // namespace

class GuiLayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchDirectory> scratch_;
    std::unique_ptr<FormWindow> window_;

private slots:
    void init()
    {
        scratch_ = std::make_unique<ScratchDirectory>();
        window_ = startWindow();
        QVERIFY(window_);
        window_->resize(window_->layoutSize());
        QVERIFY(QTest::qWaitFor([this] { return window_->size() == window_->layoutSize(); }));
        QApplication::processEvents();
    }
    void cleanup()
    {
        window_.reset();
        scratch_.reset();
    }

    // Pixels worked out here, apart from the code under test: a twip is 1/1440 inch, each edge
    // rounds to the nearest pixel at the screen's logical DPI.
    static int pixels(int twips, double dpi) { return static_cast<int>(std::floor(twips * dpi / 1440.0 + 0.5)); }
    static QRect expectedRect(const LayoutRow& row, double dpi)
    {
        const int left = pixels(row.left, dpi);
        const int top = pixels(row.top, dpi);
        return QRect(left, top, pixels(row.left + row.width, dpi) - left, pixels(row.top + row.height, dpi) - top);
    }

    void everyControlExistsAtItsGeometry()
    {
        const double dpi = window_->logicalDpiX();
        int checked = 0;
        for (const LayoutRow& row : formLayout()) {
            if (row.kind == ControlKind::Line) continue;
            QWidget* widget = window_->controlWidget(nameOf(row));
            QVERIFY2(widget, qPrintable(nameOf(row)));
            QCOMPARE(widget->objectName(), nameOf(row));
            QVERIFY2(widget->inherits(expectedClass(row.kind)), widget->metaObject()->className());
            if (row.kind == ControlKind::PictureBox) {
                // The chart lies below the diagram, outside its scroll area, where the layout has it,
                // stretched across every group above it.
                LayoutRow stretched = row;
                stretched.width = kLayoutRight - row.left;
                QCOMPARE(QRect(widget->mapTo(window_->centralWidget(), QPoint(0, 0)), widget->size()),
                         expectedRect(stretched, dpi));
            } else {
                QCOMPARE(widget->geometry(), expectedRect(row, dpi));
                QCOMPARE(widget->parentWidget(), &window_->surface());
            }
            ++checked;
        }
        QCOMPARE(checked, 56);
    }

    void geometryAtNinetySixDpiByHand()
    {
        if (window_->logicalDpiX() != 96) QSKIP("the worked figures are for 96 DPI, 15 twips a pixel");
        // txtAdultSurv 4080, 840, 615 x 285 twips; picPlot 120, 3000, 18975 x 7335; Label7 14400,
        // 1800, 495 x 975 (its right edge 14895 / 15 = 993); txtOperations 17760, 1800, 735 x 285.
        QCOMPARE(window_->controlWidget(QStringLiteral("txtAdultSurv"))->geometry(), QRect(272, 56, 41, 19));
        const QWidget* chart = window_->controlWidget(QStringLiteral("picPlot"));
        QCOMPARE(QRect(chart->mapTo(window_->centralWidget(), QPoint(0, 0)), chart->size()), QRect(8, 200, 1265, 489));
        QCOMPARE(window_->controlWidget(QStringLiteral("Label7"))->geometry(), QRect(960, 120, 33, 65));
        QCOMPARE(window_->controlWidget(QStringLiteral("txtOperations"))->geometry(), QRect(1184, 120, 49, 19));
        QCOMPARE(window_->surface().width(), 1281);  // (19095 + 120) / 15
        QCOMPARE(window_->surface().lines().front(), QLine(8, 8, 128, 8));  // Line18, (120,120)-(1920,120)
    }

    void theRealTownGroupHoldsItsFiveBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");  // at start, the neutral value
        QTest::newRow("arrivals") << "txtImmigrants"
                                  << "Label20"
                                  << "0";
        QTest::newRow("capacity") << "txtCapacity"
                                  << "Label21"
                                  << "";
        QTest::newRow("compensation") << "txtCompensation"
                                      << "Label22"
                                      << "1";
        QTest::newRow("stop") << "txtStop"
                              << "Label23"
                              << "";
        QTest::newRow("operations") << "txtOperations"
                                    << "Label24"
                                    << "";
    }
    void theRealTownGroupHoldsItsFiveBoxes()
    {
        QFETCH(QString, box);
        QFETCH(QString, label);
        QFETCH(QString, text);
        // The group's frame, Line40..Line43: 15240..19080 by 120..2880 twips.
        const double dpi = window_->logicalDpiX();
        const QRect group(QPoint(pixels(15240, dpi), pixels(120, dpi)), QPoint(pixels(19080, dpi), pixels(2880, dpi)));
        auto* edit = widgetOf<QLineEdit>(*window_, qPrintable(box));
        auto* caption = widgetOf<QLabel>(*window_, qPrintable(label));
        QVERIFY(edit && caption);
        QCOMPARE(edit->text(), text);
        QVERIFY(edit->isVisible() && edit->isEnabled() && caption->isVisible());
        QVERIFY(group.contains(edit->geometry()) && group.contains(caption->geometry()));
        QVERIFY(!caption->text().isEmpty());
        QCOMPARE(caption->geometry().top(), edit->geometry().top());  // on one row
        QVERIFY(caption->geometry().right() < edit->geometry().left());
        // At its layout size the window shows the whole group without scrolling.
        QVERIFY(window_->diagramArea().viewport()->rect().contains(
            edit->geometry().translated(-window_->diagramArea().horizontalScrollBar()->value(), 0)));
        QCOMPARE(window_->diagramArea().horizontalScrollBar()->maximum(), 0);
        QVERIFY(!edit->toolTip().isEmpty());
    }

    void label1IsAnArrayWithoutElementNine()
    {
        for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10})
            QVERIFY(widgetOf<QLabel>(*window_, qPrintable(QStringLiteral("Label1(%1)").arg(index))));
        QVERIFY(!window_->controlWidget(QStringLiteral("Label1(9)")));
    }

    void wholeLayoutShowsWithoutScrollingAtItsSize()
    {
        const TwipsScale scale = TwipsScale::ofPrimaryScreen();
        // The diagram holds every control above the chart; its scroll area shows all of it.
        QVERIFY(window_->surface().width() >= scale.toPixels(kLayoutRight));
        QCOMPARE(window_->surface().height(), scale.toPixels(3000));
        QCOMPARE(window_->diagramArea().viewport()->size(), window_->surface().size());
        const QWidget* chart = window_->controlWidget(QStringLiteral("picPlot"));
        QCOMPARE(chart->mapTo(window_->centralWidget(), QPoint(0, chart->height())).y(), scale.toPixels(kLayoutBottom));
        QCOMPARE(window_->objectName(), QStringLiteral("Form1"));
        QCOMPARE(window_->windowTitle(), QString::fromUtf8("Karnoth \u2014 untitled[*]"));
    }

    void diagramLinesAreTheTables()
    {
        const double dpi = window_->logicalDpiX();
        QVector<QLine> expected;
        for (const LayoutRow& row : formLayout())
            if (row.kind == ControlKind::Line)
                expected << QLine(pixels(row.left, dpi), pixels(row.top, dpi), pixels(row.x2, dpi),
                                  pixels(row.y2, dpi));
        QCOMPARE(expected.size(), 43);
        QCOMPARE(window_->surface().lines(), expected);
    }

    void scrollBarsHaveTheTablesRanges_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("singleStep");
        QTest::addColumn<int>("pageStep");
        QTest::addColumn<int>("widgetValue");  // the model's value, mirrored on the vertical bars
        QTest::newRow("vscGainLoss") << "vscGainLoss" << Qt::Vertical << 1 << 30000 << 10 << 1000 << 30001 - 4000;
        QTest::newRow("hscSterilise") << "hscSterilise" << Qt::Horizontal << 0 << 1000 << 1 << 10 << 252;
        QTest::newRow("vscTarget") << "vscTarget" << Qt::Vertical << 0 << 100 << 1 << 1 << 50;
    }
    void scrollBarsHaveTheTablesRanges()
    {
        QFETCH(QString, name);
        QFETCH(Qt::Orientation, orientation);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, singleStep);
        QFETCH(int, pageStep);
        QFETCH(int, widgetValue);
        auto* bar = qobject_cast<QScrollBar*>(window_->controlWidget(name));
        QVERIFY(bar);
        QCOMPARE(bar->orientation(), orientation);
        QCOMPARE(bar->minimum(), minimum);
        QCOMPARE(bar->maximum(), maximum);
        QCOMPARE(bar->singleStep(), singleStep);
        QCOMPARE(bar->pageStep(), pageStep);
        QCOMPARE(bar->value(), widgetValue);
        QVERIFY(bar->focusPolicy() & Qt::TabFocus);
    }

    void headingsAreBoldAndLabel4DarkBlue()
    {
        for (const char* heading : {"Label15", "Label13", "Label16", "Label17", "Label19"}) {
            auto* label = widgetOf<QLabel>(*window_, heading);
            QVERIFY(label);
            QCOMPARE(label->font().weight(), QFont::Bold);
        }
        QCOMPARE(widgetOf<QLabel>(*window_, "Label1(0)")->font().weight(), QFont::Normal);
        QCOMPARE(widgetOf<QLabel>(*window_, "Label4")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    }

    void label7WrapsToThreeLines()
    {
        auto* label = widgetOf<QLabel>(*window_, "Label7");
        QVERIFY(label->wordWrap());
        const QFontMetrics metrics(label->font());
        const QRect text = metrics.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
        QCOMPARE(text.height() / metrics.lineSpacing(), 3);
        QVERIFY(text.height() <= label->height());
    }

    void tabOrderFollowsTheTable()
    {
        // Every input in the table's order, each bar followed by the box that types its value; the
        // chart, which shows no focus, takes no tab stop.
        std::vector<const LayoutRow*> inputs;
        for (const LayoutRow& row : formLayout())
            if (row.kind != ControlKind::Label && row.kind != ControlKind::Line) inputs.push_back(&row);
        std::sort(inputs.begin(), inputs.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
        QStringList expected;
        for (const LayoutRow* row : inputs) {
            if (row->kind == ControlKind::PictureBox) continue;
            expected << nameOf(*row);
            if (row->range) expected << nameOf(*row) + QStringLiteral("Value");
        }
        QCOMPARE(expected.size(), 22 + 3);  // 16 text boxes, 3 bars, 2 check boxes, Run; 3 value boxes
        QCOMPARE(expected.front(), QStringLiteral("cmdRun"));
        QCOMPARE(window_->focusWidget(), window_->controlWidget(QStringLiteral("cmdRun")));
        QCOMPARE(window_->controlWidget(QStringLiteral("picPlot"))->focusPolicy(), Qt::NoFocus);

        // Tab as a user presses it; a value box's own line edit stands for its box.
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        window_->controlWidget(QStringLiteral("cmdRun"))->setFocus();
        QStringList order;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            if (qobject_cast<QAbstractSpinBox*>(focus->parentWidget())) focus = focus->parentWidget();
            order << focus->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, expected);
    }
};

QTEST_MAIN(GuiLayoutTest)
#include "gui_layout_test.moc"
