#pragma once
// The scenario files opened or saved lately, newest first, kept in the user's settings (QSettings,
// organisation and application "karnoth"), never in karnoth.ini.

#include <QString>
#include <QStringList>

namespace karnoth::gui {

class RecentFiles {
public:
    static constexpr int kMostFiles = 8;

    QStringList files() const;
    // Puts `path` (made absolute) first, dropping an older mention of it and any beyond kMostFiles.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();

private:
    void store(const QStringList& files);
};

}  // namespace karnoth::gui
