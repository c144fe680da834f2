#pragma once

#include <QString>
#include <QTextStream>

class QIODevice;

// Everything the tool prints goes through these two streams, so that tests
// can run a command in-process and read what it said.
namespace Cli
{

QTextStream &out();
QTextStream &err();

// Points the streams at other devices (nullptr: back to stdout and stderr).
void redirectOutput(QIODevice *outDevice, QIODevice *errDevice);

// Text as one line of output: a line break (in a name, say) is shown as \n or \r.
QString oneLine(QString text);

// Exit statuses, documented in the man page.
enum Status { Success = 0, Findings = 1, Failure = 2 };

} // namespace Cli
