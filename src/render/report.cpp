#include "render/report.h"

#include "chart/color.h"
#include "render/chart_overlays.h"
#include "render/main_chart.h"
#include "render/plan_heat_map.h"
#include "render/report_summary.h"
#include "render/report_table.h"
#include "render/report_words.h"
#include "support/fault.h"
#include "support/number_masks.h"
#include "support/text_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace karnoth::render {
namespace {

using report_words::grouped;
using report_words::plain;
using report_words::ReportWords;
QString qtText(const std::string& text)
{
    return QString::fromStdString(text);
}

// The page is laid out in units of 1/96 inch, the screen's, so that the chart's legend and the
// overlay keep the proportions they have in the window. The PDF stays vector graphics.
constexpr int kResolution = 96;
constexpr double kMarginMm = 16;
constexpr double kChartHeightMm = 88;
constexpr double kLeastChartHeightMm = 55;
constexpr double kChartNoteMm = 12;  // the two lines under the chart
constexpr double kOverlayMostHeightMm = 125;
constexpr double kOverlayLeastHeightMm = 70;
constexpr int kNotesLines = 3;  // the notes of a scenario, at most, before "…"
constexpr int kDifferencesLines = 2;  // how a scenario differs from the window, at most

double mm(double millimetres)
{
    return millimetres * kResolution / 25.4;
}

QFont reportFont(double points, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Sans Serif")});
    font.setPointSizeF(points);
    font.setBold(bold);
    // No shaping for plain Latin text: no ligatures, so that "first" is searched, copied and
    // extracted from the PDF as five letters rather than with the "fi" glyph.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// `text` laid out at `width` in `font`, cut after `mostLines` lines with "…" when it runs longer.
QString fittedParagraph(const QString& text, double width, const QFont& font, QPaintDevice* device, int mostLines)
{
    QString flat = text;
    flat.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(flat, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    int end = 0;
    bool more = false;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines == mostLines) {
            more = true;
            break;
        }
        ++lines;
        end = line.textStart() + line.textLength();
    }
    layout.endLayout();
    if (!more) return text;
    // Leave room for the ellipsis on the last line.
    QString cut = text.left(end).trimmed();
    const QFontMetricsF metrics(font, device);
    while (!cut.isEmpty() &&
           metrics.horizontalAdvance(cut.section(QLatin1Char('\n'), -1) + QStringLiteral(" …")) > width)
        cut.chop(1);
    return cut.trimmed() + QStringLiteral(" …");
}

// The page's printable area and a cursor down it; a new page when a block does not fit.
class PageFlow {
public:
    PageFlow(QPdfWriter& writer, QPainter& painter) : writer_(writer), painter_(painter)
    {
        const QRectF full(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        page_ = full.adjusted(mm(kMarginMm), mm(kMarginMm), -mm(kMarginMm), -mm(kMarginMm));
        y_ = page_.top();
    }

    const QRectF& page() const { return page_; }
    double y() const { return y_; }
    void advance(double height) { y_ += height; }
    double left() const { return page_.left(); }
    double width() const { return page_.width(); }
    double room() const { return page_.bottom() - y_; }
    int pages() const { return pages_; }
    bool atTop() const { return y_ <= page_.top(); }

    void newPage()
    {
        writer_.newPage();
        ++pages_;
        y_ = page_.top();
    }
    // Starts a new page unless `height` fits on this one (or this one is still empty).
    void keep(double height)
    {
        if (height > room() && !atTop()) newPage();
    }

    // A paragraph across the page; returns nothing, moves the cursor under it.
    void paragraph(const QString& text, const QFont& font, double after = 0)
    {
        const QFontMetricsF metrics(font, painter_.device());
        const QRectF bound = metrics.boundingRect(QRectF(0, 0, width(), 1e6), Qt::TextWordWrap, text);
        keep(bound.height());
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(left(), y_, width(), bound.height()), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                          text);
        y_ += bound.height() + after;
    }

