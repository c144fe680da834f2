#pragma once

#include <QString>

// Shown on the Home page, written into every project file and compared on import.
inline QString programVersion()
{
    return QStringLiteral("v2.0.2");
}
