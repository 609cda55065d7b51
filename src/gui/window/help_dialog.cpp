#include "gui/window/help_dialog.h"

#include "gui/widgets/screen_fit.h"
#include "render/input_help.h"

#include <QDialogButtonBox>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace karnoth::gui {

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("modelHelp"));
    setWindowTitle(tr("About the model"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    browser_->setHtml(render::modelHelpHtml());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    // As wide as the help's table needs, so that it never scrolls sideways (at least 100 letters),
    // and 40 lines high; at most the screen.
    const QFontMetrics metrics(font());
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
    // Laid out without a width, the help's document is as wide as its widest line or table.
    QTextDocument unwrapped;
    unwrapped.setDefaultFont(browser_->font());
    unwrapped.setDocumentMargin(browser_->document()->documentMargin());
    unwrapped.setHtml(browser_->toHtml());
    const int tableWidth = static_cast<int>(std::ceil(unwrapped.size().width())) + 2 * browser_->frameWidth() +
                           browser_->verticalScrollBar()->sizeHint().width() + margins;
    openWithinScreen(*this, QSize(std::max(tableWidth, metrics.averageCharWidth() * 100), metrics.lineSpacing() * 40));
}

}  // namespace karnoth::gui
