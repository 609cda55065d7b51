#pragma once
// View -> Language: System, English, Español, Português (Brasil). The choice is kept in the
// session file and applied when Karnoth next starts (every caption is made once, when its window
// is built), which a notice says.

#include "gui/window/window_extension.h"

#include <QObject>

class QMenu;

namespace karnoth::gui {

class FormWindow;

class LanguageMenu : public QObject, public WindowExtension {
    Q_OBJECT

public:
    explicit LanguageMenu(FormWindow& window);
    QList<PlacedAction> actions() const override;

private:
    void choose(const QString& code);

    FormWindow& window_;
    QMenu* menu_;
};

}  // namespace karnoth::gui