    // A heading never ends a page: it keeps a few lines of what follows with it, or all of the
    // `following` height (a table) when that fits on a page.
    void heading(const QString& text, double following = 0)
    {
        const QFont font = reportFont(12, true);
        const QFontMetricsF metrics(font, painter_.device());
        const double withHeading = metrics.lineSpacing() * 2 + following;
        keep(withHeading <= page_.height() ? std::max(withHeading, metrics.lineSpacing() * 5)
                                           : metrics.lineSpacing() * 5);
        if (!atTop()) y_ += metrics.lineSpacing() * 0.6;
        paragraph(text, font, metrics.lineSpacing() * 0.25);
    }

private:
    QPdfWriter& writer_;
    QPainter& painter_;
    QRectF page_;
    double y_ = 0;
    int pages_ = 1;
};

// A table kept on one page when it fits on one; a longer one runs over pages: as many rows as fit
// on this one, then the rest under the headings again on the next (a page that has no room for a
// row is left for a new one).
void paintTableAcrossPages(QPainter& painter, PageFlow& flow, const ReportTable& table, const QFont& font)
{
    if (const double whole = reportTableHeight(table, flow.width(), font, painter.device());
        whole <= flow.page().height()) {
        flow.keep(whole);
        flow.advance(paintReportTable(painter, table, QPointF(flow.left(), flow.y()), flow.width(), font));
        return;
    }
    std::size_t next = 0;
    for (;;) {
        ReportTable part = table;
        part.rows.clear();
        for (; next < table.rows.size(); ++next) {
            part.rows.push_back(table.rows[next]);
            if (reportTableHeight(part, flow.width(), font, painter.device()) > flow.room()) {
                part.rows.pop_back();
                break;
            }
        }
        if (part.rows.empty() && next < table.rows.size()) {
            if (!flow.atTop()) {
                flow.newPage();
                continue;
            }
            part.rows.push_back(table.rows[next++]);  // a row taller than a page stands alone on one
        }
        flow.advance(paintReportTable(painter, part, QPointF(flow.left(), flow.y()), flow.width(), font));
        if (next == table.rows.size()) return;
        flow.newPage();
    }
}

void paintScenarios(QPainter& painter, PageFlow& flow, const ReportContent& content)
{
    flow.heading(content.scenarios.size() > 1 ? ReportWords::tr("Scenarios") : ReportWords::tr("Scenario"));
    const QFont body = reportFont(9);
    const QFont bold = reportFont(9, true);
    const QFont small = reportFont(8);
    const double indent = mm(5);
    for (const ReportScenario& scenario : content.scenarios) {
        QString title = scenario.name;
        if (scenario.window)
            title += content.runFault.isEmpty() ? ReportWords::tr(" (the inputs and run of this report)")
                                                : ReportWords::tr(" (the inputs of this report, whose run stopped)");
        flow.paragraph(title, bold);
        const auto indented = [&](const QString& text, const QFont& font, int lines) {
            const QString fitted = fittedParagraph(text, flow.width() - indent, font, painter.device(), lines);
            const QFontMetricsF metrics(font, painter.device());
            const QRectF bound = metrics.boundingRect(QRectF(0, 0, flow.width() - indent, 1e6), Qt::TextWordWrap,
                                                      fitted);
            flow.keep(bound.height());
            painter.setFont(font);
            painter.drawText(QRectF(flow.left() + indent, flow.y(), flow.width() - indent, bound.height()),
                             Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, fitted);
            flow.advance(bound.height());
        };
        if (!scenario.notes.isEmpty()) indented(scenario.notes, body, kNotesLines);
        if (!scenario.differences.isEmpty()) indented(scenario.differences, small, kDifferencesLines);
        flow.advance(mm(1.2));
    }
}

// Where the sentences would be when the run of the inputs stopped: its fault, and what is not shown.
void paintRunFault(PageFlow& flow, const ReportContent& content)
{
    flow.heading(ReportWords::tr("The run of these inputs stopped"));
    flow.paragraph(content.runFault, reportFont(9, true), mm(1));
    flow.paragraph(
        ReportWords::tr(
            "So this report gives no summary, no sentences and no chart for these inputs; the input at fault, if "
            "the fault names one, is marked in the table below."),
        reportFont(9), mm(1));
}

void paintSentences(PageFlow& flow, const ReportContent& content)
{
    if (!content.runFault.isEmpty()) return;
    flow.heading(ReportWords::tr("What the run suggests"));
    const QFont body = reportFont(9);
    for (const QString& sentence : content.sentences)
        if (!sentence.isEmpty()) flow.paragraph(QStringLiteral("\u2022 ") + sentence, body, mm(1));
}

void paintInputs(QPainter& painter, PageFlow& flow, const ReportContent& content)
{
    ReportTable table;
    table.headings = {ReportWords::tr("input"), ReportWords::tr("value"), ReportWords::tr("unit")};
    table.widths = {3, 1.6, 3.4};
    for (const ReportInput& input : content.inputs)
        table.rows.push_back({input.atFault ? ReportWords::tr("%1 (at fault)").arg(input.caption) : input.caption,
                              input.value, input.unit});
    const QFont font = reportFont(8.5);
    flow.heading(ReportWords::tr("Inputs"), reportTableHeight(table, flow.width(), font, painter.device()));
    paintTableAcrossPages(painter, flow, table, font);
}

// Page 1's summary in plain words, or why there is none.
void paintSummary(PageFlow& flow, const ReportContent& content)
{
    if (!content.runFault.isEmpty()) return paintRunFault(flow, content);
    flow.heading(ReportWords::tr("Summary"));
    const QFont body = reportFont(10);
    if (!content.programme) {
        flow.paragraph(
            ReportWords::tr("The programme is not judged against the target: %1").arg(content.programmeProblem), body,
            mm(1.5));
        return;
    }
    for (const QString& paragraph : summaryParagraphs(*content.programme, content.target, content.programmeRate,
                                                      content.ownedShare, content.chance))
        flow.paragraph(paragraph, body, mm(1.5));
}

// The street's figures every fifth year and in the target year, whole dogs and per cents.
void paintYears(QPainter& painter, PageFlow& flow, const ReportContent& content)
{
    if (content.years.empty()) return;
    ReportTable table;
    table.headings = {ReportWords::tr("year"), ReportWords::tr("street total"), ReportWords::tr("street breeders"),
                      ReportWords::tr("operations"), ReportWords::tr("street coverage")};
    table.widths = {1, 1.4, 1.4, 1.4, 1.4};
    table.rightAligned = {false, true, true, true, true};
    for (const ReportedYear& year : content.years) {
        QString shown = QString::number(year.year);
        if (year.year == content.target.targetYear) shown = ReportWords::tr("%1 (target)").arg(year.year);
        table.rows.push_back({shown, grouped(year.streetTotal), grouped(year.streetBreeders), grouped(year.operations),
                              ReportWords::tr("%1 %").arg(grouped(year.streetCoverage * 100))});
    }
    const QFont font = reportFont(8.5);
    flow.heading(ReportWords::tr("Year by year"), reportTableHeight(table, flow.width(), font, painter.device()));
    paintTableAcrossPages(painter, flow, table, font);
}

void paintGlossary(QPainter& painter, PageFlow& flow)
{
    ReportTable table;
    table.headings = {ReportWords::tr("term"), ReportWords::tr("meaning")};
    table.widths = {1.2, 5};
    for (const auto& [term, meaning] : glossaryEntries()) table.rows.push_back({term, meaning});
    const QFont font = reportFont(8.5);
    flow.heading(ReportWords::tr("Words used"), reportTableHeight(table, flow.width(), font, painter.device()));
    paintTableAcrossPages(painter, flow, table, font);
}

void paintMainChart(QPainter& painter, PageFlow& flow, const ReportContent& content)
{
    flow.heading(ReportWords::tr("Projection %1 to 2050").arg(content.firstYearShown), mm(kLeastChartHeightMm));
    const QFont font = reportFont(7.5);
    if (!content.runFault.isEmpty()) {
        flow.paragraph(ReportWords::tr("No chart: the run of these inputs stopped: %1").arg(content.runFault),
                       reportFont(9));
        return;
    }
    if (content.chartOps.empty() || !(content.chartScaleWidth > 0) || !(content.chartScaleHeight > 0)) {
        flow.paragraph(ReportWords::tr("No chart: the run of these inputs drew none."), reportFont(9));
        return;
    }
    // As high as its proportions give, at most kChartHeightMm; lower, down to kLeastChartHeightMm,
    // when that keeps it on this page with its note under it.
    const double natural = std::min(mm(kChartHeightMm),
                                    flow.width() * content.chartScaleHeight / content.chartScaleWidth);
    const double height = std::clamp(flow.room() - mm(kChartNoteMm), std::min(mm(kLeastChartHeightMm), natural),
                                     natural);
    flow.keep(height);
    const QRectF paper(flow.left(), flow.y(), flow.width(), height);
    const MainChartLayout layout = layoutMainChart(content.chartOps, paper, content.chartScaleWidth,
                                                   content.chartScaleHeight, font, painter.device(),
                                                   content.firstYearShown);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintMainChart(painter, layout, font, Qt::white, true);
    paintLegend(painter, layout, font);
    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(paper);
    painter.restore();
    flow.advance(height + mm(1.5));
    QString note = ReportWords::tr(
        "Red solid line: street females aged one and over; green dashed line: fertile street "
        "females (both on the left scale); blue dotted line: the programme's sterilisations per "
        "year (right scale).");
    if (content.logScale) note += ReportWords::tr(" Log scale: the axes show ln(dogs + 1).");
    flow.paragraph(note, reportFont(8));
}

// The heat map of the planner's grid under its table: half as high as it is wide, or as high as the
// page still has room for down to a third of its width, else on the next page.
void paintHeatMap(QPainter& painter, PageFlow& flow, const Plan& plan, const std::optional<QPointF>& mark)
{
    const double height = std::max(std::min(flow.width() * 0.5, flow.room()), flow.width() / 3);
    flow.keep(height);
    paintPlanHeatMap(painter, QRectF(flow.left(), flow.y(), flow.width(), height), plan, HeatMapMarks{mark},
                     reportFont(8));
    flow.advance(height + mm(1.5));
}

QString ratePercent(int rate)
{
    return QStringLiteral("%1.%2 %").arg(rate / 10).arg(rate % 10);
}

void paintPlan(QPainter& painter, PageFlow& flow, const ReportContent& content)
{
    flow.heading(ReportWords::tr("Planning a programme"));
    if (!content.plan) {
        flow.paragraph(ReportWords::tr("No plan was made."), reportFont(9));
        return;
    }
    const Plan& plan = *content.plan;
    for (const QString& line : planSummaryLines(plan)) flow.paragraph(line, reportFont(9), mm(0.8));
    if (plan.fault) return;
    // The rates that hold go in a column of their own when they belong to the same grid.
    const RobustPlan* robust = content.robust && !content.robust->fault &&
                                       content.robust->rows.size() == plan.rows.size()
                                   ? &*content.robust
                                   : nullptr;
    if (content.robust)
        for (const QString& line : robustSummaryLines(*content.robust)) flow.paragraph(line, reportFont(9), mm(0.8));
    const auto scanShown = [&](int rate) {
        return plan.operationsStep ? grouped(plan.scanValue(rate)) : ratePercent(rate);
    };
    ReportTable table;
    table.headings = {ReportWords::tr("owned share"),
                      plan.operationsStep ? ReportWords::tr("minimal operations a year")
                                          : ReportWords::tr("minimal rate"),
                      ReportWords::tr("street total %1").arg(plan.settings.targetYear),
                      ReportWords::tr("sterilised owned"),
                      ReportWords::tr("sterilised street"),
                      ReportWords::tr("cost")};
    table.widths = {1, 1.2, 1.3, 1.3, 1.3, 1.3};
    table.rightAligned = {true, true, true, true, true, true};
    if (robust) {
        table.headings.insert(2, ReportWords::tr("in %1 % of futures").arg(plain(robust->confidence)));
        table.widths.insert(table.widths.begin() + 2, 1.2);
        table.rightAligned.push_back(true);
    }
    table.spanLoneSecondCell = true;
    for (std::size_t r = 0; r < plan.rows.size(); ++r) {
        const PlanRow& row = plan.rows[r];
        const QString share = QStringLiteral("%1 %").arg(row.ownedShare);
        if (!row.figures) {
            const QString none = plan.operationsStep ? ReportWords::tr("none: the run at %1 operations a year faults")
                                                           .arg(grouped(plan.scanValue(kHighestProgrammeRate)))
                                                     : ReportWords::tr("none: the run at 100 % a year faults");
            table.rows.push_back({share, none});
            continue;
        }
        const QString none =
            plan.operationsStep
                ? ReportWords::tr("none (at %1 a year)").arg(grouped(plan.scanValue(kHighestProgrammeRate)))
                : ReportWords::tr("none (at 100 %)");
        const QString rate = row.minimalRate ? scanShown(*row.minimalRate) : none;
        QStringList cells{share,
                          rate,
                          grouped(row.figures->streetTotal),
                          grouped(row.figures->sterilisedOwned),
                          grouped(row.figures->sterilisedStreet),
                          grouped(row.figures->cost)};
        if (robust) {
            const RobustRow& held = robust->rows[r];
            cells.insert(2, held.probability.empty() ? ReportWords::tr("no valid replicate")
                            : held.minimalRate       ? scanShown(*held.minimalRate)
                                                     : ReportWords::tr("none"));
        }
        table.rows.push_back(cells);
    }
    const QFont font = reportFont(8);
    flow.keep(reportTableHeight(table, flow.width(), font, painter.device()));
    flow.advance(paintReportTable(painter, table, QPointF(flow.left(), flow.y()), flow.width(), font) + mm(1.5));

    // The planner's heat map of the whole grid, under its table.
    paintHeatMap(painter, flow, plan, content.planMark);
}

void paintComparison(QPainter& painter, PageFlow& flow, const ReportContent& content)
{
    flow.heading(ReportWords::tr("Comparison of the scenarios"));
    const PlanSettings& target = content.target;
    flow.paragraph(
        ReportWords::tr("Every scenario is run on its own inputs and culling records and judged by the same "
                        "target: its street total in %1 at most %2 % of its own street total in the year "
                        "before its programme starts. Sterilisations and their cost (%3 an owned, %4 a street "
                        "sterilisation) count from the programme's start to %1.")
            .arg(target.targetYear)
            .arg(plain(target.targetPercent), plain(target.costOwned), plain(target.costStreet)),
        reportFont(9), mm(1));
    ReportTable table;
    for (const std::string& heading : comparisonHeadings(target)) table.headings << qtText(heading);
    table.widths = {1.8, 1.6, 1.1, 1.1, 1.1, 1.1, 1.1, 1.2, 2};  // the last may say "misses the target of 2036"
    table.rightAligned = {false, true, true, true, true, true, true, true, true};
    table.spanLoneSecondCell = true;
    bool marked = false;
    for (const ComparisonRow& row : content.comparison) {
        QStringList cells;
        for (const std::string& cell : comparisonCells(row, target)) cells << qtText(cell);
        table.rows.push_back(cells);
        marked = marked || row.killedDiffers;
    }
    const QFont font = reportFont(7.5);
    flow.keep(reportTableHeight(table, flow.width(), font, painter.device()));
    flow.advance(paintReportTable(painter, table, QPointF(flow.left(), flow.y()), flow.width(), font) + mm(1));
    if (marked) flow.paragraph(qtText(killedMarkNote()), reportFont(8), mm(1));
    if (content.overlay.size() < content.comparison.size())
        flow.paragraph(ReportWords::tr("A scenario whose run faults, and any beyond the eighth, is not drawn."),
                       reportFont(8), mm(1));

    if (content.overlay.empty()) return;
    flow.keep(mm(kOverlayLeastHeightMm));
    const double height = std::clamp(flow.room(), mm(kOverlayLeastHeightMm), mm(kOverlayMostHeightMm));
    const QRectF area(flow.left(), flow.y() + mm(1), flow.width(), height - mm(1));
    const QFont overlayFont = reportFont(8);
    const OverlayLayout layout = overlayLayout(area, content.overlay, content.companion, overlayFont, painter.device(),
                                               content.firstYearShown);
    paintOverlay(painter, layout, content.overlay, content.companion, overlayFont);
    flow.advance(height);
}

}  // namespace

