#pragma once

#include "model/stores.h"

#include <QVector>
#include <algorithm>
#include <initializer_list>

// A project with every function type and every field set, shared by the core
// and window tests of the project file. Header-only so that core tests can
// use it without the window library. Optional sensors are left out where the
// editors allow it: one Air Conditioner without balcony sensor and an Energy
// Saving function with only the presence sensor.
namespace SampleProject
{

inline LightingRecord pulseLighting()
{
    LightingRecord r;
    r.name = QStringLiteral("Hall Lights");
    r.Input = QStringLiteral("IN1");
    r.DebounceTime = QStringLiteral("100 ms");
    r.ControlType = QStringLiteral("PULSE");
    r.OutputControlPriority = QStringLiteral("LastState");
    r.outputC1 = QStringLiteral("C1");
    r.outputC3 = QStringLiteral("C3");
    return r;
}

inline LightingRecord onOffLighting()
{
    LightingRecord r;
    r.name = QString::fromUtf8("Küche Licht");
    r.Input = QStringLiteral("IN2");
    r.DebounceTime = QStringLiteral("20 ms");
    r.ControlType = QStringLiteral("ON/OFF");
    r.outputC2 = QStringLiteral("C2");
    return r;
}

inline ShutterRecord shutter()
{
    ShutterRecord r;
    r.name = QStringLiteral("Blind-1");
    r.UpInput = QStringLiteral("IN3");
    r.UpDebounceTime = QStringLiteral("50 ms");
    r.UpOutput = QStringLiteral("C4");
    r.DownInput = QStringLiteral("IN4");
    r.DownDebounceTime = QStringLiteral("75 ms");
    r.DownOutput = QStringLiteral("C5");
    r.MoveDuration = 120;
    r.StepTime = 1500;
    return r;
}

inline DigitalIORecord digitalIO()
{
    DigitalIORecord r;
    r.name = QStringLiteral("Door Relay");
    r.Input = QStringLiteral("IN5");
    r.DebounceTime = QStringLiteral("30 ms");
    r.Output = QStringLiteral("C6");
    r.ContactType = QStringLiteral("NC");
    r.OnDelay = 5;
    r.OffDelay = 999999;
    return r;
}

inline LogicRecord logic()
{
    LogicRecord r;
    r.name = QStringLiteral("Logic-1");
    r.Input1 = QStringLiteral("IN6");
    r.Input1DebounceTime = QStringLiteral("40 ms");
    r.Input1Polarity = QStringLiteral("Normal");
    r.Input1ControlType = QStringLiteral("ON/OFF");
    r.Input2 = QStringLiteral("IN7");
    r.Input2DebounceTime = QStringLiteral("150 ms");
    r.Input2Polarity = QStringLiteral("Inverted");
    r.Input2ControlType = QStringLiteral("PULSE");
    r.Input3 = QStringLiteral("IN8");
    r.Input3DebounceTime = QStringLiteral("250 ms");
    r.Input3Polarity = QStringLiteral("Normal");
    r.Input3ControlType = QStringLiteral("PULSE");
    r.Output = QStringLiteral("C7");
    r.LogicType = QStringLiteral("NXOR");
    r.OnDelay = 3;
    r.OffDelay = 4;
    return r;
}

inline VoltageInputRecord voltageInput()
{
    VoltageInputRecord r;
    r.name = QStringLiteral("Voltage-1");
    r.Input = QStringLiteral("CH1");
    r.DebounceTime = QStringLiteral("500 ms");
    r.Output = QStringLiteral("C8");
    r.OnDelay = 10;
    r.OffDelay = 20;
    return r;
}

inline EnergySavingRecord presenceOnlyEnergySaving()
{
    EnergySavingRecord r;
    r.name = QStringLiteral("Energy Saving-1");
    r.EnableDisable = QStringLiteral("DISABLE");
    r.PresenceEnableDisable = QStringLiteral("ENABLE");
    r.MotionSensorInput = QStringLiteral("SensorInput");
    r.MotionSensorContactType = QStringLiteral("NC");
    r.MotionSensorDebounceTime = QStringLiteral("50 ms");
    r.MotionSensorPulseDuration = 30;
    r.DoorSensorInput = QStringLiteral("IN9");
    r.DoorSensorDebounceTime = QStringLiteral("100 ms");
    r.OnDelay = 60;
    r.OffDelay = 120;
    return r;
}

inline AirConRecord balconyAirCon()
{
    AirConRecord r;
    r.MotionSensorDebounceTime = QStringLiteral("50 ms");
    r.MotionSensorContactType = QStringLiteral("NC");
    r.name = QStringLiteral("AC-1");
    r.BalconySensorEnableDisable = QStringLiteral("ENABLE");
    r.Input = QStringLiteral("AIR C. IN1");
    r.ContactType = QStringLiteral("NO");
    r.BalconySensorDebounceTime = QStringLiteral("1000 ms");
    r.MotionSensorEnableDisable = QStringLiteral("ENABLE");
    r.MotionSensorInput = QStringLiteral("Sensor IN");
    r.Output = QStringLiteral("AIR CON1");
    r.OutputControlType = QStringLiteral("PULSE");
    r.OutputContactType = QStringLiteral("NO");
    r.PulseDelay = 130;
    r.OnDelay = 1;
    r.OffDelay = 2;
    return r;
}

inline AirConRecord plainAirCon()
{
    AirConRecord r;
    r.MotionSensorDebounceTime = QStringLiteral("50 ms");
    r.MotionSensorContactType = QStringLiteral("NC");
    r.name = QStringLiteral("AC-2");
    r.BalconySensorEnableDisable = QStringLiteral("DISABLE");
    r.MotionSensorEnableDisable = QStringLiteral("DISABLE");
    r.Output = QStringLiteral("AIR CON2");
    r.OutputControlType = QStringLiteral("ON/OFF");
    r.OutputContactType = QStringLiteral("NC");
    r.PulseDelay = 34000;
    r.OnDelay = 7;
    r.OffDelay = 8;
    return r;
}

inline DndMurRecord dndMur()
{
    DndMurRecord r;
    r.name = QStringLiteral("DND/MUR-1");
    r.DndInput = QStringLiteral("DND IN");
    r.DndDebounceTime = QStringLiteral("20 ms");
    r.DndOutput = QStringLiteral("DND");
    r.MurInput = QStringLiteral("MUR IN");
    r.MurDebounceTime = QStringLiteral("30 ms");
    r.MurOutput = QStringLiteral("MUR");
    r.ControlType = QStringLiteral("PULSE");
    r.ContactType = QStringLiteral("NC");
    r.BellOutput = QStringLiteral("C6");
    r.OccupancyOutput = QStringLiteral("C8");
    r.OnDelay = 11;
    r.OffDelay = 12;
    return r;
}

inline QString enabledOn(int n, std::initializer_list<int> enabled)
{
    return std::find(enabled.begin(), enabled.end(), n) != enabled.end()
               ? QStringLiteral("ENABLE")
               : QStringLiteral("DISABLE");
}

inline MasterOffRecord masterOff(const QString &name, const QString &input,
                                 const QString &ledOutput, std::initializer_list<int> enabled)
{
    MasterOffRecord r;
    r.name = name;
    r.Input = input;
    r.DebounceTime = QStringLiteral("50 ms");
    r.LedOutput = ledOutput;
    for (int n = 1; n <= 8; ++n)
        r.controlOut(n) = enabledOn(n, enabled);
    return r;
}

inline WelcomeRecord welcome()
{
    WelcomeRecord r;
    r.name = QStringLiteral("Welcome-1");
    for (int n = 1; n <= 8; ++n)
        r.controlOut(n) = enabledOn(n, {1, 2});
    return r;
}

// Puts the sample functions into the (empty) stores; claims nothing.
inline void fill()
{
    lightingStore().add(pulseLighting());
    lightingStore().add(onOffLighting());
    shutterStore().add(shutter());
    digitalIOStore().add(digitalIO());
    logicStore().add(logic());
    voltageInputStore().add(voltageInput());
    energySavingStore().add(presenceOnlyEnergySaving());
    airConStore().add(balconyAirCon());
    airConStore().add(plainAirCon());
    dndMurStore().add(dndMur());
    masterOffStore().add(masterOff(QStringLiteral("Master Off-1"), QStringLiteral("IN10"),
                                   QStringLiteral("C2"), {1, 3}));
    masterOffStore().add(
        masterOff(QStringLiteral("Master Off-2"), QStringLiteral("IN11"), QString(), {4}));
    welcomeStore().add(welcome());
}

// Every store's records, for comparing whole projects.
struct Snapshot {
    QVector<LightingRecord> lighting = lightingStore().records();
    QVector<ShutterRecord> shutter = shutterStore().records();
    QVector<DigitalIORecord> digitalIO = digitalIOStore().records();
    QVector<LogicRecord> logic = logicStore().records();
    QVector<VoltageInputRecord> voltageInput = voltageInputStore().records();
    QVector<EnergySavingRecord> energySaving = energySavingStore().records();
    QVector<AirConRecord> airCon = airConStore().records();
    QVector<DndMurRecord> dndMur = dndMurStore().records();
    QVector<MasterOffRecord> masterOff = masterOffStore().records();
    QVector<WelcomeRecord> welcome = welcomeStore().records();

    bool operator==(const Snapshot &o) const
    {
        return lighting == o.lighting && shutter == o.shutter && digitalIO == o.digitalIO &&
               logic == o.logic && voltageInput == o.voltageInput &&
               energySaving == o.energySaving && airCon == o.airCon && dndMur == o.dndMur &&
               masterOff == o.masterOff && welcome == o.welcome;
    }
};

} // namespace SampleProject
