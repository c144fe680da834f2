#include "project/diskflush.h"

#include <QFileDevice>
#include <cerrno>
#include <unistd.h>

bool flushToDisk(QFileDevice &file, QString &errorText)
{
    if (::fsync(file.handle()) == 0 || errno == EINVAL || errno == ENOTSUP)
        return true;
    errorText = qt_error_string(errno);
    return false;
}
