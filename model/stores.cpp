#include "model/stores.h"

#include "model/catalogue.h"

#include <initializer_list>

namespace
{

void releaseInputs(std::initializer_list<QString> names)
{
    for (const QString &name : names)
        InputCatalogue::instance().release(name);
}

void releaseOutputs(std::initializer_list<QString> names)
{
    for (const QString &name : names)
        OutputCatalogue::instance().release(name);
}

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

void addClaims(const LightingRecord &record)
{
    if (InputEntry *input = InputCatalogue::instance().find(record.Input))
        ++input->useCount;
    const bool pulse = record.ControlType != QLatin1String("ON/OFF");
    for (int n = 1; n <= 8; ++n) {
        if (OutputEntry *output = OutputCatalogue::instance().find(record.output(n))) {
            ++output->useCount;
            if (pulse)
                ++output->pulseUseCount;
        }
    }
}

void releaseClaims(const LightingRecord &record)
{
    InputCatalogue::instance().release(record.Input);
    const bool pulse = record.ControlType != QLatin1String("ON/OFF");
    for (int n = 1; n <= 8; ++n) {
        if (pulse)
            OutputCatalogue::instance().releasePulse(record.output(n));
        else
            OutputCatalogue::instance().release(record.output(n));
    }
}

void releaseClaims(const ShutterRecord &record)
{
    releaseInputs({record.UpInput, record.DownInput});
    releaseOutputs({record.UpOutput, record.DownOutput});
}

void releaseClaims(const DigitalIORecord &record)
{
    releaseInputs({record.Input});
    releaseOutputs({record.Output});
}

void releaseClaims(const LogicRecord &record)
{
    releaseInputs({record.Input1, record.Input2, record.Input3});
    releaseOutputs({record.Output});
}

void releaseClaims(const VoltageInputRecord &record)
{
    releaseInputs({record.Input});
    releaseOutputs({record.Output});
}

void releaseClaims(const EnergySavingRecord &record)
{
    releaseInputs({record.Input, record.MotionSensorInput, record.DoorSensorInput});
}

void releaseClaims(const AirConRecord &record)
{
    releaseInputs({record.Input, record.MotionSensorInput});
    releaseOutputs({record.Output});
}

void releaseClaims(const DndMurRecord &record)
{
    releaseInputs({record.DndInput, record.MurInput});
    releaseOutputs({record.DndOutput, record.MurOutput, record.BellOutput, record.OccupancyOutput});
}

void releaseClaims(const MasterOffRecord &record)
{
    releaseInputs({record.Input});
    releaseOutputs({record.LedOutput});
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
