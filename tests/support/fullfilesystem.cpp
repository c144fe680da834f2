#include "support/fullfilesystem.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace
{

bool writeProcFile(const char *path, const QByteArray &text)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Root in a new user namespace, with the caller's ids mapped to root.
bool becomeNamespaceRoot()
{
    const QByteArray uid = QByteArray::number(getuid()), gid = QByteArray::number(getgid());
    return unshare(CLONE_NEWUSER) == 0 && writeProcFile("/proc/self/setgroups", "deny") &&
           writeProcFile("/proc/self/uid_map", "0 " + uid + " 1") &&
           writeProcFile("/proc/self/gid_map", "0 " + gid + " 1");
}

} // namespace

FullFileSystem::FullFileSystem()
{
    const QByteArray target = QFile::encodeName(dir.path());
    if ((geteuid() != 0 && !becomeNamespaceRoot()) || unshare(CLONE_NEWNS) != 0 ||
        mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") != 0)
        why = QStringLiteral("cannot mount a small tmpfs (%1): run as root, as CI does")
                  .arg(QString::fromLocal8Bit(strerror(errno)));
}

FullFileSystem::~FullFileSystem()
{
    if (why.isEmpty())
        umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
}

void FullFileSystem::fillLeaving(qint64 bytes) const
{
    QFile filler(filePath(QStringLiteral("filler")));
    filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    filler.resize(qMax<qint64>(0, filler.size() - bytes));
}
