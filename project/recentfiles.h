#pragma once

#include <QString>
#include <QStringList>

// The project files last exported or imported, newest first. They live in
// the program's settings file, so that they outlive the program and every
// running program sees what the others added; each call reads or writes
// the file at once.
class RecentFiles
{
public:
    static constexpr int maximum = 8;

    // The program's own settings: an INI file in its configuration folder
    // (~/.config/zaren800-configurator/settings.ini), the same format on every
    // platform, shared with no other program.
    static QString defaultSettingsPath();

    explicit RecentFiles(const QString &settingsPath = defaultSettingsPath());

    QStringList paths() const;
    // Puts the file first (absolute), once, and keeps the newest maximum.
    void add(const QString &path);
    void remove(const QString &path);
    void clear();

private:
    void store(const QStringList &paths);

    QString settingsPath;
};

// What a menu shows of each file: its name, followed by its folder where
// another file of the list has the same name.
QStringList recentFileLabels(const QStringList &paths);
