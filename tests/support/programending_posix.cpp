#include "support/programending.h"

#include <QProcess>
#include <csignal>

QList<ProgramEnding::Ending> ProgramEnding::endings()
{
    return {{"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}, {"SIGINT", SIGINT}};
}

QString ProgramEnding::unavailable()
{
    return {};
}

void ProgramEnding::prepare(QProcess &) {}

void ProgramEnding::takeEndingsAsFromConsole()
{
    std::signal(SIGINT, SIG_DFL);
}

void ProgramEnding::end(QProcess &program, const Ending &ending)
{
    ::kill(pid_t(program.processId()), ending.how);
}
