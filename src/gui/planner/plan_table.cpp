#include "gui/planner/plan_table.h"

#include "gui/planner/plan_texts.h"
#include "support/number_masks.h"

#include <QHeaderView>

namespace karnoth::gui {
namespace {

constexpr int kColumnCount = PlanTable::StreetCoverage + 1;

QTableWidgetItem* figureItem(const QString& text)
{
    auto* cell = new QTableWidgetItem(text);
    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cell;
}

}  // namespace

PlanTable::PlanTable(QWidget* parent) : QTableWidget(0, kColumnCount, parent)
{
    // Headings in two lines, so that each column's words fit its width on a small screen.
    setHorizontalHeaderLabels({tr("Owned\nshare"), tr("Minimal\nrate"), QString(), tr("Street\ntotal"),
                               tr("Sterilised\nowned"), tr("Sterilised\nstreet"), tr("Sterilised\nin all"), tr("Cost"),
                               tr("Operations\nfirst year"), tr("Operations a\nyear (mean)"),
                               tr("Street\ncoverage %")});
    // Each column as wide as its heading and figures need, never cut: on a narrow screen the table
    // scrolls sideways instead.
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);  // compact rows: 21 shares by default
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    setToolTip(tr("For each share aimed at owned dogs, the smallest yearly rate that meets the target, with its "
                  "street total in the target year, its sterilisations over the programme's years and their cost, "
                  "the operations a year it implies and the share of street females sterilised in the target year. "
                  "With sterilisations per year set in the main window, the smallest number of operations a year "
                  "instead of the rate. "
                  "Double-click a row (or press Enter on it) to set the main window's bars to it."));
}

void PlanTable::setPlan(const std::shared_ptr<const Plan>& plan)
{
    clearContents();
    cheapestRow_.reset();
    plan_ = plan;
    const int rows = plan ? static_cast<int>(plan->rows.size()) : 0;
    setRowCount(rows);
    horizontalHeaderItem(MinimalRate)
        ->setText(plan && plan->operationsStep ? tr("Minimal operations\na year") : tr("Minimal\nrate"));
    if (plan && !plan->fault) {
        horizontalHeaderItem(StreetTotal)->setText(tr("Street total\n%1").arg(plan->settings.targetYear));
        horizontalHeaderItem(StreetCoverage)->setText(tr("Street coverage\n%1, %").arg(plan->settings.targetYear));
    }
    const QString highest = plan ? scanValueText(*plan, kHighestProgrammeRate) : QString();
    for (int r = 0; r < rows; ++r) {
        const PlanRow& row = plan->rows[static_cast<std::size_t>(r)];
        setItem(r, OwnedShare, figureItem(QStringLiteral("%1 %").arg(row.ownedShare)));
        QTableWidgetItem* rate = figureItem(row.minimalRate ? scanValueText(*plan, *row.minimalRate) : tr("none"));
        if (!row.minimalRate && plan->operationsStep)
            rate->setToolTip(row.figures ? tr("No number of operations meets the target; the figures are those at "
                                              "%1 a year.")
                                               .arg(highest)
                                         : tr("No number of operations meets the target, and the run at %1 a year "
                                              "faults.")
                                               .arg(highest));
        else if (!row.minimalRate)
            rate->setToolTip(row.figures ? tr("No rate meets the target; the figures are those at 100 %.")
                                         : tr("No rate meets the target, and the run at 100 % faults."));
        setItem(r, MinimalRate, rate);
        if (!row.figures) continue;
        const PlanFigures& figures = *row.figures;
        if (row.minimalRate) rate->setText(tr("%1 (%2 a month)").arg(rate->text(), perMonthCount(figures)));
        setItem(r, StreetTotal, figureItem(wholeText(figures.streetTotal)));
        setItem(r, SterilisedOwned, figureItem(wholeText(figures.sterilisedOwned)));
        setItem(r, SterilisedStreet, figureItem(wholeText(figures.sterilisedStreet)));
        setItem(r, SterilisedTotal, figureItem(wholeText(figures.sterilisedOwned + figures.sterilisedStreet)));
        setItem(r, Cost, figureItem(wholeText(figures.cost)));
        setItem(r, OperationsFirstYear, figureItem(wholeText(figures.operationsFirstYear)));
        setItem(r, OperationsMeanPerYear, figureItem(wholeText(figures.operationsMeanPerYear)));
        setItem(r, StreetCoverage, figureItem(coveragePercentText(figures.streetCoverage)));
    }
    showRobustRates();
    if (!plan || !plan->cheapest) return;
    const int row = plan->cheapest->ownedShare / plan->settings.ownedShareStep;
    cheapestRow_ = row;
    const QString tip = tr("The cheapest programme of the whole grid aims %1 % at owned dogs: %2 a year, cost %3.")
                            .arg(plan->cheapest->ownedShare)
                            .arg(plan->operationsStep ? scanValueText(*plan, plan->cheapest->rate)
                                                      : tr("rate %1").arg(ratePercentText(plan->cheapest->rate)),
                                 wholeText(plan->cheapest->figures.cost));
    for (int column = 0; column < kColumnCount; ++column) {
        QTableWidgetItem* cell = this->item(row, column);
        if (!cell) setItem(row, column, cell = figureItem(QString()));
        QFont bold = cell->font();
        bold.setBold(true);
        cell->setFont(bold);
        cell->setBackground(QColor(0xff, 0xe8, 0x99));
        cell->setToolTip(tip);
    }
}

void PlanTable::setRobustPlan(const std::shared_ptr<const RobustPlan>& plan)
{
    robust_ = plan;
    showRobustRates();
}

void PlanTable::showRobustRates()
{
    setColumnHidden(RobustRate, !robust_);
    if (!robust_) return;
    const QString confidence = QString::fromStdString(formatPlain(robust_->confidence));
    horizontalHeaderItem(RobustRate)
        ->setText(robust_->operationsStep ? tr("Operations at\n%1 %").arg(confidence)
                                          : tr("Rate at\n%1 %").arg(confidence));
    const int step = robust_->settings.ownedShareStep;
    if (!plan_ || step <= 0) return;
    for (int r = 0; r < rowCount(); ++r) {
        // The rows of the two plans match while both were made for the same step; until the newer
        // one arrives the cell stays empty rather than show another share's rate.
        const int share = plan_->rows[static_cast<std::size_t>(r)].ownedShare;
        const auto index = static_cast<std::size_t>(share / step);
        if (index >= robust_->rows.size() || robust_->rows[index].ownedShare != share) {
            setItem(r, RobustRate, figureItem(QString()));
            continue;
        }
        const RobustRow& row = robust_->rows[index];
        QTableWidgetItem* cell = figureItem(robustRateText(*robust_, row));
        if (row.faulted > 0)
            cell->setToolTip(tr("%1 of %2 replicates fault at rate 0 for this share and are left out.")
                                 .arg(row.faulted)
                                 .arg(row.faulted + row.valid));
        setItem(r, RobustRate, cell);
    }
}

}  // namespace karnoth::gui
