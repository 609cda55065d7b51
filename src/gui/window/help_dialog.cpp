#include "gui/window/help_dialog.h"

#include "render/input_help.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

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
    // About 100 letters wide and 40 lines high.
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 100, metrics.lineSpacing() * 40);
}

}  // namespace karnoth::gui
