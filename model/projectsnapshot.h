#pragma once

#include "model/catalogue.h"
#include "model/functionstore.h"
#include "model/records.h"

#include <QString>
#include <QVector>

// The whole process-wide project at one moment: the ten stores with their
// order, every catalogue row (use counts and the locks that outlive their
// function) and the Master Off LED memory. Taken and put back whole, so that
// a step can be taken back, or a project read into the stores and the open
// one restored, without rebuilding any claim by hand.
struct ProjectSnapshot {
    FunctionStore<WelcomeRecord> welcome;
    FunctionStore<MasterOffRecord> masterOff;
    FunctionStore<EnergySavingRecord> energySaving;
    FunctionStore<DndMurRecord> dndMur;
    FunctionStore<AirConRecord> airCon;
    FunctionStore<VoltageInputRecord> voltageInput;
    FunctionStore<LightingRecord> lighting;
    FunctionStore<ShutterRecord> shutter;
    FunctionStore<DigitalIORecord> digitalIO;
    FunctionStore<LogicRecord> logic;
    QVector<InputEntry> inputs;
    QVector<OutputEntry> outputs;
    QString masterOffLed;
};

// Equal when every store, every catalogue row and the LED memory are.
bool operator==(const ProjectSnapshot &a, const ProjectSnapshot &b);

ProjectSnapshot takeProjectSnapshot();
// Puts everything back as it was taken and announces one change to the saved
// functions.
void restoreProjectSnapshot(const ProjectSnapshot &snapshot);