QStringList robustSummaryLines(const RobustPlan& plan)
{
    const QString confidence = plain(plan.confidence);
    if (plan.fault)
        return {ReportWords::tr("No plan that holds in %1 % of futures: %2.")
                    .arg(confidence, QString::fromStdString(*plan.fault))};
    QStringList lines;
    lines << (plan.replicates == 1
                  ? ReportWords::tr("Plans that hold: with nothing uncertain set, the window's run alone decides, so "
                                    "the rates that hold are the minimal rates.")
                  : ReportWords::tr("Plans that hold: for each owned share, the lowest rate at which at least %1 % of "
                                    "%2 futures drawn from the uncertainty settings meet the target.")
                        .arg(confidence)
                        .arg(plan.replicates));
    if (plan.faulted > 0)
        lines << ReportWords::tr("Up to %1 of them fault at rate 0 and are left out of their share.").arg(plan.faulted);
    const auto scanShown = [&](int rate) {
        return plan.operationsStep ? ReportWords::tr("%1 operations a year").arg(grouped(rate * *plan.operationsStep))
                                   : ReportWords::tr("rate %1").arg(ratePercent(rate));
    };
    if (plan.cheapest)
        lines << ReportWords::tr("Cheapest that holds: owned share %1 %, %2, cost %3.")
                     .arg(plan.cheapest->ownedShare)
                     .arg(scanShown(plan.cheapest->rate), grouped(plan.cheapest->figures.cost));
    else
        lines << ReportWords::tr("No owned share meets the target in %1 % of futures.").arg(confidence);
    return lines;
}

