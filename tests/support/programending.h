#pragma once

#include <QList>
#include <QString>

class QProcess;

// The ways a running program is ended from outside, as the platform has them:
// killed outright (the first), or told to end, so that it can keep its work.
// POSIX: SIGKILL, SIGTERM, SIGHUP, SIGINT; Windows: TerminateProcess and the
// console's Ctrl+C (Wine sends no Ctrl+Break to a single process group).
namespace ProgramEnding
{

struct Ending {
    QString name;
    int how = 0;
};
QList<Ending> endings();
bool isKill(const Ending &ending);
// Empty when the ending can be tried here, else why not (for QSKIP).
QString unavailable(const Ending &ending);

// Before start: the program is started so that an ending reaches it alone.
void prepare(QProcess &program);
// In that program: takes the endings as one started from a terminal or a
// console does, also when the tests run in the background.
void takeEndingsAsFromConsole();
void end(QProcess &program, const Ending &ending);

} // namespace ProgramEnding
