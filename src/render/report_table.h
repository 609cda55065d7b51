#pragma once
// A table on paper: a bold heading row over a rule, then the rows, every other one on a light grey
// band so that a row can be followed across in black and white. Cells wrap at word boundaries;
// columns share the width in the proportions given.

#include <QFont>
#include <QRectF>
#include <QStringList>

#include <vector>

class QPainter;
class QPaintDevice;

namespace karnoth::render {

struct ReportTable {
    QStringList headings;
    std::vector<QStringList> rows;  // each as many cells as headings; fewer are left empty
    std::vector<double> widths;  // the columns' shares of the width, any positive numbers
    std::vector<bool> rightAligned;  // per column; numbers read best aligned right (default left)
    // A row whose first cell is followed by a single non-empty second cell and empty others (a
    // fault in a table of figures) spans that cell over the rest of the row.
    bool spanLoneSecondCell = false;
};

// The table's height in pixels at `width` on `device` in `font`.
double reportTableHeight(const ReportTable& table, double width, const QFont& font, QPaintDevice* device);

// Paints the table with its top left at `topLeft`, `width` wide; returns its height.
double paintReportTable(QPainter& painter, const ReportTable& table, QPointF topLeft, double width, const QFont& font);

}  // namespace karnoth::render
