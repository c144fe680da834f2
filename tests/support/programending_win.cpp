#include "support/programending.h"

#include <QProcess>
#include <windows.h>

namespace
{

BOOL WINAPI takeNoNotice(DWORD)
{
    return TRUE;
}

} // namespace

QList<ProgramEnding::Ending> ProgramEnding::endings()
{
    return {{"Ctrl+C", int(CTRL_C_EVENT)}};
}

QString ProgramEnding::unavailable()
{
    if (::GetConsoleWindow() != nullptr)
        return {};
    return QStringLiteral("no console to press Ctrl+C on: under Wine, only a program started on "
                          "a terminal has one (dist/windows/wine-console.sh)");
}

// On this console: its Ctrl+C reaches every program on it, and this one
// takes no notice of it from now on, by a handler of its own: ignoring it
// outright would be inherited (under Wine, for good).
void ProgramEnding::prepare(QProcess &program)
{
    ::SetConsoleCtrlHandler(takeNoNotice, TRUE);
    program.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *arguments) {
        arguments->flags &= ~DWORD(CREATE_NO_WINDOW);
    });
}

// Not ignoring Ctrl+C, as a program started by one that ignores it would.
void ProgramEnding::takeEndingsAsFromConsole()
{
    ::SetConsoleCtrlHandler(nullptr, FALSE);
}

void ProgramEnding::end(QProcess &, const Ending &ending)
{
    ::GenerateConsoleCtrlEvent(DWORD(ending.how), 0);
}
