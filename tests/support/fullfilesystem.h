#pragma once

#include <QString>
#include <QTemporaryDir>

// A real file system that runs out of space: a tmpfs of 64 KiB mounted, as
// root, in a private mount namespace of the calling thread (and the processes
// it starts), so that no mount outlives the test. Wine cannot mount one: on
// Windows it is a folder on such a tmpfs that the test run mounted for the
// tests (dist/windows/with-full-disk.sh) and named in ZAREN_FULL_DISK.
class FullFileSystem
{
public:
    FullFileSystem();
    ~FullFileSystem();
    FullFileSystem(const FullFileSystem &) = delete;
    FullFileSystem &operator=(const FullFileSystem &) = delete;

    // Empty when mounted, else why not (for QSKIP).
    const QString &unavailable() const { return why; }
    QString filePath(const QString &name) const { return dir.filePath(name); }
    // Fills the file system up, then frees that many bytes again.
    void fillLeaving(qint64 bytes) const;
    // The system's words for a write that found the disk full.
    static QString fullDiskReason();
    // From now on the calling thread can write the files there but make none (root
    // works there as nobody); empty when so, else why not (for QSKIP).
    QString closeFolder();

private:
    QTemporaryDir dir;
    QString why;
    bool closed = false;
};
