#include "project/recentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace
{

const char *const recentFilesKey = "RecentFiles";

} // namespace

// An explicit INI file: the native format would be the registry on Windows,
// and QSettings' own folder needs an organization name the program has not.
QString RecentFiles::defaultSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/settings.ini");
}

RecentFiles::RecentFiles(const QString &settingsPath) : settingsPath(settingsPath) {}

QStringList RecentFiles::paths() const
{
    const QSettings settings(settingsPath, QSettings::IniFormat);
    return settings.value(QLatin1String(recentFilesKey)).toStringList().mid(0, maximum);
}

void RecentFiles::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, maximum));
}

void RecentFiles::remove(const QString &path)
{
    QStringList list = paths();
    list.removeAll(path);
    store(list);
}

void RecentFiles::clear()
{
    store({});
}

void RecentFiles::store(const QStringList &paths)
{
    QSettings settings(settingsPath, QSettings::IniFormat);
    settings.setValue(QLatin1String(recentFilesKey), paths);
}

QStringList recentFileLabels(const QStringList &paths)
{
    QStringList names;
    for (const QString &path : paths)
        names << QFileInfo(path).fileName();
    QStringList labels;
    for (int i = 0; i < paths.size(); ++i) {
        const QString &name = names.at(i);
        labels << (names.count(name) > 1
                       ? QStringLiteral("%1 (%2)").arg(
                             name, QDir::toNativeSeparators(QFileInfo(paths.at(i)).path()))
                       : name);
    }
    return labels;
}
