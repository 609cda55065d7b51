#include "cli/session_report.h"

#include "app/report_chance.h"
#include "app/report_gathering.h"
#include "app/scenario_file.h"
#include "cli/plan_options.h"
#include "render/report_content.h"
#include "support/fault.h"

#include <QGuiApplication>

#include <filesystem>
#include <memory>

namespace karnoth {
namespace {

// Qt's remark that it chose a runtime directory itself says nothing about the report.
void quietAboutRuntimeDirectory(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR"))) return;
    qInstallMessageHandler(nullptr);
    qt_message_output(type, context, message);
    qInstallMessageHandler(quietAboutRuntimeDirectory);
}

// Drawing text needs a QGuiApplication; karnoth-cli has none of its own. Without a platform chosen
// it draws offscreen, so no display is needed.
std::unique_ptr<QGuiApplication> guiApplication()
{
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietAboutRuntimeDirectory);
    static int argc = 1;
    static char name[] = "karnoth-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool reportsAvailable()
{
    return true;
}

int writeSessionReport(Form1& form, const std::string& file, const std::optional<PlanSettings>& planSettings,
                       const std::vector<std::string>& compared, const std::optional<UncertaintyRequest>& uncertainty,
                       const RobustPlan* robust, std::ostream& err)
{
    const std::unique_ptr<QGuiApplication> application = guiApplication();
    std::vector<ListedScenario> listed{ListedScenario::ofWindow("current")};
    for (const std::string& path : compared) {
        try {
            listed.push_back(ListedScenario::ofScenario(readScenarioFile(path)));
        } catch (const Fault& fault) {
            listed.push_back(ListedScenario::unreadable(std::filesystem::path(path).stem().string(), fault.what()));
        }
    }
    // The target and the plan go by the inputs as they are now, as the report's own run does.
    Form1 run = form.copyAfterRun();
    render::ReportRequest request;
    request.target = comparisonTarget(planSettings, run);
    request.plan = planAtWindow(run, request.target, BatchRunner());
    request.details = form.keptSettings().report.value_or(ReportDetails{});
    GatheredReport gathered = gatherReport(run, std::move(listed), request.target, run.firstYearShown());
    render::ReportContent content = render::reportContent(gathered.window, std::move(gathered.comparison), request);
    if (robust) content.robust = *robust;
    if (uncertainty && content.programme && run.lastRunInputs())
        content.chance = chanceForReport(*uncertainty, *run.lastRunInputs(), request.target, BatchRunner());
    QString error;
    if (!render::writeReport(QString::fromStdString(file), content, error)) {
        err << "karnoth-cli: " << error.toStdString() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace karnoth
