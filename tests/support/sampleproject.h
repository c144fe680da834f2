#pragma once

#include "model/stores.h"

#include <QVector>

// A project with every function type and every field a saved function can
// hold, shared by the core and window tests of the project file (header-only,
// so that core tests need no window library). Every value is one an editor
// can save, and where a field can, one other than its page's default; the Air
// Conditioner without sensors keeps the motion sensor's copy in step. Nothing
// is held twice, and Master Off and Welcome control only held outputs not
// locked against them. With eight general outputs that leaves no room for a
// door bell or occupancy output, nor for DND/MUR on the voltage channels.
namespace SampleProject
{

// Puts the sample functions into the (empty) stores; claims nothing.
inline void fill()
{
    const QString on = QStringLiteral("ENABLE"), off = QStringLiteral("DISABLE");
    lightingStore().add(
        {"Hall Lights", "IN1", "100 ms", "PULSE", "LastState", "C1", "", "", "", "", "", "", ""});
    lightingStore().add({QString::fromUtf8("Küche Licht"), "IN2", "20 ms", "ON/OFF", "", "", "C2",
                         "", "", "", "", "", ""});
    shutterStore().add({"Blind-1", "IN3", "250 ms", "C4", "IN4", "75 ms", "C5", 120, 1500});
    digitalIOStore().add({"Door Relay", "IN5", "30 ms", "C6", "NC", 5, 999999});
    logicStore().add({"Logic-1", "IN6", "40 ms", "Inverted", "PULSE", "IN7", "150 ms", "Inverted",
                      "PULSE", "IN8", "250 ms", "Inverted", "PULSE", "C7", "NXOR", 3, 4});
    voltageInputStore().add({"Voltage-1", "CH1", "500 ms", "C8", 10, 20});
    energySavingStore().add({"Energy Saving-1", "ENABLE", "IN21", "75 ms", "PULSE", "NC", "ENABLE",
                             "SensorInput", "NO", "150 ms", 30, "IN9", "100 ms", 60, 120});
    airConStore().add({"150 ms", "NO", "AC-1", "ENABLE", "AIR C. IN1", "NC", "1000 ms", "ENABLE",
                       "Sensor IN", "AIR CON1", "PULSE", "NC", 530, 1, 2});
    airConStore().add({"150 ms", "NO", "AC-2", "DISABLE", "", "NO", "50 ms", "DISABLE", "Sensor IN",
                       "AIR CON2", "ON/OFF", "NC", 130, 7, 8});
    dndMurStore().add({"DND/MUR-1", "DND IN", "20 ms", "DND", "MUR IN", "30 ms", "MUR", "PULSE",
                       "NC", "", "", 11, 12});
    masterOffStore().add(
        {"Master Off-1", "IN10", "500 ms", "C3", on, off, off, off, off, off, on, off});
    masterOffStore().add(
        {"Master Off-2", "IN11", "20 ms", "", off, off, off, off, off, on, off, on});
    welcomeStore().add({"Welcome-1", on, on, off, off, off, off, off, on});
}

// Claims for the sample functions what the editors' saves would have claimed.
inline void claim()
{
    forEachStore([](FunctionType, const auto &store) {
        for (const auto &record : store)
            addClaims(record);
    });
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
