#pragma once

#include "model/finding.h"
#include "model/stores.h"

#include <QString>
#include <QStringList>
#include <array>

// Finds where the stores, the catalogues and (given a description of it) the
// window disagree. Each finding is one readable line naming the type and the
// function, e.g. `Lighting "Hall": input IN3 also held by DigitalIO "Door"`;
// no finding means consistent. Nothing is changed, so it can run after every
// step of a test or on a file just read.

// A useCount or pulseUseCount that differs from the claims of the saved
// records, and a locking claim whose output is not locked.
QStringList checkClaimCounters();
// An input held twice; an output held twice, unless by "PULSE" Lighting functions only.
QStringList checkExclusiveHolding();
// A Master Off or Welcome function controlling an output that no function
// holds or that is locked against it.
QStringList checkControlledOutputs();
// All of the above.
QStringList checkConsistency();
// The same findings with the function each names kept apart from the text
// (a counter of a catalogue row names none), for callers that report them
// field by field.
QVector<Finding> consistencyFindings();

// What the window shows of one type: the names in its list, top to bottom,
// and its toolbox title ("Lighting [2]").
struct ShownType {
    QStringList names;
    QString title;
};
using ShownWindow = std::array<ShownType, functionTypeCount>; // by FunctionType

// A list whose names or order differ from its store, a title whose count differs from its list.
QStringList checkShownLists(const ShownWindow &shown);
// The stores and catalogues, then the window.
QStringList checkConsistency(const ShownWindow &shown);
