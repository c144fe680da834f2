#include "support/fullfilesystem.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// Only root can: a user namespace (unshare -r) needs a process of one thread,
// and a test runs beside Qt Test's watchdog thread.
FullFileSystem::FullFileSystem()
{
    const QByteArray target = QFile::encodeName(dir.path());
    if (geteuid() != 0)
        why = QStringLiteral("mounting a small tmpfs needs root, as CI runs the tests");
    else if (unshare(CLONE_NEWNS) != 0 ||
             mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
             mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") != 0)
        why = QStringLiteral("cannot mount a small tmpfs: %1")
                  .arg(QString::fromLocal8Bit(strerror(errno)));
}

FullFileSystem::~FullFileSystem()
{
    if (closed)
        setfsuid(0);
    if (why.isEmpty())
        umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
}

QString FullFileSystem::fullDiskReason()
{
    return qt_error_string(ENOSPC);
}

QString FullFileSystem::closeFolder()
{
    for (const QFileInfo &file : QDir(dir.path()).entryInfoList(QDir::Files))
        chmod(QFile::encodeName(file.filePath()).constData(), 0666);
    chmod(QFile::encodeName(dir.path()).constData(), 0555);
    setfsuid(65534);
    closed = true;
    return {};
}
