#pragma once

#include <QString>

class QFileDevice;

// Asks the system to put what was written to an open file on the disk itself.
// False, with the system's reason, when the disk did not take it; a file
// system that cannot flush at all is no failure.
bool flushToDisk(QFileDevice &file, QString &errorText);
