// The PDF report read back as text with pdftotext: the scenarios' names and notes, every input with
// its value, the run's four sentences, the planner's table and the comparison, on one to three pages.

#include "render/report_content.h"

#include "analysis/batch_runner.h"
#include "app/report_gathering.h"
#include "form_fixture.h"
#include "gui_application.h"
#include "pdf_text.h"
#include "support/number_masks.h"

#include <gtest/gtest.h>

#include <regex>

namespace karnoth::render {
namespace {

using karnoth::testing::FormTest;

class ReportTest : public FormTest {
protected:
    void SetUp() override { testing::ensureGuiApplication(); }

    // The report's text as pdftotext extracts it, every run of blanks and line ends made one blank.
    std::string reportText(const std::filesystem::path& pdf)
    {
        const std::string text = testing::pdfText(pdf);
        EXPECT_FALSE(text.empty()) << pdf;
        return text;
    }

    // What the report is asked for besides its scenarios: the planner's defaults and a fixed date.
    ReportRequest requestFor()
    {
        ReportRequest request;
        request.target = comparisonTarget(std::nullopt, form());
        const WindowInputs read = *form().lastRunInputs();
        request.plan = makePlan({read.inputs, read.killedByYear, request.target}, BatchRunner());
        request.date = QDate(2026, 12, 8);
        return request;
    }

    // The report of the window as it is now, with `listed` beside it, as the window makes it.
    ReportContent contentFor(std::vector<ListedScenario> listed, const ReportRequest& request)
    {
        GatheredReport gathered = gatherReport(form().copyAfterRun(), std::move(listed), request.target);
        return reportContent(gathered.window, std::move(gathered.comparison), request);
    }
    ReportContent contentFor(std::vector<ListedScenario> listed) { return contentFor(std::move(listed), requestFor()); }

