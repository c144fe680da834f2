#include "support/fullfilesystem.h"

#include <QFile>
#include <windows.h>

namespace
{

QString folderOnFullDisk()
{
    return qEnvironmentVariable("ZAREN_FULL_DISK") + QStringLiteral("/XXXXXX");
}

} // namespace

FullFileSystem::FullFileSystem() : dir(folderOnFullDisk())
{
    if (qEnvironmentVariableIsEmpty("ZAREN_FULL_DISK"))
        why = QStringLiteral("Wine cannot mount a small disk; make test-windows, as root, "
                             "gives the tests one (ZAREN_FULL_DISK)");
    else if (!dir.isValid())
        why = QStringLiteral("no folder on the small disk: %1").arg(dir.errorString());
}

FullFileSystem::~FullFileSystem() = default;

QString FullFileSystem::fullDiskReason()
{
    return qt_error_string(ERROR_DISK_FULL);
}

QString FullFileSystem::closeFolder()
{
    return QStringLiteral("Wine has no folder rights that forbid new files");
}
