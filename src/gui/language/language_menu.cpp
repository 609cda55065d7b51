#include "gui/language/language_menu.h"

#include "gui/language/window_language.h"
#include "gui/window/form_window.h"

#include <QActionGroup>
#include <QMenu>

namespace karnoth::gui {

namespace {

constexpr int kNoticeMilliseconds = 10000;

}  // namespace

LanguageMenu::LanguageMenu(FormWindow& window) : QObject(&window), window_(window)
{
    menu_ = new QMenu(tr("&Language"), &window);
    menu_->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu_);
    const std::optional<LanguageSettings>& kept = window.keptSettings().language;
    const QString current = kept && knownLanguage(QString::fromStdString(kept->code))
                                ? QString::fromStdString(kept->code)
                                : QString();
    // Each language is named in itself, so that it can be found whatever the window's language.
    const std::pair<QString, QString> choices[] = {{tr("&System"), QString()},
                                                   {QStringLiteral("&English"), kEnglish},
                                                   {QStringLiteral("Es&pañol"), kSpanish},
                                                   {QStringLiteral("P&ortuguês (Brasil)"), kBrazilianPortuguese}};
    for (const auto& [caption, code] : choices) {
        QAction* action = menu_->addAction(caption);
        action->setCheckable(true);
        action->setChecked(code == current);
        action->setData(code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code = code] { choose(code); });
    }
}

QList<PlacedAction> LanguageMenu::actions() const
{
    return {{MenuPlace::view, menu_->menuAction()}};
}

void LanguageMenu::choose(const QString& code)
{
    window_.keptSettings().language = code.isEmpty()
                                          ? std::nullopt
                                          : std::optional<LanguageSettings>(LanguageSettings{code.toStdString()});
    window_.showNotice(tr("The new language applies when Karnoth next starts."), kNoticeMilliseconds);
}

}  // namespace karnoth::gui