QStringList planSummaryLines(const Plan& plan)
{
    const PlanSettings& s = plan.settings;
    QStringList lines;
    if (plan.fault) {
        lines << ReportWords::tr("No plan could be made for a street total in %1 at most %2 % of the baseline: %3")
                     .arg(s.targetYear)
                     .arg(plain(s.targetPercent), qtText(*plan.fault));
        return lines;
    }
    lines << ReportWords::tr(
                 "Target: the street total in %1 at most %2 % of the baseline, %3 street females aged one and "
                 "over in %4, the year before the programme starts. Costs: %5 an owned, %6 a street "
                 "sterilisation. For each share of the programme aimed at owned dogs, the smallest yearly rate "
                 "that meets the target, with its sterilisations from the start to %1 and their cost.")
                 .arg(s.targetYear)
                 .arg(plain(s.targetPercent), grouped(plan.baseline.value_or(0)))
                 .arg(plan.baselineYear.value_or(0))
                 .arg(plain(s.costOwned), plain(s.costStreet));
    if (plan.cheapest)
        lines << ReportWords::tr(
                     "Cheapest programme that meets the target: %1 % aimed at owned dogs at %2 a year, cost %3.")
                     .arg(plan.cheapest->ownedShare)
                     .arg(plan.operationsStep
                              ? ReportWords::tr("%1 operations").arg(grouped(plan.scanValue(plan.cheapest->rate)))
                              : ratePercent(plan.cheapest->rate),
                          grouped(plan.cheapest->figures.cost));
    else
        lines << ReportWords::tr("No programme meets the target.");
    return lines;
}

