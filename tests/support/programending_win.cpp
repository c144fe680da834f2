#include "support/programending.h"

#include <QProcess>
#include <windows.h>

namespace
{

const int terminated = -1;

} // namespace

QList<ProgramEnding::Ending> ProgramEnding::endings()
{
    return {{QStringLiteral("TerminateProcess"), terminated},
            {QStringLiteral("Ctrl+Break"), int(CTRL_BREAK_EVENT)}};
}

bool ProgramEnding::isKill(const Ending &ending)
{
    return ending.how == terminated;
}

// A process group of its own, on this console: Ctrl+Break reaches it alone.
void ProgramEnding::prepare(QProcess &program)
{
    program.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *arguments) {
        arguments->flags = (arguments->flags & ~DWORD(CREATE_NO_WINDOW)) | CREATE_NEW_PROCESS_GROUP;
    });
}

// A new process group ignores Ctrl+C until told otherwise.
void ProgramEnding::takeEndingsAsFromConsole()
{
    ::SetConsoleCtrlHandler(nullptr, FALSE);
}

void ProgramEnding::end(QProcess &program, const Ending &ending)
{
    if (isKill(ending))
        program.kill();
    else
        ::GenerateConsoleCtrlEvent(DWORD(ending.how), DWORD(program.processId()));
}
