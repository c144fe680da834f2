#include "project/desktoprecent.h"

#include <QDir>
#include <shlobj.h>

void DesktopRecent::add(const QString &path)
{
    const QString native = QDir::toNativeSeparators(QDir::cleanPath(path));
    SHAddToRecentDocs(SHARD_PATHW, reinterpret_cast<const wchar_t *>(native.utf16()));
}
