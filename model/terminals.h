#pragma once

#include "model/catalogue.h"
#include "model/stores.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The controller terminal by terminal, as the one who wires it and the one who
// later asks why an output switches on think of it. Built from the claims of
// the saved functions (model/claims.h) and the records of Master Off and
// Welcome, so that it says what the editors and import hold.

enum class TerminalDirection { Input, Output };

enum class TerminalState {
    Free,
    Held,
    // Locked against Master Off and Welcome (shutter motor, door bell,
    // occupancy), held or not: the lock outlives the function that set it.
    Locked,
};

// One function's use of a terminal.
struct TerminalUse {
    FunctionType type;
    QString function;     // the function's name
    QString role;         // "input", "up input", "bell output", "LED"...
    QString debounceTime; // empty where the function keeps none
    QString contactType;  // empty where the function keeps none
    bool pulse;           // a "PULSE" Lighting output, which others of its kind may share
};

// A Master Off or Welcome function that switches an output.
struct TerminalControl {
    FunctionType type;
    QString function;
};

struct Terminal {
    int id; // of the catalogue row
    QString name;
    TerminalDirection direction;
    bool offered; // by the platform
    TerminalState state;
    QVector<TerminalUse> uses;
    QVector<TerminalControl> controlledBy;
};

// Every input row of the catalogues, then every output row, in id order: the
// controller's order.
QVector<Terminal> terminalView(Platform platform);

// Lighting "Room Lights"
QString functionText(FunctionType type, const QString &name);
// "input" or "output"
QString directionText(TerminalDirection direction);
// "free", "held", "locked"; "absent" when the platform does not offer it.
QString stateText(const Terminal &terminal);
// Master Off "Door", Welcome "Welcome-1"
QString controlText(const Terminal &terminal);

// The terminal's name with its state, each use, and who switches it, one line
// each; uses past the first maxUses are counted, not listed.
QString terminalSummary(const Terminal &terminal, int maxUses);

// The wiring table: every terminal the platform offers, and any other that a
// function uses all the same.
bool onWiringSheet(const Terminal &terminal);
// Terminal, Direction, State, Function, Type, Role, Debounce, Contact, Controlled by.
const QStringList &wiringColumns();
// The table's lines of one terminal, one per use (one without use when it has
// none); the type of a "PULSE" Lighting use says so. Further lines leave the
// terminal's own cells empty unless repeatTerminal.
QVector<QStringList> wiringLines(const Terminal &terminal, bool repeatTerminal);
