// Start-up and close of the real window: the first chart is painted, closing writes the settings
// file in the working directory and the next start restores it, and the screenshot mode of the
// program works without a display.

#include "gui/analyses/range_inputs.h"
#include "gui/analyses/sensitivity_view.h"
#include "gui/analyses/uncertainty_view.h"
#include "gui/window/chart_view.h"
#include "gui_fixture.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QSpinBox>

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

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

    // Runs the window program in the scratch directory; its exit code, or -1 when it crashed or
    // did not end (a window left open). What it printed lands in `out` and `err`.
    int runProgram(const QStringList& arguments, QString* out = nullptr, QString* err = nullptr)
    {
        QProcess program;
        program.setWorkingDirectory(scratch_->path());
        program.start(QStringLiteral(KARNOTH_EXECUTABLE), arguments);
        const bool ended = program.waitForFinished(60000);
        if (out) *out = QString::fromLocal8Bit(program.readAllStandardOutput());
        if (err) *err = QString::fromLocal8Bit(program.readAllStandardError());
        if (!ended) {
            program.kill();
            program.waitForFinished();
            return -1;
        }
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }

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
        QVERIFY(pixelsOf(chart, qRgb(0, 0x80, 0)) > 100);  // the fertile females' darker green
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

    void quitAndReopenKeepsEveryInputAndSettingAndLeavesKarnothIniAsItWas()
    {
        const QString ini = scratch_->file(QStringLiteral("karnoth.ini"));
        {
            QFile file(ini);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(" 3000\r\n0.9\r\n0.1\r\n1\r\n7\r\n1990\r\n2005\r\n0.75\r\n2\r\n 252\r\n 50\r\n");
        }
        const QByteArray iniBefore = bytesOf(ini);
        const std::vector<ControlValue> inputs{ControlValue::text("txtStart", "2026"),
                                               ControlValue::text("txtTimes", "2"),
                                               ControlValue::text("txtCurrentOwnedSteril", "35"),
                                               ControlValue::value("chkSterilise", 1),
                                               ControlValue::value("chkLog", 1),
                                               ControlValue::text("txtImmigrants", "120"),
                                               ControlValue::text("txtCapacity", "9000"),
                                               ControlValue::text("txtCompensation", "1.5"),
                                               ControlValue::text("txtStop", "2034"),
                                               ControlValue::text("txtOperations", "600")};
        PlanSettings plan;
        plan.targetYear = 2035;
        plan.targetPercent = 40;
        plan.costOwned = 30;
        plan.costStreet = 55;
        plan.ownedShareStep = 10;
        {
            auto window = startWindow();
            QVERIFY(window);
            window->applyControlValues(QStringLiteral("inputs"), inputs);
            window->setPlanSettings(plan);
            auto* sensitivity = new SensitivityView(*window);
            sensitivity->yearBox().setValue(2035);
            sensitivity->deltaBox().setValue(20);
            auto* uncertainty = new UncertaintyView(*window);
            uncertainty->ranges().setRange(InputField::adultSurvival, 0.85, 0.92);
            uncertainty->ranges()
                .lowEdit(InputField::probPregnant)
                ->setText(QStringLiteral("0.6"));  // typed, not ticked
            uncertainty->replicatesBox().setValue(300);
            uncertainty->seedBox().setValue(7);
            uncertainty->wholeDogsBox().setChecked(true);
            uncertainty->yearToYearBox().setValue(0.05);
            QVERIFY(window->close());
        }
        QCOMPARE(bytesOf(ini), iniBefore);  // the session changed no value karnoth.ini holds

        auto again = startWindow();
        QVERIFY(again);
        for (const ControlValue& input : inputs) QCOMPARE(settingOf(again->form(), input.name), input.setting);
        QVERIFY(again->noticeLine().text().isEmpty());
        QVERIFY(again->planSettings());
        QCOMPARE(*again->planSettings(), plan);
        auto* sensitivity = new SensitivityView(*again);
        QCOMPARE(sensitivity->yearBox().value(), 2035);
        QCOMPARE(sensitivity->deltaBox().value(), 20.0);
        auto* uncertainty = new UncertaintyView(*again);
        QVERIFY(uncertainty->ranges().varyBox(InputField::adultSurvival)->isChecked());
        QCOMPARE(uncertainty->ranges().lowEdit(InputField::adultSurvival)->text(), QStringLiteral("0.85"));
        QCOMPARE(uncertainty->ranges().highEdit(InputField::adultSurvival)->text(), QStringLiteral("0.92"));
        QVERIFY(!uncertainty->ranges().varyBox(InputField::probPregnant)->isChecked());
        QCOMPARE(uncertainty->ranges().lowEdit(InputField::probPregnant)->text(), QStringLiteral("0.6"));
        QCOMPARE(uncertainty->replicatesBox().value(), 300);
        QCOMPARE(uncertainty->seedBox().value(), 7);
        QVERIFY(uncertainty->wholeDogsBox().isChecked());
        QCOMPARE(uncertainty->yearToYearBox().value(), 0.05);
        QVERIFY(!again->isWindowModified());
    }

    void aMalformedSessionFileIsANoticeAndChangesNothing()
    {
        QFile file(scratch_->file(QStringLiteral("karnoth-session.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "karnoth-scenario", "version": 2, "inputs": {"txtStart": 2026}})");
        file.close();
        auto window = startWindow();
        QVERIFY(window);
        QVERIFY2(window->noticeLine().text().startsWith(QStringLiteral("karnoth-session.json: inputs \"txtStart\"")),
                 qPrintable(window->noticeLine().text()));
        QVERIFY(window->noticeLine().isVisible());
        QCOMPARE(window->form().text("txtStart"), std::string("2005"));
        QVERIFY(window->form().faults().empty());
        QVERIFY(!window->planSettings());
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
        const QString shot = scratch_->file(QStringLiteral("window.png"));
        QCOMPARE(runProgram({QStringLiteral("--screenshot"), shot}), 0);
        const QImage image(shot);
        QVERIFY(!image.isNull());
        // The layout's own size, whatever the (offscreen, 800 x 600) screen: the diagram's width.
        auto window = startWindow();
        QVERIFY(window);
        QCOMPARE(image.size(), window->layoutSize());
        QVERIFY(pixelsOf(image, qRgb(255, 0, 0)) > 100);
        // A screenshot is not a close: the settings stay as they were.
        QVERIFY(!QFile::exists(scratch_->file(QStringLiteral("karnoth.ini"))));

        // A larger size shows a larger chart: its lines are longer.
        const QString large = scratch_->file(QStringLiteral("large.png"));
        QCOMPARE(
            runProgram({QStringLiteral("--screenshot"), large, QStringLiteral("--size"), QStringLiteral("1600x1000")}),
            0);
        const QImage bigger(large);
        QCOMPARE(bigger.size(), QSize(1600, 1000));
        QVERIFY(pixelsOf(bigger, qRgb(255, 0, 0)) > 1.3 * pixelsOf(image, qRgb(255, 0, 0)));
    }

    void aScreenshotIgnoresWhereTheWindowWasLeft()
    {
        {
            auto window = startWindow();
            QVERIFY(window);
            window->keptSettings().windows["main"] = WindowPlace{10, 10, 500, 400, true};
            QVERIFY(window->close());
        }
        const QString shot = scratch_->file(QStringLiteral("window.png"));
        QCOMPARE(runProgram({QStringLiteral("--screenshot"), shot}), 0);
        FormWindow window;
        QCOMPARE(QImage(shot).size(), window.layoutSize());
    }

    void aMalformedSizeIsAUsageError_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no x") << QStringList{"--screenshot", "a.png", "--size", "1600"};
        QTest::newRow("zero") << QStringList{"--screenshot", "a.png", "--size", "0x100"};
        QTest::newRow("words") << QStringList{"--screenshot", "a.png", "--size=wide"};
        QTest::newRow("no value") << QStringList{"--screenshot", "a.png", "--size"};
        QTest::newRow("without a screenshot") << QStringList{"--size", "800x600"};
    }
    void aMalformedSizeIsAUsageError()
    {
        QFETCH(QStringList, arguments);
        QCOMPARE(runProgram(arguments), 2);
        QVERIFY(!QFile::exists(scratch_->file(QStringLiteral("a.png"))));
    }

    // --help and --version answer and end without a window; anything the program does not take
    // is refused at once, so a script with a typo does not hang on an open window.
    void theCommandLineIsAnsweredWithoutAWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--screenshot";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "karnoth 0.";
        QTest::newRow("misspelt option") << QStringList{"--sceenshot", "x.png"} << 2 << "sceenshot";
        QTest::newRow("an argument") << QStringList{"x.png"} << 2 << "x.png";
        QTest::newRow("svg") << QStringList{"--screenshot", "x.svg"} << 2 << ".png";
        QTest::newRow("below the minimum")
            << QStringList{"--screenshot", "a.png", "--size", "1x1"} << 2 << "to 20000x20000";
        QTest::newRow("above 20000") << QStringList{"--screenshot", "a.png", "--size", "20001x900"} << 2
                                     << "to 20000x20000";
    }
    void theCommandLineIsAnsweredWithoutAWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        QString out;
        QString err;
        QCOMPARE(runProgram(arguments, &out, &err), exitCode);
        QVERIFY2((exitCode == 0 ? out : err).contains(says), qPrintable(out + err));
        QVERIFY(!QFile::exists(scratch_->file(QStringLiteral("a.png"))));
        QVERIFY(!QFile::exists(scratch_->file(QStringLiteral("x.svg"))));
    }

    // The screenshot is saved as every file is: a picture that cannot be written leaves the old
    // one whole, and a link is written through.
    void aScreenshotIsSavedThroughTheSafePath()
    {
        const QString old = scratch_->file(QStringLiteral("old.png"));
        QFile::remove(old);
        {
            QFile file(old);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("the old picture");
        }
        QFile::setPermissions(old, QFileDevice::ReadOwner);  // read-only: the save must fail
        QString err;
        QCOMPARE(runProgram({QStringLiteral("--screenshot"), old}, nullptr, &err), 1);
        QVERIFY2(err.contains(old), qPrintable(err));
        QFile file(old);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("the old picture"));

        const QString target = scratch_->file(QStringLiteral("target.png"));
        const QString link = scratch_->file(QStringLiteral("link.png"));
        QVERIFY(QFile::link(target, link));
        QCOMPARE(
            runProgram({QStringLiteral("--screenshot"), link, QStringLiteral("--size"), QStringLiteral("1000x700")}),
            0);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QImage(target).size(), QSize(1000, 700));
    }
};

QTEST_MAIN(GuiLifecycleTest)
#include "gui_lifecycle_test.moc"
