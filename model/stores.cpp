#include "model/stores.h"

#include "model/catalogue.h"

namespace
{

template <typename Record> bool releaseAll(FunctionStore<Record> &store)
{
    for (const Record &record : store)
        releaseClaims(record);
    store.clear();
    return true;
}

} // namespace

FunctionStore<LightingRecord> &lightingStore()
{
    static FunctionStore<LightingRecord> store(10);
    return store;
}

FunctionStore<ShutterRecord> &shutterStore()
{
    static FunctionStore<ShutterRecord> store(4);
    return store;
}

FunctionStore<DigitalIORecord> &digitalIOStore()
{
    static FunctionStore<DigitalIORecord> store(4);
    return store;
}

FunctionStore<LogicRecord> &logicStore()
{
    static FunctionStore<LogicRecord> store(4);
    return store;
}

FunctionStore<VoltageInputRecord> &voltageInputStore()
{
    static FunctionStore<VoltageInputRecord> store(2);
    return store;
}

FunctionStore<EnergySavingRecord> &energySavingStore()
{
    static FunctionStore<EnergySavingRecord> store;
    return store;
}

FunctionStore<AirConRecord> &airConStore()
{
    static FunctionStore<AirConRecord> store(4);
    return store;
}

FunctionStore<DndMurRecord> &dndMurStore()
{
    static FunctionStore<DndMurRecord> store(4);
    return store;
}

FunctionStore<MasterOffRecord> &masterOffStore()
{
    static FunctionStore<MasterOffRecord> store(2);
    return store;
}

FunctionStore<WelcomeRecord> &welcomeStore()
{
    static FunctionStore<WelcomeRecord> store(2);
    return store;
}

bool releaseLightingRecords()
{
    return releaseAll(lightingStore());
}
bool releaseShutterRecords()
{
    return releaseAll(shutterStore());
}
bool releaseDigitalIORecords()
{
    return releaseAll(digitalIOStore());
}
bool releaseLogicRecords()
{
    return releaseAll(logicStore());
}
bool releaseVoltageInputRecords()
{
    return releaseAll(voltageInputStore());
}
bool releaseEnergySavingRecords()
{
    return releaseAll(energySavingStore());
}
bool releaseAirConRecords()
{
    return releaseAll(airConStore());
}
bool releaseDndMurRecords()
{
    return releaseAll(dndMurStore());
}
bool releaseMasterOffRecords()
{
    return releaseAll(masterOffStore());
}

void clearWelcomeRecords()
{
    welcomeStore().clear();
}

QString &masterOffLedMemory()
{
    static QString name;
    return name;
}

int savedFunctionCount()
{
    int count = 0;
    forEachStore([&count](FunctionType, const auto &store) { count += store.size(); });
    return count;
}

void releaseAllRecords()
{
    clearWelcomeRecords();
    releaseMasterOffRecords();
    releaseLightingRecords();
    releaseLogicRecords();
    releaseShutterRecords();
    releaseVoltageInputRecords();
    releaseAirConRecords();
    releaseEnergySavingRecords();
    releaseDigitalIORecords();
    releaseDndMurRecords();
}

void startBlankProject()
{
    releaseAllRecords();
    for (InputEntry &entry : InputCatalogue::instance().rows())
        entry.useCount = 0;
    for (OutputEntry &entry : OutputCatalogue::instance().rows())
        entry = OutputEntry{entry.id, entry.name, 0, 0, 0, 0};
}

QString typeLabel(FunctionType type)
{
    static const char *const labels[functionTypeCount] = {
        "Welcome",      "MasterOff", "EnergySaving", "DNDMUR",    "AirConditioner",
        "VoltageInput", "Lighting",  "Shutter",      "DigitalIO", "Logic"};
    return QLatin1String(labels[int(type)]);
}

QString typeTitle(FunctionType type)
{
    static const char *const titles[functionTypeCount] = {
        "Welcome",       "Master Off", "Energy Saving", "DND/MUR",     "Air Conditioner",
        "Voltage Input", "Lighting",   "Shutter/Blind", "Digital I/O", "Logic"};
    return QLatin1String(titles[int(type)]);
}

std::array<QStringList, functionTypeCount> savedNames()
{
    std::array<QStringList, functionTypeCount> names;
    forEachStore([&names](FunctionType type, const auto &store) {
        for (const auto &record : store)
            names[int(type)] << record.name;
    });
    return names;
}
