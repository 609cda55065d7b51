// karnoth-view-screenshots DIR: the pictures of the sensitivity and uncertainty views for the
// README, rendered offscreen. It starts the window in the current directory, opens both views with
// the settings the README describes (the street total in 2030; adult survival 0.85 to 0.92 and
// juvenile survival 0.08 to 0.12, year-to-year SD 0.05, whole dogs, 1000 replicates, the planner's
// target 50 % by 2030), waits for
// their results and writes DIR/karnoth-sensitivity.png and DIR/karnoth-uncertainty.png; then the
// planner with its map of probabilities at 90 % for the same uncertainty settings,
// DIR/karnoth-robust-plan.png; in the system's language.

#include "gui/analyses/analysis_view.h"
#include "gui/analyses/range_inputs.h"
#include "gui/analyses/sensitivity_view.h"
#include "gui/analyses/uncertainty_view.h"
#include "gui/language/window_language.h"
#include "gui/planner/planner_window.h"
#include "gui/widgets/drawing_export.h"
#include "gui/window/form_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QPixmap>
#include <QSpinBox>
#include <QTabWidget>
#include <QThread>

#include <cstdio>

namespace {

// Waits (processing events) until `view` has shown a result newer than `before`.
bool waitForResult(const karnoth::gui::AnalysisView& view, int before)
{
    QElapsedTimer timer;
    timer.start();
    while (view.resultsShown() <= before || view.job().isRunning()) {
        if (timer.elapsed() > 120000) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    return true;
}

bool save(QWidget& view, const QString& path)
{
    QApplication::processEvents();
    QString error;
    if (karnoth::gui::saveImageAsPng(path, view.grab().toImage(), error)) return true;
    std::fprintf(stderr, "karnoth-view-screenshots: %s\n", qPrintable(error));
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: karnoth-view-screenshots DIR\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // In the system's language, as the window starts (LANGUAGE=es shows the Spanish views).
    karnoth::gui::installWindowLanguage(app, karnoth::gui::windowLanguage(QString(), QLocale::system()));
    const QDir directory(QString::fromLocal8Bit(argv[1]));

    karnoth::gui::FormWindow window;
    window.show();
    karnoth::PlanSettings target = karnoth::defaultPlanSettings(2005);
    target.targetYear = 2030;
    target.targetPercent = 50;
    window.setPlanSettings(target);

    auto* sensitivity = new karnoth::gui::SensitivityView(window);
    sensitivity->resize(820, 560);
    sensitivity->show();
    int before = sensitivity->resultsShown();
    sensitivity->yearBox().setValue(2030);
    if (!waitForResult(*sensitivity, before)) return 1;

    auto* uncertainty = new karnoth::gui::UncertaintyView(window);
    uncertainty->resize(1220, 660);
    uncertainty->show();
    if (!waitForResult(*uncertainty, 0)) return 1;
    before = uncertainty->resultsShown();
    {
        const QSignalBlocker quiet(uncertainty->ranges());
        uncertainty->ranges().setRange(karnoth::InputField::adultSurvival, 0.85, 0.92);
        uncertainty->ranges().setRange(karnoth::InputField::streetJuvenileSurvival, 0.08, 0.12);
        const QSignalBlocker quietSd(uncertainty->yearToYearBox());
        uncertainty->yearToYearBox().setValue(0.05);
    }
    uncertainty->wholeDogsBox().setChecked(true);
    if (!waitForResult(*uncertainty, before)) return 1;

    // Shown, each window was fitted into the offscreen screen (800 x 600): the pictures keep their sizes.
    sensitivity->resize(820, 560);
    uncertainty->resize(1220, 660);
    const bool saved = save(*sensitivity, directory.filePath(QStringLiteral("karnoth-sensitivity.png"))) &&
                       save(*uncertainty, directory.filePath(QStringLiteral("karnoth-uncertainty.png")));
    if (!saved) return 1;

    // Whole dogs make the robust plan take a while: up to ten minutes on a busy machine.
    karnoth::gui::PlannerWindow& planner = karnoth::gui::PlannerWindow::of(window);
    planner.open();
    planner.maps().setCurrentIndex(1);
    QElapsedTimer timer;
    timer.start();
    while (!planner.robustPlan() || planner.isComputingRobust() || planner.isComputing()) {
        if (timer.elapsed() > 600000) return 1;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    planner.resize(1180, 760);
    return save(planner, directory.filePath(QStringLiteral("karnoth-robust-plan.png"))) ? 0 : 1;
}
