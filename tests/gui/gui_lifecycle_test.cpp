// Start-up and close of the real window: the first chart is painted, closing writes the settings
// file in the working directory and the next start restores it, and the screenshot mode of the
// program works without a display.

#include "gui/chart_view.h"
#include "gui_fixture.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

namespace {

int pixelsOf(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff)) ++count;
    return count;
}

QStringList linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

}  // namespace

class GuiLifecycleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchDirectory> scratch_;

private slots:
    void init() { scratch_ = std::make_unique<ScratchDirectory>(); }
    void cleanup() { scratch_.reset(); }

    void startUpPaintsAChart()
    {
        auto window = startWindow();
        QVERIFY(window);
        QVERIFY(window->form().formReady());
        QVERIFY(window->form().lastSeries().has_value());
        const QImage chart = window->chart().grab().toImage();
        QVERIFY(pixelsOf(chart, qRgb(255, 0, 0)) > 100);
        QVERIFY(pixelsOf(chart, qRgb(0, 255, 0)) > 100);
        QVERIFY(pixelsOf(chart, qRgb(0, 0, 255)) > 100);
        QVERIFY(window->faultLine().text().isEmpty());
        QCOMPARE(widgetOf<QLabel>(*window, "Label3")->text(), QString::fromStdString(window->form().caption("Label3")));
    }

    void closingWritesTheSettingsAndTheNextStartRestoresThem()
    {
        {
            auto window = startWindow();
            QVERIFY(window);
            QTest::keyClick(widgetOf<QScrollBar>(*window, "hscSterilise"), Qt::Key_Right);
            QTest::keyClick(widgetOf<QScrollBar>(*window, "vscGainLoss"), Qt::Key_Up);
            auto* adult = widgetOf<QLineEdit>(*window, "txtAdultSurv");
            adult->end(false);
            QTest::keyClicks(adult, QStringLiteral("5"));
            QVERIFY(!QFile::exists(scratch_->file(QStringLiteral("karnoth.ini"))));
            QVERIFY(window->close());
        }
        const QStringList saved = linesOf(scratch_->file(QStringLiteral("karnoth.ini")));
        QCOMPARE(saved.size(), 11);
        QCOMPARE(saved[0].trimmed(), QStringLiteral("4010"));
        QCOMPARE(saved[1], QStringLiteral("0.95"));
        QCOMPARE(saved[9].trimmed(), QStringLiteral("253"));

        auto again = startWindow();
        QVERIFY(again);
        QCOMPARE(again->form().control("hscSterilise").value, 253);
        QCOMPARE(widgetOf<QScrollBar>(*again, "hscSterilise")->value(), 253);
        QCOMPARE(widgetOf<QScrollBar>(*again, "vscGainLoss")->value(), 30001 - 4010);
        QCOMPARE(widgetOf<QLineEdit>(*again, "txtAdultSurv")->text(), QStringLiteral("0.95"));
        QCOMPARE(widgetOf<QLabel>(*again, "Label2")->text(),
                 QStringLiteral("4,010 1-year old females abandoned per year"));
    }

    void aMalformedSettingsFileIsShownAndTheWindowStarts()
    {
        QFile file(scratch_->file(QStringLiteral("karnoth.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a number\r\n");
        file.close();
        auto window = startWindow();
        QVERIFY(window);
        QVERIFY(window->form().formReady());
        QVERIFY(!window->form().faults().empty());
        QVERIFY(window->form().lastSeries().has_value());
    }

    void screenshotModeWritesAPngAndExitsZero()
    {
        QProcess program;
        program.setWorkingDirectory(scratch_->path());
        const QString shot = scratch_->file(QStringLiteral("window.png"));
        program.start(QStringLiteral(KARNOTH_EXECUTABLE), {QStringLiteral("--screenshot"), shot});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QImage image(shot);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() > image.height());
        QVERIFY(pixelsOf(image, qRgb(255, 0, 0)) > 100);
        // A screenshot is not a close: the settings stay as they were.
        QVERIFY(!QFile::exists(scratch_->file(QStringLiteral("karnoth.ini"))));
    }
};

QTEST_MAIN(GuiLifecycleTest)
#include "gui_lifecycle_test.moc"
