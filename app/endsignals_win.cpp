#include "app/endsignals.h"

#include <QMutex>
#include <atomic>
#include <cstdio>
#include <windows.h>

namespace
{

// The console's Ctrl+C, Ctrl+Break and close reach a handler on a thread of
// its own. It hands the ending to the event loop and waits there: the system
// ends the process once the handler returns (or, after a close, a few seconds
// later anyway), and the ending itself ends the process first.
QMutex receiverLock;
QObject *receiver = nullptr;
std::function<void()> onReceived;
std::atomic<bool> received{false};

bool endsTheProgram(DWORD event)
{
    return event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT;
}

BOOL WINAPI onConsoleEvent(DWORD event)
{
    if (!endsTheProgram(event))
        return FALSE;
    {
        QMutexLocker lock(&receiverLock);
        if (!receiver)
            return FALSE; // between two windows: the system's own ending
        if (!received.exchange(true))
            QMetaObject::invokeMethod(receiver, [] { onReceived(); }, Qt::QueuedConnection);
    }
    ::Sleep(INFINITE);
    return TRUE;
}

bool isOpen(DWORD stream)
{
    const HANDLE handle = ::GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// Windows starts a windowed program detached from the console it was started
// from; attached, its messages (--help) and that console's keys reach it.
// Streams the caller redirected stay where they were sent.
void attachToStartingConsole()
{
    if (::GetConsoleWindow() != nullptr || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!isOpen(STD_OUTPUT_HANDLE))
        std::freopen("CONOUT$", "w", stdout);
    if (!isOpen(STD_ERROR_HANDLE))
        std::freopen("CONOUT$", "w", stderr);
}

} // namespace

void EndSignals::install()
{
    static bool installed = false;
    if (std::exchange(installed, true))
        return;
    attachToStartingConsole();
    ::SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

EndSignals::EndSignals(std::function<void()> onSignal, QObject *parent) : QObject(parent)
{
    QMutexLocker lock(&receiverLock);
    receiver = this;
    onReceived = std::move(onSignal);
    connect(this, &QObject::destroyed, [] {
        QMutexLocker going(&receiverLock);
        receiver = nullptr;
    });
}

void EndSignals::endByReceivedSignal()
{
    if (!received)
        return;
    std::fflush(nullptr);
    // As a console program ended by Ctrl+C ends.
    ::ExitProcess(STATUS_CONTROL_C_EXIT);
}
