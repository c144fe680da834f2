#pragma once

#include "model/claims.h"
#include "model/functionstore.h"
#include "model/records.h"

// Process-wide stores, created empty on first use; they outlive a window restart.
FunctionStore<LightingRecord> &lightingStore();
FunctionStore<ShutterRecord> &shutterStore();
FunctionStore<DigitalIORecord> &digitalIOStore();
FunctionStore<LogicRecord> &logicStore();
FunctionStore<VoltageInputRecord> &voltageInputStore();
FunctionStore<EnergySavingRecord> &energySavingStore();
FunctionStore<AirConRecord> &airConStore();
FunctionStore<DndMurRecord> &dndMurStore();
FunctionStore<MasterOffRecord> &masterOffStore();
FunctionStore<WelcomeRecord> &welcomeStore();

// Release every record's claims, then empty the store.
bool releaseLightingRecords();
bool releaseShutterRecords();
bool releaseDigitalIORecords();
bool releaseLogicRecords();
bool releaseVoltageInputRecords();
bool releaseEnergySavingRecords();
bool releaseAirConRecords();
bool releaseDndMurRecords();
bool releaseMasterOffRecords();
// Welcome owns no I/O: the store is simply emptied.
void clearWelcomeRecords();
// Empties every store, giving back all claims.
void releaseAllRecords();
// Empties every store and returns every catalogue row to its first state,
// lock flags included: a new project that owes nothing to the last one.
void startBlankProject();
