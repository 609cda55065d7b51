#include "gui/form_window.h"

#include "gui/chart_view.h"
#include "gui/control_widgets.h"
#include "gui/diagram_surface.h"
#include "gui/form_binding.h"
#include "gui/form_fonts.h"
#include "gui/twips_scale.h"
#include "panel/control_names.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace karnoth::gui {
namespace {

// The fault line sits under the chart, across the layout's width (twips).
constexpr int kMargin = 120;
constexpr int kFaultLineTop = kLayoutBottom + 60;
constexpr int kFaultLineHeight = 285;
constexpr int kClientWidth = kLayoutRight + kMargin;
constexpr int kClientHeight = kFaultLineTop + kFaultLineHeight + kMargin;

QString qtName(std::string_view name) { return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())); }

QVector<QLine> diagramLines(const TwipsScale& scale)
{
    QVector<QLine> lines;
    for (const LayoutRow& row : formLayout())
        if (row.kind == ControlKind::Line) lines.push_back(scale.line(row));
    return lines;
}

}  // namespace

FormWindow::FormWindow(std::filesystem::path directory, QWidget* parent)
    : QWidget(parent), form_(std::move(directory))
{
    setObjectName(QString::fromUtf8(kFormTitle.data(), static_cast<qsizetype>(kFormTitle.size())));
    setWindowTitle(objectName());
    setFont(formFont());
    const TwipsScale scale = TwipsScale::ofPrimaryScreen();

    surface_ = new DiagramSurface(diagramLines(scale), this);
    surface_->setObjectName(QStringLiteral("clientArea"));
    surface_->setMinimumSize(scale.toPixels(kClientWidth), scale.toPixels(kClientHeight));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(surface_);

    binding_ = new FormBinding(form_, this);
    buildControls();

    faultLine_ = new QLabel(surface_);
    faultLine_->setObjectName(QStringLiteral("faultLine"));
    faultLine_->setTextFormat(Qt::PlainText);
    faultLine_->setWordWrap(false);
    QPalette palette = faultLine_->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    faultLine_->setPalette(palette);
    faultLine_->setGeometry(scale.rect(kMargin, kFaultLineTop, kLayoutRight - kMargin, kFaultLineHeight));

    connect(binding_, &FormBinding::chartUpdated, chart_, qOverload<>(&QWidget::update));
    connect(binding_, &FormBinding::faultShown, this, [this](const QString& message) {
        // A caller's error reaches here without being Form1's current fault; show it all the same.
        if (form_.currentFault().empty()) showMessage(message);
        else showCurrentFault();
    });
    connect(binding_, &FormBinding::runFinished, this, &FormWindow::showCurrentFault);
    connect(chart_, &ChartView::actionFailed, this, &FormWindow::showMessage);

    setTabOrder();
    form_.Form_Load();
    showCurrentFault();
    if (QWidget* run = controlWidget(qtName(control::cmdRun))) run->setFocus();
}

FormWindow::~FormWindow() = default;

void FormWindow::buildControls()
{
    const TwipsScale scale = TwipsScale::ofPrimaryScreen();
    for (const Control& control : form_.controls()) {
        if (control.row->kind == ControlKind::PictureBox) {
            chart_ = new ChartView(form_, surface_);
            chart_->setObjectName(QString::fromUtf8(control.row->name.data(),
                                                    static_cast<qsizetype>(control.row->name.size())));
            chart_->setGeometry(scale.rect(*control.row));
            continue;
        }
        if (QWidget* widget = createControlWidget(control, scale, surface_)) binding_->bind(control, widget);
    }
}

QWidget* FormWindow::controlWidget(const QString& name) const
{
    if (chart_ && name == chart_->objectName()) return chart_;
    return binding_->widget(name);
}

void FormWindow::setTabOrder()
{
    std::vector<std::pair<int, QWidget*>> order;
    for (const Control& control : form_.controls()) {
        const LayoutRow& row = *control.row;
        if (row.kind == ControlKind::Label || row.kind == ControlKind::Line) continue;
        QWidget* widget = controlWidget(QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size())));
        if (widget) order.emplace_back(row.tab, widget);
    }
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

void FormWindow::showMessage(const QString& message)
{
    // One line: a long message is cut at the window's edge; the whole of it is in the tool tip.
    const QString oneLine = message.simplified();
    faultLine_->setText(faultLine_->fontMetrics().elidedText(oneLine, Qt::ElideRight, faultLine_->width()));
    faultLine_->setToolTip(message);
}

void FormWindow::showCurrentFault() { showMessage(QString::fromStdString(form_.currentFault())); }

void FormWindow::closeEvent(QCloseEvent* event)
{
    if (!unloaded_) {
        unloaded_ = true;
        form_.Form_Unload();
    }
    event->accept();
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter presses Run wherever the focus is: the inputs pass Enter on to their window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* run = qobject_cast<QPushButton*>(controlWidget(qtName(control::cmdRun)))) {
            run->click();
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

}  // namespace karnoth::gui
