#include "app/endsignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

const int endingSignals[] = {SIGTERM, SIGHUP, SIGINT};
int sockets[2] = {-1, -1}; // the handler writes to [0], the notifier reads [1]
int receivedSignal = 0;

void onSignal(int number)
{
    const char byte = char(number);
    // Nothing but write is safe here; a full socket only drops a repeat.
    const ssize_t written = ::write(sockets[0], &byte, 1);
    (void)written;
}

} // namespace

void EndSignals::install()
{
    if (sockets[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
        return;
    ::fcntl(sockets[0], F_SETFL, ::fcntl(sockets[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(sockets[1], F_SETFL, ::fcntl(sockets[1], F_GETFL) | O_NONBLOCK);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : endingSignals) {
        struct sigaction previous = {};
        if (::sigaction(number, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            ::sigaction(number, &action, nullptr);
    }
}

EndSignals::EndSignals(std::function<void()> onSignal, QObject *parent) : QObject(parent)
{
    if (sockets[1] < 0)
        return;
    auto *notifier = new QSocketNotifier(sockets[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [onSignal = std::move(onSignal)] {
        char byte = 0;
        bool arrived = false;
        while (::read(sockets[1], &byte, 1) == 1)
            arrived = true;
        if (!arrived)
            return;
        receivedSignal = byte;
        onSignal();
    });
}

void EndSignals::endByReceivedSignal()
{
    if (receivedSignal == 0)
        return;
    std::signal(receivedSignal, SIG_DFL);
    std::raise(receivedSignal);
}
