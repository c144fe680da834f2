#pragma once

#include <QList>
#include <QString>

class QProcess;

// The ways the platform tells a running program to end, so that it can keep
// its work first (killing it, QProcess::kill, is the same everywhere).
// POSIX: SIGTERM, SIGHUP, SIGINT; Windows: the console's Ctrl+C (Wine sends
// no Ctrl+Break to a single process group).
namespace ProgramEnding
{

struct Ending {
    QString name;
    int how;
};
QList<Ending> endings();
// Empty when the endings can be tried here, else why not (for QSKIP).
QString unavailable();

// Before start: the program is started so that an ending reaches it.
void prepare(QProcess &program);
// In that program: takes the endings as one started from a terminal or a
// console does, also when the tests run in the background.
void takeEndingsAsFromConsole();
void end(QProcess &program, const Ending &ending);

} // namespace ProgramEnding
