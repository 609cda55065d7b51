// The chart's painting from the display list (canvas units stretched onto pixels, texts hanging
// from CurrentY) and its context-menu actions.

#include "gui/chart_painter.h"
#include "gui/chart_view.h"
#include "gui_fixture.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

namespace {

DrawOp lineOp(float x1, float y1, float x2, float y2, Rgb colour)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.colour = colour;
    return op;
}

DrawOp printOp(float x, float y, std::string text)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Print;
    op.x1 = x;
    op.y1 = y;
    op.text = std::move(text);
    return op;
}

// 200 x 100 pixels showing 1000 x 500 canvas units: 5 units per pixel.
QImage paint(const std::vector<DrawOp>& ops)
{
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    paintChart(painter, ops, ChartGeometry{QRectF(0, 0, 200, 100), 1000, 500}, QFont(), Qt::white);
    return image;
}

bool rowHasInk(const QImage& image, int y)
{
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != qRgb(255, 255, 255)) return true;
    return false;
}

}  // namespace

class GuiChartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchDirectory> scratch_;
    std::unique_ptr<FormWindow> window_;

private slots:
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

    void linesAreScaledFromCanvasUnitsInTheirColours_data()
    {
        QTest::addColumn<int>("canvasY");
        QTest::addColumn<int>("pixelY");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red across the middle") << 250 << 50 << QColor(255, 0, 0);
        QTest::newRow("blue near the top") << 50 << 10 << QColor(0, 0, 255);
        QTest::newRow("green near the bottom") << 450 << 90 << QColor(0, 255, 0);
    }
    void linesAreScaledFromCanvasUnitsInTheirColours()
    {
        QFETCH(int, canvasY);
        QFETCH(int, pixelY);
        QFETCH(QColor, colour);
        const Rgb rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                      static_cast<std::uint8_t>(colour.blue())};
        const QImage image = paint({lineOp(100, canvasY, 900, canvasY, rgb)});
        QCOMPARE(image.pixelColor(100, pixelY), colour);
        QCOMPARE(image.pixelColor(10, pixelY), QColor(Qt::white));  // the line starts at x = 20 pixels
        QVERIFY(!rowHasInk(image, pixelY - 3));
    }

    void textHangsFromCurrentY()
    {
        const QImage image = paint({printOp(100, 250, " 1990 ")});
        for (int y = 0; y < 50; ++y) QVERIFY2(!rowHasInk(image, y), qPrintable(QString::number(y)));
        bool inked = false;
        for (int y = 50; y < 50 + QFontMetrics(QFont()).height(); ++y) inked = inked || rowHasInk(image, y);
        QVERIFY(inked);
    }

    void savesThePngAtTheChartsSize()
    {
        QString error;
        const QString path = scratch_->file(QStringLiteral("chart.png"));
        QVERIFY(window_->chart().savePng(path, error));
        const QImage image(path);
        QCOMPARE(image.size(), window_->chart().chartRect().size());
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
    }

    void savesTheSvg()
    {
        QString error;
        const QString path = scratch_->file(QStringLiteral("chart.svg"));
        QVERIFY(window_->chart().saveSvg(path, error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(svg.contains("<svg"));
        QVERIFY(svg.contains("#ff0000"));
        QVERIFY(svg.contains("female pop."));
    }

    void aFileThatCannotBeWrittenIsReportedNotThrown()
    {
        QString error;
        const QString path = scratch_->file(QStringLiteral("no/such/folder/chart"));
        QVERIFY(!window_->chart().savePng(path + ".png", error));
        QVERIFY(!error.isEmpty());
        error.clear();
        QVERIFY(!window_->chart().saveSvg(path + ".svg", error));
        QVERIFY(!error.isEmpty());
    }

    void copiesTheYearlyDataAsCsv()
    {
        QString error;
        QVERIFY(window_->chart().copyYearlyData(error));
        const QStringList rows = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 102);
        QVERIFY(rows.front().startsWith(QStringLiteral("year,streetTotal")));
        QVERIFY(rows[1].startsWith(QStringLiteral("1950,")));
        QVERIFY(rows.back().startsWith(QStringLiteral("2050,")));
    }
};

QTEST_MAIN(GuiChartTest)
#include "gui_chart_test.moc"