bool writeReport(const QString& path, const ReportContent& content, QString& error, int* pages)
{
    // Laid out in memory, then saved as every file is saved: through a temporary file and a rename,
    // so that a failed write leaves an older report whole, and through a link to its target.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    const QString title = content.details.title.empty() ? content.title : QString::fromStdString(content.details.title);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Karnoth"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = ReportWords::tr("The report could not be written to %1.").arg(path);
        return false;
    }
    PageFlow flow(writer, painter);

    flow.paragraph(title, reportFont(17, true), mm(1));
    QStringList byWhom;
    for (const std::string* detail : {&content.details.author, &content.details.organisation, &content.details.place})
        if (!detail->empty()) byWhom << QString::fromStdString(*detail);
    if (!byWhom.isEmpty()) flow.paragraph(byWhom.join(QStringLiteral(", ")), reportFont(11), mm(1));
    flow.paragraph(ReportWords::tr("Made with Karnoth on %1.").arg(content.date.toString(Qt::ISODate)), reportFont(9),
                   mm(2));
    paintSummary(flow, content);
    paintMainChart(painter, flow, content);
    paintSentences(flow, content);
    paintScenarios(painter, flow, content);
    paintInputs(painter, flow, content);
    paintYears(painter, flow, content);
    paintGlossary(painter, flow);

    if (!flow.atTop()) flow.newPage();
    paintPlan(painter, flow, content);

    if (content.comparison.size() > 1) {
        flow.newPage();
        paintComparison(painter, flow, content);
    }
    if (!painter.end()) {
        error = ReportWords::tr("The report could not be written to %1.").arg(path);
        return false;
    }
    try {
        replaceWholeFile(QFile::encodeName(path).toStdString(),
                         std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                         path.toStdString());
    } catch (const Fault& fault) {
        error = QString::fromStdString(fault.what());
        return false;
    }
    if (pages) *pages = flow.pages();
    return true;
}

}  // namespace karnoth::render
