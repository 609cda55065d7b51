#include "gui/scenarios/scenarios_view.h"

#include "app/comparison_rows.h"
#include "app/scenario_file.h"
#include "gui/scenarios/scenario_details_dialog.h"
#include "gui/scenarios/scenario_list.h"
#include "gui/scenarios/scenario_overlay_view.h"
#include "gui/widgets/drawing_export.h"
#include "gui/widgets/own_window.h"
#include "gui/widgets/remembered_place.h"
#include "gui/widgets/screen_fit.h"
#include "gui/window/form_binding.h"
#include "gui/window/form_window.h"
#include "render/translated_phrase.h"
#include "support/fault.h"
#include "support/number_masks.h"
#include "support/text_file.h"

#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace karnoth::gui {
namespace {

QString plain(double value)
{
    return QString::fromStdString(formatPlain(value));
}

// The style's swatch as an icon, for the list and the table.
QIcon swatchIcon(int style, const QFont& font)
{
    const QFontMetrics metrics(font);
    QPixmap pixmap(metrics.height() * 3, metrics.height());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    render::paintOverlaySwatch(painter, QRectF(pixmap.rect()).adjusted(1, 0, -1, 0), render::overlayStyle(style),
                               metrics.height() / 12.0);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

ScenariosView::ScenariosView(FormWindow& window, ScenarioList& list, QWidget* parent)
    : QWidget(parent, Qt::Window), window_(window), list_(list)
{
    setObjectName(QStringLiteral("scenariosView"));
    makeOwnWindow(*this);
    setWindowTitle(tr("Scenarios"));

    overlay_ = new ScenarioOverlayView(this);
    companion_ = new QComboBox(this);
    companion_->setObjectName(QStringLiteral("companion"));
    companion_->addItem(tr("Street total only"), static_cast<int>(render::OverlayCompanion::None));
    companion_->addItem(tr("Street total and fertile street females"),
                        static_cast<int>(render::OverlayCompanion::Breeders));
    companion_->addItem(tr("Street total and sterilisations per year"),
                        static_cast<int>(render::OverlayCompanion::Sterilisations));
    companion_->setCurrentIndex(1);
    companion_->setToolTip(tr("What the thin lines show beside each scenario's street total."));
    connect(companion_, &QComboBox::currentIndexChanged, this,
            [this] { overlay_->setLines(render::overlayLines(rows_), companion()); });
    connect(&window_, &FormWindow::firstYearShownChanged, this,
            [this] { overlay_->setFirstYear(window_.form().firstYearShown()); });

    buildList();
    buildTable();

    auto* chartSide = new QWidget(this);
    auto* chartLayout = new QVBoxLayout(chartSide);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    auto* companionRow = new QHBoxLayout;
    companionRow->addWidget(new QLabel(tr("&Draw:"), this));
    static_cast<QLabel*>(companionRow->itemAt(0)->widget())->setBuddy(companion_);
    companionRow->addWidget(companion_);
    companionRow->addStretch(1);
    chartLayout->addLayout(companionRow);
    chartLayout->addWidget(overlay_, 1);

    auto* listSide = new QWidget(this);
    auto* listLayout = new QVBoxLayout(listSide);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(listWidget_, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(open_, 0, 0);
    buttons->addWidget(add_, 0, 1);
    buttons->addWidget(rename_, 1, 0);
    buttons->addWidget(remove_, 1, 1);
    buttons->addWidget(up_, 2, 0);
    buttons->addWidget(down_, 2, 1);
    listLayout->addLayout(buttons);

    auto* upper = new QSplitter(Qt::Horizontal, this);
    upper->addWidget(listSide);
    upper->addWidget(chartSide);
    upper->setStretchFactor(1, 1);

    auto* lower = new QWidget(this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(targetLine_);
    lowerLayout->addWidget(table_, 1);
    lowerLayout->addWidget(note_);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(upper);
    split->addWidget(lower);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto* exports = new QDialogButtonBox(this);
    QPushButton* csv = exports->addButton(tr("Export table as &CSV..."), QDialogButtonBox::ActionRole);
    QPushButton* png = exports->addButton(tr("Export chart as &PNG..."), QDialogButtonBox::ActionRole);
    QPushButton* svg = exports->addButton(tr("Export chart as &SVG..."), QDialogButtonBox::ActionRole);
    QPushButton* close = exports->addButton(QDialogButtonBox::Close);
    csv->setToolTip(tr("The comparison table, one line per scenario, for a spreadsheet."));
    png->setToolTip(tr("The chart of the scenarios as a picture."));
    svg->setToolTip(tr("The chart of the scenarios as a drawing that scales without blurring."));
    connect(csv, &QPushButton::clicked, this, [this] {
        askToExport(tr("Export comparison as CSV"), tr("CSV files (*.csv)"), QStringLiteral(".csv"),
                    [this](const QString& path, QString& error) { return exportCsv(path, error); });
    });
    connect(png, &QPushButton::clicked, this, [this] {
        askToExport(tr("Export comparison chart as PNG"), tr("PNG images (*.png)"), QStringLiteral(".png"),
                    [this](const QString& path, QString& error) { return overlay_->savePng(path, error); });
    });
    connect(svg, &QPushButton::clicked, this, [this] {
        askToExport(tr("Export comparison chart as SVG"), tr("SVG drawings (*.svg)"), QStringLiteral(".svg"),
                    [this](const QString& path, QString& error) { return overlay_->saveSvg(path, error); });
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("scenariosMessage"));
    message_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addWidget(message_);
    layout->addWidget(exports);

    connect(&list_, &ScenarioList::changed, this, &ScenariosView::refresh);
    connect(&window_.binding(), &FormBinding::runOver, this, &ScenariosView::follow);
    connect(&window_, &FormWindow::planSettingsChanged, this, &ScenariosView::follow);

    const QFontMetrics metrics(font());
    openWithinScreen(*this, QSize(metrics.averageCharWidth() * 150, metrics.lineSpacing() * 45));
    rememberPlace(*this, "scenarios", window_.keptSettings().windows);
    refresh();
}

void ScenariosView::buildList()
{
    listWidget_ = new QListWidget(this);
    listWidget_->setObjectName(QStringLiteral("scenarioList"));
    listWidget_->setToolTip(tr("The scenarios compared: \"current\" is the window as it is now."));
    const QFontMetrics metrics(font());
    listWidget_->setIconSize(QSize(metrics.height() * 3, metrics.height()));
    connect(listWidget_, &QListWidget::currentRowChanged, this, &ScenariosView::updateButtons);
    connect(listWidget_, &QListWidget::itemDoubleClicked, this, &ScenariosView::askToRename);

    open_ = new QPushButton(tr("&Open..."), this);
    open_->setToolTip(tr("Add scenarios from files saved with File > Save scenario."));
    connect(open_, &QPushButton::clicked, this, &ScenariosView::askToOpen);
    add_ = new QPushButton(tr("&Add current..."), this);
    add_->setToolTip(tr("Keep the window's inputs as they are now under a name, to compare with later changes."));
    connect(add_, &QPushButton::clicked, this, &ScenariosView::askToAddWindowState);
    rename_ = new QPushButton(tr("Re&name..."), this);
    rename_->setToolTip(tr("Give the selected scenario another name."));
    connect(rename_, &QPushButton::clicked, this, &ScenariosView::askToRename);
    remove_ = new QPushButton(tr("&Remove"), this);
    remove_->setToolTip(tr("Take the selected scenario off the list (its file stays)."));
    connect(remove_, &QPushButton::clicked, this, [this] {
        const int index = selectedIndex();
        if (list_.remove(index)) select(std::min(index, list_.size() - 1));
    });
    up_ = new QPushButton(tr("&Up"), this);
    up_->setToolTip(tr("Move the selected scenario up the list."));
    connect(up_, &QPushButton::clicked, this, [this] {
        const int index = selectedIndex();
        if (list_.move(index, index - 1)) select(index - 1);
    });
    down_ = new QPushButton(tr("Do&wn"), this);
    down_->setToolTip(tr("Move the selected scenario down the list."));
    connect(down_, &QPushButton::clicked, this, [this] {
        const int index = selectedIndex();
        if (list_.move(index, index + 1)) select(index + 1);
    });
}

void ScenariosView::buildTable()
{
    targetLine_ = new QLabel(this);
    targetLine_->setObjectName(QStringLiteral("comparisonTarget"));
    targetLine_->setWordWrap(true);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("comparisonTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("killedNote"));
    note_->setWordWrap(true);
}

render::OverlayCompanion ScenariosView::companion() const
{
    return static_cast<render::OverlayCompanion>(companion_->currentData().toInt());
}

const std::vector<ComparisonRow>& ScenariosView::rows()
{
    bringUpToDate();
    return rows_;
}

const PlanSettings& ScenariosView::target()
{
    bringUpToDate();
    return target_;
}

ScenarioOverlayView& ScenariosView::overlay()
{
    bringUpToDate();
    return *overlay_;
}

QTableWidget& ScenariosView::table()
{
    bringUpToDate();
    return *table_;
}

void ScenariosView::follow()
{
    if (isVisible())
        refresh();
    else
        outOfDate_ = true;
}

void ScenariosView::bringUpToDate()
{
    if (outOfDate_) refresh();
}

void ScenariosView::showEvent(QShowEvent* event)
{
    bringUpToDate();
    QWidget::showEvent(event);
}

void ScenariosView::refresh()
{
    outOfDate_ = false;
    target_ = comparisonTarget(window_.planSettings(), window_.form());
    rows_ = comparisonRows(list_.entries(), window_.form(), target_);
    showRows();
}

void ScenariosView::showRows()
{
    const int selected = selectedIndex();
    const std::vector<render::OverlayLine> lines = render::overlayLines(rows_);
    const auto drawnStyle = [&](std::size_t index) {
        for (const render::OverlayLine& line : lines)
            if (line.style == static_cast<int>(index)) return true;
        return false;
    };

    listWidget_->clear();
    for (std::size_t i = 0; i < list_.entries().size(); ++i) {
        const ListedScenario& entry = list_.entries()[i];
        auto* item = new QListWidgetItem(QString::fromStdString(entry.name), listWidget_);
        if (drawnStyle(i)) item->setIcon(swatchIcon(static_cast<int>(i), font()));
        QString tip = entry.window ? tr("The window as it is now: every run updates it.")
                                   : QString::fromStdString(entry.notes);
        if (i < rows_.size() && !rows_[i].comparison.run)
            tip = tr("Not drawn: %1").arg(QString::fromStdString(rows_[i].comparison.fault.value_or("")));
        item->setToolTip(tip);
    }
    select(selected >= 0 && selected < list_.size() ? selected : list_.windowIndex());

    overlay_->setFirstYear(window_.form().firstYearShown());
    overlay_->setLines(lines, companion());

    targetLine_->setText(tr("Every scenario runs on its own inputs and culling records and is judged by the planner's "
                            "target: its street total in %1 at most %2 % of its own street total in the year before "
                            "its programme starts. Sterilisations and cost (%3 an owned, %4 a street sterilisation) "
                            "count from its start to %1.")
                             .arg(target_.targetYear)
                             .arg(plain(target_.targetPercent), plain(target_.costOwned), plain(target_.costStreet)));

    const std::vector<std::string> headings = comparisonHeadings(target_);
    table_->clear();
    table_->clearSpans();
    table_->setColumnCount(static_cast<int>(headings.size()));
    table_->setRowCount(static_cast<int>(rows_.size()));
    QStringList labels;
    for (const std::string& heading : headings) labels << QString::fromStdString(heading);
    table_->setHorizontalHeaderLabels(labels);
    bool marked = false;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const ComparisonRow& row = rows_[r];
        const std::vector<std::string> cells = comparisonCells(row, target_);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
            if (c > 0 && row.comparison.figures) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
        QTableWidgetItem* name = table_->item(static_cast<int>(r), 0);
        if (drawnStyle(r)) name->setIcon(swatchIcon(static_cast<int>(r), font()));
        if (row.killedDiffers) name->setToolTip(QString::fromStdString(killedMarkNote()));
        if (!row.comparison.figures) {
            table_->setSpan(static_cast<int>(r), 1, 1, static_cast<int>(cells.size()) - 1);
            table_->item(static_cast<int>(r), 1)->setToolTip(QString::fromStdString(row.comparison.fault.value_or("")));
        }
        marked = marked || row.killedDiffers;
    }
    table_->setIconSize(listWidget_->iconSize());
    note_->setText(marked ? QString::fromStdString(killedMarkNote()) : QString());
    note_->setVisible(marked);
    updateButtons();
}

int ScenariosView::selectedIndex() const
{
    return listWidget_->currentRow();
}

void ScenariosView::select(int index)
{
    if (index >= 0 && index < listWidget_->count()) listWidget_->setCurrentRow(index);
    updateButtons();
}

void ScenariosView::updateButtons()
{
    const int index = selectedIndex();
    const bool valid = index >= 0 && index < list_.size();
    const bool window = valid && list_.entries()[static_cast<std::size_t>(index)].window;
    open_->setEnabled(!list_.isFull());
    add_->setEnabled(!list_.isFull());
    rename_->setEnabled(valid && !window);
    remove_->setEnabled(valid && !window);
    up_->setEnabled(valid && index > 0);
    down_->setEnabled(valid && index + 1 < list_.size());
}

void ScenariosView::report(const QString& message)
{
    message_->setText(message);
}

bool ScenariosView::addScenarioFile(const QString& path, QString& error)
{
    if (list_.isFull()) {
        error = tr("The comparison holds %1 scenarios at most; remove one first.").arg(ScenarioList::kMostEntries);
        return false;
    }
    try {
        list_.add(ListedScenario::ofScenario(readScenarioFile(path.toStdString())));
    } catch (const Fault& fault) {
        error = render::translatedFault(fault.what(), fault.phrase());
        return false;
    }
    return true;
}

bool ScenariosView::addWindowState(const QString& name, const QString& notes, QString& error)
{
    if (list_.isFull()) {
        error = tr("The comparison holds %1 scenarios at most; remove one first.").arg(ScenarioList::kMostEntries);
        return false;
    }
    if (name.trimmed().isEmpty()) {
        error = tr("A scenario needs a name.");
        return false;
    }
    try {
        Scenario scenario = window_.form().currentScenario(name.trimmed().toStdString());
        scenario.notes = notes.toStdString();
        list_.add(ListedScenario::ofScenario(std::move(scenario)));
    } catch (const Fault& fault) {
        error = tr("The window's state cannot be kept: %1").arg(render::translatedFault(fault.what(), fault.phrase()));
        return false;
    }
    return true;
}

bool ScenariosView::exportCsv(const QString& path, QString& error)
{
    bringUpToDate();
    try {
        replaceWholeFile(QFile::encodeName(path).toStdString(), comparisonCsv(rows_, target_), path.toStdString());
    } catch (const Fault& fault) {
        error = render::translatedFault(fault.what(), fault.phrase());
        return false;
    }
    return true;
}

void ScenariosView::askToOpen()
{
    const QStringList paths = QFileDialog::getOpenFileNames(this, tr("Add scenarios"), QString(),
                                                            tr("Karnoth scenarios (*.karnoth);;All files (*)"));
    QStringList problems;
    for (const QString& path : paths) {
        QString error;
        if (!addScenarioFile(path, error)) problems << error;
    }
    report(problems.join(QLatin1Char('\n')));
}

void ScenariosView::askToAddWindowState()
{
    ScenarioDetailsDialog dialog(tr("Keep the window's state"), tr("option %1").arg(list_.size()), QString(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    QString error;
    report(addWindowState(dialog.name(), dialog.notes(), error) ? QString() : error);
}

void ScenariosView::askToRename()
{
    const int index = selectedIndex();
    if (index < 0 || index >= list_.size() || list_.entries()[static_cast<std::size_t>(index)].window) return;
    bool ok = false;
    const QString name = QInputDialog::getText(
        this, tr("Rename scenario"), tr("Name:"), QLineEdit::Normal,
        QString::fromStdString(list_.entries()[static_cast<std::size_t>(index)].name), &ok);
    if (ok && list_.rename(index, name)) select(index);
}

void ScenariosView::askToExport(const QString& title, const QString& filter, const QString& suffix,
                                const std::function<bool(const QString&, QString&)>& save)
{
    const QString path = askSavePath(this, title, filter, suffix,
                                     suggestedExportName(window_.form(), tr("comparison"), suffix));
    if (path.isEmpty()) return;
    QString error;
    report(save(path, error) ? tr("Saved %1.").arg(QDir::toNativeSeparators(path)) : error);
}

}  // namespace karnoth::gui
