#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>

// Work that is not exported, kept in the program's own data folder so that a
// program that is killed, crashes or is logged out loses nothing. Every
// running program has a place of its own there, numbered n and locked for as
// long as it runs, so that two programs never take each other's copy:
//   n.lock   the lock (process id, host and program name)
//   n.rccfg  the copy: the project, enciphered as export writes it, so that
//            it reads back as any project file does
//   n.json   what the copy came from: {"source": the file last exported or
//            imported ("" for none), "saved": when the copy was written}
// A copy whose place nobody holds was left by a program that no longer runs.
class RecoveryCopy
{
public:
    struct Note {
        QString sourcePath;
        QDateTime saved;
    };

    // "recovery" in the program's data folder.
    static QString defaultFolder();
    // A place for this program's copy, locked until the object goes; null
    // when the folder cannot be made or holds no place that can be locked,
    // with the system's reason in errorText when given ("Not a directory",
    // "Read-only file system").
    static std::unique_ptr<RecoveryCopy> takeFreePlace(const QString &folder = defaultFolder(),
                                                       QString *errorText = nullptr);
    // The newest copy left by a program that no longer runs, now locked for
    // this one; null when there is none.
    static std::unique_ptr<RecoveryCopy> takeLeftOver(const QString &folder = defaultFolder());

    // The copy, readable as a project file.
    QString projectPath() const;
    bool exists() const;
    Note note() const;
    // When the program that wrote the copy was last known to run: its last
    // write or sign of life.
    QDateTime lastAlive() const;
    // What the copy holds, in a line: "site.rccfg, 12 functions, ended 09-12-2026 14:32";
    // for a damaged copy why it cannot be read instead of what it holds:
    // "site.rccfg, ended 09-12-2026 14:32, cannot be read: the file is empty".
    QString summary() const;
    // Why the copy does not read as a project file (cut short, damaged); empty when it does.
    QString damage() const;

    // False, with the system's reason in errorText, when the copy could not be
    // written; a copy written before is then left as it was.
    bool save(const QByteArray &projectBytes, const Note &note, QString &errorText);
    bool remove(QString &errorText);
    // A sign of life, so that the next start can tell when this program ended.
    void touch();

private:
    RecoveryCopy(const QString &folder, int place);
    QString placePath(const char *suffix) const;
    bool tryLock();

    QString folder;
    int place;
    QLockFile lock;
};
