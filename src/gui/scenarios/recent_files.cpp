#include "gui/scenarios/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace karnoth::gui {
namespace {

const QString kKey = QStringLiteral("recentScenarios");

QSettings settings()
{
    return QSettings(QStringLiteral("karnoth"), QStringLiteral("karnoth"));
}

}  // namespace

QStringList RecentFiles::files() const
{
    return settings().value(kKey).toStringList();
}

void RecentFiles::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, kMostFiles));
}

void RecentFiles::remove(const QString& path)
{
    QStringList list = files();
    list.removeAll(QFileInfo(path).absoluteFilePath());
    store(list);
}

void RecentFiles::clear()
{
    store({});
}

void RecentFiles::store(const QStringList& list)
{
    QSettings stored = settings();
    stored.setValue(kKey, list);
}

}  // namespace karnoth::gui
