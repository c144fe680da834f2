#pragma once

#include <QString>
#include <QTemporaryDir>

// A real file system that runs out of space: a tmpfs of 64 KiB mounted, as
// root, in a private mount namespace of the calling thread (and the processes
// it starts), so that no mount outlives the test.
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
    // From now on the calling thread can write the files there but make no new
    // one, as on a shared folder: it works there as nobody (root may do anything).
    void closeFolder();

private:
    QTemporaryDir dir;
    QString why;
    bool closed = false;
};
