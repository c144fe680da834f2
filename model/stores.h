#pragma once

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

// Claim a Lighting function's input and outputs; a function that is not
// "ON/OFF" also counts as a "PULSE" user of each output.
void addClaims(const LightingRecord &record);

// Give back one record's catalogue claims (guarded: counters never go below 0).
// The lock flags masterOffLocked and welcomeLocked are never cleared.
void releaseClaims(const LightingRecord &record);
void releaseClaims(const ShutterRecord &record);
void releaseClaims(const DigitalIORecord &record);
void releaseClaims(const LogicRecord &record);
void releaseClaims(const VoltageInputRecord &record);
void releaseClaims(const EnergySavingRecord &record);
void releaseClaims(const AirConRecord &record);
void releaseClaims(const DndMurRecord &record);
void releaseClaims(const MasterOffRecord &record);

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
