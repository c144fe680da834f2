#include "project/diskflush.h"

#include <QFileDevice>
#include <io.h>
#include <windows.h>

bool flushToDisk(QFileDevice &file, QString &errorText)
{
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(file.handle()));
    if (handle != INVALID_HANDLE_VALUE && ::FlushFileBuffers(handle))
        return true;
    const DWORD error = ::GetLastError();
    // A device or file system without a cache to flush.
    if (error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED)
        return true;
    errorText = qt_error_string(int(error));
    return false;
}