    // Writes the report and returns its text (of `page` alone, from 1, when given); `pages` gets its
    // page count.
    std::string written(const ReportContent& content, int& pages, int page = 0)
    {
        QString error;
        const std::filesystem::path pdf = dir.file("report.pdf");
        EXPECT_TRUE(writeReport(QString::fromStdString(pdf.string()), content, error, &pages)) << error.toStdString();
        const std::string text = testing::pdfText(pdf, page);
        EXPECT_FALSE(text.empty()) << pdf;
        return text;
    }
};

TEST_F(ReportTest, HoldsTheNamesNotesInputsSentencesPlanAndComparison)
{
    dir.write("killed.txt", "1995,1200\n");
    loaded().typeText("txtAdultSurv", "0.91");
    form().setScrollValue("hscSterilise", 200);
    Scenario slower = form().currentScenario("Fifteen, culling");
    slower.values["hscSterilise"] = 150;
    slower.notes = "Culling stays until 2028, as the council asked.";
    slower.killed = {{1995, 800}};

    int pages = 0;
    const std::string text = written(
        contentFor({ListedScenario::ofWindow("Twenty per cent from 2026", "The vets' proposal."),
                    ListedScenario::ofScenario(slower),
                    ListedScenario::unreadable("lost", "lost.karnoth does not exist")}),
        pages);
    EXPECT_EQ(pages, 4);  // the summary and tables, the planner, the comparison

    for (const char* part : {"Karnoth report: Twenty per cent from 2026", "2026-12-08", "The vets' proposal.",
                             "Fifteen, culling", "Culling stays until 2028, as the council asked.",
                             "Differs from the window in: sterilisation rate: 15.", "lost.karnoth does not exist"})
        EXPECT_NE(text.find(part), std::string::npos) << part;

    // Every input with its caption, its value as the window holds it, and its unit.
    for (const char* row : {"adult survival 0.91 a share per year", "juvenile survival .1 a share per year",
                            "age at first litter 1 years", "abandoned per year 4,000 females per year",
                            "sterilisation rate 20 per cent per year", "share aimed at owned dogs 50 per cent",
                            "only 1-year olds not ticked ticked or not", "dogs killed from 1990 a calendar year"})
        EXPECT_NE(text.find(row), std::string::npos) << row;

    for (const char* label : {"Label14", "Label6", "Label4", "Label3"}) {
        const std::string sentence = std::regex_replace(form().caption(label), std::regex("\\s+"), " ");
        EXPECT_NE(text.find(sentence), std::string::npos) << sentence;
    }

    // The planner's table and the comparison, with the mark of records that differ from killed.txt.
    EXPECT_NE(text.find("Planning a programme"), std::string::npos);
    EXPECT_NE(text.find("street total 2015"), std::string::npos);
    EXPECT_NE(text.find("Comparison of the scenarios"), std::string::npos);
    EXPECT_NE(text.find("Fifteen, culling *"), std::string::npos);
    EXPECT_NE(text.find("differ from killed.txt"), std::string::npos);
    const std::string window2050 = formatGrouped(form().lastSeries()->streetTotal[2050]);
    EXPECT_NE(text.find(window2050), std::string::npos) << window2050;
}

// Page 1 tells a council what is proposed and what it achieves against the planner's target, before
// the chart and the run's own sentences; a target reached only after its year is missed.
TEST_F(ReportTest, PageOneSummarisesTheProgrammeAgainstTheTarget)
{
    loaded().typeText("txtStart", "2026");
    form().typeText("txtStop", "2040");
    form().setScrollValue("hscSterilise", 200);
    ReportRequest request = requestFor();
    request.target = PlanSettings{2035, 50, 30, 55, 5};
    request.plan.reset();
    int pages = 0;
    const std::string page1 = written(contentFor({ListedScenario::ofWindow("current")}, request), pages, 1);

    const Form1 ran = form().copyAfterRun();
    const RunSeries& series = *ran.lastSeries();
    const std::string baseline = formatGrouped(series.streetTotal[2025]);
    const std::string inTarget = formatGrouped(series.streetTotal[2035]);
    for (const std::string& part : {
             std::string("Summary"),
             std::string("Proposed: a sterilisation programme from 2026 to 2040, when it stops, at a yearly rate of 20 "
                         "%, 50 % aimed at owned dogs and 50 % at street dogs."),
             "It makes " + formatGrouped(series.extraSterilisations[2026]) + " operations in 2026, its first year",
             "By 2035, the target year, the street holds " + inTarget + " females aged one and over",
             "the baseline, " + baseline +
                 " in 2025, the year before the programme starts. The target is at most 50 %.",
             std::string("only in 2040: misses the target of 2035."),
             std::string("At 30 an owned and 55 a street operation, as the planner counts cost"),
             std::string("of the street females aged one and over are sterilised (the street coverage)"),
             std::string("Once the programme stops after 2040, the street is not back to 90 % of 2025's street dogs by "
                         "2050."),
             std::string("Projection 1950 to 2050"),
         })
        EXPECT_NE(page1.find(part), std::string::npos) << part << "\n in: " << page1;
    EXPECT_EQ(page1.find("target met"), std::string::npos);
    EXPECT_LT(page1.find("Summary"), page1.find("Projection 1950 to 2050"));
    const std::string doubling = std::regex_replace(form().caption("Label14"), std::regex("\\s+"), " ");
    EXPECT_LT(page1.find("Projection 1950 to 2050"), page1.find(doubling)) << "the run's own sentences follow";
    EXPECT_EQ(page1.find("chance"), std::string::npos) << "no uncertainty was computed";
}

// The inputs table holds the model's inputs, each with its unit; the chart's options are not there.
TEST_F(ReportTest, TheInputsTableListsTheModelsInputsWithTheirUnits)
{
    loaded().setCheckValue("chkLog", 1);
    const ReportContent content = contentFor({ListedScenario::ofWindow("current")});
    for (const ReportInput& input : content.inputs) {
        EXPECT_NE(input.caption, QStringLiteral("log scale"));
        EXPECT_FALSE(input.unit.isEmpty()) << input.caption.toStdString();
    }
    int pages = 0;
    EXPECT_EQ(written(content, pages).find("log scale"), std::string::npos);
}

// The yearly table: every fifth year and the target year, whole dogs with thousands separators.
TEST_F(ReportTest, TheYearByYearTableShowsEveryFifthYearAndTheTargetYear)
{
    loaded().typeText("txtStart", "2026");
    ReportRequest request = requestFor();
    request.target.targetYear = 2037;
    int pages = 0;
    const std::string text = written(contentFor({ListedScenario::ofWindow("current")}, request), pages);
    const Form1 ran = form().copyAfterRun();
    const RunSeries& series = *ran.lastSeries();
    const std::size_t table = text.find("Year by year year street total street breeders operations street coverage");
    ASSERT_NE(table, std::string::npos);
    for (const int year : {1950, 2030, 2035, 2040, 2050}) {
        const std::string row = std::to_string(year) + " " + formatGrouped(series.streetTotal[year]) + " " +
                                formatGrouped(series.streetBreeders[year]) + " " +
                                formatGrouped(series.extraSterilisations[year]);
        EXPECT_NE(text.find(row, table), std::string::npos) << row;
    }
    EXPECT_NE(text.find("2037 (target) " + formatGrouped(series.streetTotal[2037]), table), std::string::npos);
    EXPECT_EQ(text.find("2036 ", table), std::string::npos);
    EXPECT_NE(text.find("Words used", table), std::string::npos);
}

TEST_F(ReportTest, OneScenarioMakesThreePagesWithoutAComparison)
{
    loaded();
    int pages = 0;
    const std::string text = written(contentFor({ListedScenario::ofWindow("current")}), pages);
    EXPECT_EQ(pages, 3);
    EXPECT_NE(text.find("Karnoth report: current"), std::string::npos);
    EXPECT_NE(text.find("Projection 1950 to 2050"), std::string::npos);
    EXPECT_NE(text.find("street females aged one and over"), std::string::npos);  // the chart's legend
    EXPECT_EQ(text.find("Comparison of the scenarios"), std::string::npos);
}

TEST_F(ReportTest, APlanThatCannotBeMadeSaysWhy)
{
    loaded();
    ReportRequest request = requestFor();
    request.plan = unmadePlan(request.target, "the programme's start year \"x\" is not a number");
    int pages = 0;
    const std::string text = written(contentFor({ListedScenario::ofWindow("current")}, request), pages);
    EXPECT_NE(text.find("No plan could be made"), std::string::npos);
    EXPECT_NE(text.find("\"x\" is not a number"), std::string::npos);
}

TEST_F(ReportTest, AReportThatCannotBeWrittenSaysSoAndLeavesNothing)
{
    loaded();
    const std::filesystem::path pdf = dir.file("no such directory") / "report.pdf";
    QString error;
    EXPECT_FALSE(
        writeReport(QString::fromStdString(pdf.string()), contentFor({ListedScenario::ofWindow("current")}), error));
    EXPECT_TRUE(error.contains(QStringLiteral("report.pdf")));
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

// The report runs the inputs it lists itself: typed and not run, they are still the run shown, and
// when that run stops its fault takes the place of the sentences, the chart and the window's row.
TEST_F(ReportTest, ShowsItsOwnRunOfTheInputsOrItsFault)
{
    expectFaults();
    loaded().typeText("txtAdultSurv", "0.85");
    ReportContent content = contentFor({ListedScenario::ofWindow("current")});
    EXPECT_TRUE(content.runFault.isEmpty());
    EXPECT_TRUE(content.sentences.join(' ').contains(QStringLiteral("66,807 females")))
        << content.sentences.join(' ').toStdString();
    EXPECT_FALSE(content.chartOps.empty());

    form().typeText("txtAdultSurv", "0.9");
    form().typeText("txtCurrentOwnedSteril", "80");
    Scenario kept = form().currentScenario("kept");
    kept.texts["txtCurrentOwnedSteril"] = "60";
    content = contentFor({ListedScenario::ofWindow("current"), ListedScenario::ofScenario(kept)});
    EXPECT_TRUE(content.runFault.startsWith(QStringLiteral("With 80% of owned yearlings sterilised")))
        << content.runFault.toStdString();
    EXPECT_TRUE(content.sentences.isEmpty());
    EXPECT_TRUE(content.chartOps.empty());
    std::vector<QString> marked;
    for (const ReportInput& input : content.inputs)
        if (input.atFault) marked.push_back(input.caption + QStringLiteral(" ") + input.value);
    EXPECT_EQ(marked, std::vector<QString>{QStringLiteral("% owned dogs sterilised 80")});
    ASSERT_EQ(content.comparison.size(), 2u);
    EXPECT_FALSE(content.comparison[0].comparison.run) << "no run beside inputs that did not make it";
    EXPECT_TRUE(content.comparison[1].comparison.run);
    EXPECT_EQ(content.overlay.size(), 1u);
}

// The field's inputs appear in the inputs table only where they change the run.
TEST_F(ReportTest, ListsTheFieldsInputsOnlyWhereTheyAreOn)
{
    const auto captions = [this] {
        QStringList listed;
        for (const ReportInput& input : contentFor({ListedScenario::ofWindow("current")}).inputs)
            listed << input.caption;
        return listed;
    };
    loaded();
    const QStringList closed = captions();
    EXPECT_FALSE(closed.contains(QStringLiteral("street carrying capacity")));
    EXPECT_FALSE(closed.contains(QStringLiteral("compensation")));
    EXPECT_FALSE(closed.contains(QStringLiteral("intact females arriving per year")));
    form().typeText("txtCapacity", "200000");
    form().typeText("txtImmigrants", "25");
    const QStringList open = captions();
    EXPECT_EQ(open.size(), closed.size() + 3);
    EXPECT_TRUE(open.contains(QStringLiteral("compensation")));
    EXPECT_FALSE(open.contains(QStringLiteral("sterilising stops after")));
}

TEST_F(ReportTest, DifferencesFromTheWindowNameEachInputThatDiffers)
{
    loaded();
    const std::vector<InputSetting> window = gatherReport(form(), {}, PlanSettings{}).window.inputs;
    Scenario other = form().currentScenario("other");
    EXPECT_EQ(inputDifferences(differingSettings(other, window)), QString());
    other.texts["txtStart"] = "2026";
    other.values["chkSterilise"] = 1;
    other.values["vscGainLoss"] = 12000;
    EXPECT_EQ(inputDifferences(differingSettings(other, window)),
              QStringLiteral("abandoned per year: 12,000; sterilising starts in: 2026; only 1-year olds: ticked"));
}

}  // namespace
}  // namespace karnoth::render
