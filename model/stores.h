#pragma once

#include "model/claims.h"
#include "model/functionstore.h"
#include "model/records.h"

#include <QString>
#include <QStringList>
#include <array>

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
// The LED output of the Master Off function saved last ("C3"), two blanks
// after a Master Off delete, empty at start: the Master Off editor keeps that
// output's box disabled, so a function cannot switch off its own LED.
QString &masterOffLedMemory();
// The number of saved functions of all types.
int savedFunctionCount();
// Empties every store, giving back all claims.
void releaseAllRecords();
// Empties every store and returns every catalogue row to its first state,
// lock flags included: a new project that owes nothing to the last one.
void startBlankProject();

// --- The ten stores by type ---

// The ten function types in toolbox order.
enum class FunctionType {
    Welcome,
    MasterOff,
    EnergySaving,
    DndMur,
    AirCon,
    VoltageInput,
    Lighting,
    Shutter,
    DigitalIO,
    Logic,
};
constexpr int functionTypeCount = 10;

// The type's key in the project file ("DigitalIO", "MasterOff"...).
QString typeLabel(FunctionType type);
// The type as people read it ("Digital I/O", "Master Off"...).
QString typeTitle(FunctionType type);

// Calls visit(type, store) for every store, in toolbox order.
template <typename Visit> void forEachStore(Visit &&visit)
{
    visit(FunctionType::Welcome, welcomeStore());
    visit(FunctionType::MasterOff, masterOffStore());
    visit(FunctionType::EnergySaving, energySavingStore());
    visit(FunctionType::DndMur, dndMurStore());
    visit(FunctionType::AirCon, airConStore());
    visit(FunctionType::VoltageInput, voltageInputStore());
    visit(FunctionType::Lighting, lightingStore());
    visit(FunctionType::Shutter, shutterStore());
    visit(FunctionType::DigitalIO, digitalIOStore());
    visit(FunctionType::Logic, logicStore());
}

// The names of each type's saved functions in store order, which is the order
// of its list, by FunctionType.
std::array<QStringList, functionTypeCount> savedNames();
