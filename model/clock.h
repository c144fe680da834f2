#pragma once

#include <QDateTime>

// The one source of "now" for the report heading and the project file's
// CreateTime; tests fix it so that golden outputs are exact.
namespace Clock
{
QDateTime now();
void fix(const QDateTime &moment);
void release();
} // namespace Clock
