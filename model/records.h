#pragma once

#include <QString>
#include <QtGlobal>

// One saved function per record. Fields hold the display texts of the editor
// widgets ("IN3", "50 ms", "PULSE"...), never indices; numbers come from spin boxes.

struct LightingRecord {
    QString name;
    QString Input;
    QString DebounceTime;
    QString ControlType;
    QString OutputControlPriority; // empty for "ON/OFF"
    // "Cn" when output Cn is driven, else empty.
    QString outputC1, outputC2, outputC3, outputC4, outputC5, outputC6, outputC7, outputC8;

    QString &output(int n);
    const QString &output(int n) const;
};

struct ShutterRecord {
    QString name;
    QString UpInput;
    QString UpDebounceTime;
    QString UpOutput;
    QString DownInput;
    QString DownDebounceTime;
    QString DownOutput;
    qint32 MoveDuration = 0; // seconds
    qint32 StepTime = 0;     // milliseconds
};

struct DigitalIORecord {
    QString name;
    QString Input;
    QString DebounceTime;
    QString Output;
    QString ContactType;
    qint32 OnDelay = 0;
    qint32 OffDelay = 0;
};

struct LogicRecord {
    QString name;
    QString Input1;
    QString Input1DebounceTime;
    QString Input1Polarity;
    QString Input1ControlType;
    QString Input2;
    QString Input2DebounceTime;
    QString Input2Polarity;
    QString Input2ControlType;
    QString Input3; // optional
    QString Input3DebounceTime;
    QString Input3Polarity;
    QString Input3ControlType;
    QString Output;
    QString LogicType;
    qint32 OnDelay = 0;
    qint32 OffDelay = 0;
};

struct VoltageInputRecord {
    QString name;
    QString Input;
    QString DebounceTime;
    QString Output;
    qint32 OnDelay = 0;
    qint32 OffDelay = 0;
};

struct EnergySavingRecord {
    QString name;
    QString EnableDisable; // card holder
    QString Input;         // card holder input
    QString CardHolderDebounceTime;
    QString ControlType;
    QString ContactType;
    QString PresenceEnableDisable;
    QString MotionSensorInput;
    QString MotionSensorContactType;
    QString MotionSensorDebounceTime;
    qint32 MotionSensorPulseDuration = 0; // seconds
    QString DoorSensorInput;
    QString DoorSensorDebounceTime;
    qint32 OnDelay = 0;
    qint32 OffDelay = 0;
};

// Declaration order differs from the other records: the shared motion sensor
// settings come first.
struct AirConRecord {
    QString MotionSensorDebounceTime;
    QString MotionSensorContactType;
    QString name;
    QString BalconySensorEnableDisable;
    QString Input;       // balcony sensor input
    QString ContactType; // balcony sensor contact type
    QString BalconySensorDebounceTime;
    QString MotionSensorEnableDisable;
    QString MotionSensorInput;
    QString Output;
    QString OutputControlType;
    QString OutputContactType;
    qint32 PulseDelay = 0; // milliseconds
    qint32 OnDelay = 0;
    qint32 OffDelay = 0;
};

struct DndMurRecord {
    QString name;
    QString DndInput;
    QString DndDebounceTime;
    QString DndOutput;
    QString MurInput;
    QString MurDebounceTime;
    QString MurOutput;
    QString ControlType;
    QString ContactType;
    QString BellOutput;      // optional
    QString OccupancyOutput; // optional
    qint32 OnDelay = 0;
    qint32 OffDelay = 0;
};

struct MasterOffRecord {
    QString name;
    QString Input;
    QString DebounceTime;
    QString LedOutput; // optional
    // "ENABLE" or "DISABLE" per controlled output.
    QString controlOutC1, controlOutC2, controlOutC3, controlOutC4, controlOutC5, controlOutC6,
        controlOutC7, controlOutC8;

    QString &controlOut(int n);
    const QString &controlOut(int n) const;
};

struct WelcomeRecord {
    QString name;
    QString controlOutC1, controlOutC2, controlOutC3, controlOutC4, controlOutC5, controlOutC6,
        controlOutC7, controlOutC8;

    QString &controlOut(int n);
    const QString &controlOut(int n) const;
};

bool operator==(const LightingRecord &a, const LightingRecord &b);
bool operator==(const ShutterRecord &a, const ShutterRecord &b);
bool operator==(const DigitalIORecord &a, const DigitalIORecord &b);
bool operator==(const LogicRecord &a, const LogicRecord &b);
bool operator==(const VoltageInputRecord &a, const VoltageInputRecord &b);
bool operator==(const EnergySavingRecord &a, const EnergySavingRecord &b);
bool operator==(const AirConRecord &a, const AirConRecord &b);
bool operator==(const DndMurRecord &a, const DndMurRecord &b);
bool operator==(const MasterOffRecord &a, const MasterOffRecord &b);
bool operator==(const WelcomeRecord &a, const WelcomeRecord &b);
