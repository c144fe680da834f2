#include "support/programending.h"

#include <QProcess>
#include <csignal>

QList<ProgramEnding::Ending> ProgramEnding::endings()
{
    return {{QStringLiteral("SIGKILL"), SIGKILL},
            {QStringLiteral("SIGTERM"), SIGTERM},
            {QStringLiteral("SIGHUP"), SIGHUP},
            {QStringLiteral("SIGINT"), SIGINT}};
}

bool ProgramEnding::isKill(const Ending &ending)
{
    return ending.how == SIGKILL;
}

QString ProgramEnding::unavailable(const Ending &)
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
