#pragma once

#include <QObject>
#include <functional>

// SIGTERM (a shutdown), SIGHUP (a closed terminal) and SIGINT (Ctrl+C) end the
// program through its event loop: the handler only writes the signal's number
// to a socket, and a notifier on the other end runs the ending in the loop.
// On Windows the console's Ctrl+C, Ctrl+Break and close do the same.
class EndSignals : public QObject
{
public:
    // Installs the handlers, once per process; a signal ignored when the
    // program started (nohup) stays ignored. On Windows the windowed program
    // first attaches to the console it was started from, if any, so that its
    // messages and that console's keys reach it.
    static void install();
    // Until the object goes, onSignal runs in the event loop for each signal.
    explicit EndSignals(std::function<void()> onSignal, QObject *parent = nullptr);
    // After the program has wound down: ends the process by that signal, so
    // that a shell or session sees how it ended.
    static void endByReceivedSignal();
};
