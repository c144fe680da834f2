#pragma once

#include "model/records.h"

#include <QString>
#include <QVector>

// What a saved function holds in the input and output catalogues. This is the
// one definition per function type: the editors' saves and deletes, import,
// the release of whole stores, the consistency checks and the terminal map
// all go through it, so that a claim, its release and what the map shows can
// never disagree.

// One input a function uses, and how it reads it.
struct InputClaim {
    QString name;
    QString role; // the terminal's part in the function: "input", "up input", "door sensor"...
    QString debounceTime; // empty where the function keeps none for it
    QString contactType;  // "NO"/"NC", empty where the function keeps none
    QString field = {};   // the record's field that names it, as the file keys it: "UpInput"
};

struct OutputClaim {
    QString name;
    // Neither Master Off nor Welcome may control this output (shutter
    // motors, door bell, occupancy). Set by a claim, never cleared.
    bool locked = false;
    // A "PULSE" Lighting function, which may share the output with others of its kind.
    bool pulse = false;
    QString role;        // "output", "down output", "bell output", "LED"...
    QString contactType; // "NO"/"NC", empty where the function keeps none
    QString field = {};  // as for an input: "DownOutput", "ControlOut-C3"
};

struct ClaimSet {
    // Names that are in no catalogue row (empty optional fields) hold nothing.
    QVector<InputClaim> inputs;
    QVector<OutputClaim> outputs;
    // The room's one motion sensor, which the Energy Saving and Air
    // Conditioner functions share: used, but held by none ("SENSOR IN").
    QVector<InputClaim> sharedInputs;
};

ClaimSet claimsOf(const LightingRecord &record);
ClaimSet claimsOf(const ShutterRecord &record);
ClaimSet claimsOf(const DigitalIORecord &record);
ClaimSet claimsOf(const LogicRecord &record);
ClaimSet claimsOf(const VoltageInputRecord &record);
ClaimSet claimsOf(const EnergySavingRecord &record);
ClaimSet claimsOf(const AirConRecord &record);
ClaimSet claimsOf(const DndMurRecord &record);
ClaimSet claimsOf(const MasterOffRecord &record);
// Welcome controls outputs that other functions hold; it holds nothing itself.
ClaimSet claimsOf(const WelcomeRecord &record);

// Two functions may hold one output only when both are "PULSE" Lighting
// functions (their claims' pulse flags).
bool maySharePulse(bool pulse, bool otherPulse);

// Raises useCount (and pulseUseCount, and the lock flags) of every row named.
void claim(const ClaimSet &claims);
// Lowers the same counters again, never below zero; the lock flags stay set.
void release(const ClaimSet &claims);

template <typename Record> void addClaims(const Record &record)
{
    claim(claimsOf(record));
}

template <typename Record> void releaseClaims(const Record &record)
{
    release(claimsOf(record));
}
