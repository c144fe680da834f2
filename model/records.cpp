#include "model/records.h"

#include <tuple>

namespace
{

// Output n (1..8) of a record holding eight consecutive output fields.
template <typename Record, QString Record::*...Fields> QString &nthField(Record &record, int n)
{
    QString Record::*fields[] = {Fields...};
    Q_ASSERT(n >= 1 && n <= 8);
    return record.*fields[n - 1];
}

} // namespace

QString &LightingRecord::output(int n)
{
    return nthField<LightingRecord, &LightingRecord::outputC1, &LightingRecord::outputC2,
                    &LightingRecord::outputC3, &LightingRecord::outputC4, &LightingRecord::outputC5,
                    &LightingRecord::outputC6, &LightingRecord::outputC7,
                    &LightingRecord::outputC8>(*this, n);
}

const QString &LightingRecord::output(int n) const
{
    return const_cast<LightingRecord *>(this)->output(n);
}

QString &MasterOffRecord::controlOut(int n)
{
    return nthField<MasterOffRecord, &MasterOffRecord::controlOutC1, &MasterOffRecord::controlOutC2,
                    &MasterOffRecord::controlOutC3, &MasterOffRecord::controlOutC4,
                    &MasterOffRecord::controlOutC5, &MasterOffRecord::controlOutC6,
                    &MasterOffRecord::controlOutC7, &MasterOffRecord::controlOutC8>(*this, n);
}

const QString &MasterOffRecord::controlOut(int n) const
{
    return const_cast<MasterOffRecord *>(this)->controlOut(n);
}

QString &WelcomeRecord::controlOut(int n)
{
    return nthField<WelcomeRecord, &WelcomeRecord::controlOutC1, &WelcomeRecord::controlOutC2,
                    &WelcomeRecord::controlOutC3, &WelcomeRecord::controlOutC4,
                    &WelcomeRecord::controlOutC5, &WelcomeRecord::controlOutC6,
                    &WelcomeRecord::controlOutC7, &WelcomeRecord::controlOutC8>(*this, n);
}

const QString &WelcomeRecord::controlOut(int n) const
{
    return const_cast<WelcomeRecord *>(this)->controlOut(n);
}

namespace
{

auto fields(const LightingRecord &r)
{
    return std::tie(r.name, r.Input, r.DebounceTime, r.ControlType, r.OutputControlPriority,
                    r.outputC1, r.outputC2, r.outputC3, r.outputC4, r.outputC5, r.outputC6,
                    r.outputC7, r.outputC8);
}

auto fields(const ShutterRecord &r)
{
    return std::tie(r.name, r.UpInput, r.UpDebounceTime, r.UpOutput, r.DownInput,
                    r.DownDebounceTime, r.DownOutput, r.MoveDuration, r.StepTime);
}

auto fields(const DigitalIORecord &r)
{
    return std::tie(r.name, r.Input, r.DebounceTime, r.Output, r.ContactType, r.OnDelay,
                    r.OffDelay);
}

auto fields(const LogicRecord &r)
{
    return std::tie(r.name, r.Input1, r.Input1DebounceTime, r.Input1Polarity, r.Input1ControlType,
                    r.Input2, r.Input2DebounceTime, r.Input2Polarity, r.Input2ControlType, r.Input3,
                    r.Input3DebounceTime, r.Input3Polarity, r.Input3ControlType, r.Output,
                    r.LogicType, r.OnDelay, r.OffDelay);
}

auto fields(const VoltageInputRecord &r)
{
    return std::tie(r.name, r.Input, r.DebounceTime, r.Output, r.OnDelay, r.OffDelay);
}

auto fields(const EnergySavingRecord &r)
{
    return std::tie(r.name, r.EnableDisable, r.Input, r.CardHolderDebounceTime, r.ControlType,
                    r.ContactType, r.PresenceEnableDisable, r.MotionSensorInput,
                    r.MotionSensorContactType, r.MotionSensorDebounceTime,
                    r.MotionSensorPulseDuration, r.DoorSensorInput, r.DoorSensorDebounceTime,
                    r.OnDelay, r.OffDelay);
}

auto fields(const AirConRecord &r)
{
    return std::tie(r.MotionSensorDebounceTime, r.MotionSensorContactType, r.name,
                    r.BalconySensorEnableDisable, r.Input, r.ContactType,
                    r.BalconySensorDebounceTime, r.MotionSensorEnableDisable, r.MotionSensorInput,
                    r.Output, r.OutputControlType, r.OutputContactType, r.PulseDelay, r.OnDelay,
                    r.OffDelay);
}

auto fields(const DndMurRecord &r)
{
    return std::tie(r.name, r.DndInput, r.DndDebounceTime, r.DndOutput, r.MurInput,
                    r.MurDebounceTime, r.MurOutput, r.ControlType, r.ContactType, r.BellOutput,
                    r.OccupancyOutput, r.OnDelay, r.OffDelay);
}

auto fields(const MasterOffRecord &r)
{
    return std::tie(r.name, r.Input, r.DebounceTime, r.LedOutput, r.controlOutC1, r.controlOutC2,
                    r.controlOutC3, r.controlOutC4, r.controlOutC5, r.controlOutC6, r.controlOutC7,
                    r.controlOutC8);
}

auto fields(const WelcomeRecord &r)
{
    return std::tie(r.name, r.controlOutC1, r.controlOutC2, r.controlOutC3, r.controlOutC4,
                    r.controlOutC5, r.controlOutC6, r.controlOutC7, r.controlOutC8);
}

} // namespace

bool operator==(const LightingRecord &a, const LightingRecord &b)
{
    return fields(a) == fields(b);
}
bool operator==(const ShutterRecord &a, const ShutterRecord &b)
{
    return fields(a) == fields(b);
}
bool operator==(const DigitalIORecord &a, const DigitalIORecord &b)
{
    return fields(a) == fields(b);
}
bool operator==(const LogicRecord &a, const LogicRecord &b)
{
    return fields(a) == fields(b);
}
bool operator==(const VoltageInputRecord &a, const VoltageInputRecord &b)
{
    return fields(a) == fields(b);
}
bool operator==(const EnergySavingRecord &a, const EnergySavingRecord &b)
{
    return fields(a) == fields(b);
}
bool operator==(const AirConRecord &a, const AirConRecord &b)
{
    return fields(a) == fields(b);
}
bool operator==(const DndMurRecord &a, const DndMurRecord &b)
{
    return fields(a) == fields(b);
}
bool operator==(const MasterOffRecord &a, const MasterOffRecord &b)
{
    return fields(a) == fields(b);
}
bool operator==(const WelcomeRecord &a, const WelcomeRecord &b)
{
    return fields(a) == fields(b);
}
