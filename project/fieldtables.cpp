#include "project/fieldtables.h"

#include <limits>

template <> const Schema<LightingRecord> &schemaOf()
{
    using R = LightingRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"Input", &R::Input},
                                   {"DebounceTime", &R::DebounceTime},
                                   {"ControlType", &R::ControlType},
                                   {"OutputControlPriority", &R::OutputControlPriority}},
                                  {}};
    return schema;
}

template <> const Schema<ShutterRecord> &schemaOf()
{
    using R = ShutterRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"UpInput", &R::UpInput},
                                   {"UpDebounceTime", &R::UpDebounceTime},
                                   {"UpOutput", &R::UpOutput},
                                   {"DownInput", &R::DownInput},
                                   {"DownDebounceTime", &R::DownDebounceTime},
                                   {"DownOutput", &R::DownOutput}},
                                  {{"MoveDuration", &R::MoveDuration}, {"StepTime", &R::StepTime}}};
    return schema;
}

template <> const Schema<DigitalIORecord> &schemaOf()
{
    using R = DigitalIORecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"Input", &R::Input},
                                   {"DebounceTime", &R::DebounceTime},
                                   {"Output", &R::Output},
                                   {"ContactType", &R::ContactType}},
                                  {{"OnDelay", &R::OnDelay}, {"OffDelay", &R::OffDelay}}};
    return schema;
}

template <> const Schema<LogicRecord> &schemaOf()
{
    using R = LogicRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"Input1", &R::Input1},
                                   {"Input1DebounceTime", &R::Input1DebounceTime},
                                   {"Input1Polarity", &R::Input1Polarity},
                                   {"Input1ControlType", &R::Input1ControlType},
                                   {"Input2", &R::Input2},
                                   {"Input2DebounceTime", &R::Input2DebounceTime},
                                   {"Input2Polarity", &R::Input2Polarity},
                                   {"Input2ControlType", &R::Input2ControlType},
                                   {"Input3", &R::Input3},
                                   {"Input3DebounceTime", &R::Input3DebounceTime},
                                   {"Input3Polarity", &R::Input3Polarity},
                                   {"Input3ControlType", &R::Input3ControlType},
                                   {"Output", &R::Output},
                                   {"LogicType", &R::LogicType}},
                                  {{"OnDelay", &R::OnDelay}, {"OffDelay", &R::OffDelay}}};
    return schema;
}

template <> const Schema<VoltageInputRecord> &schemaOf()
{
    using R = VoltageInputRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"Input", &R::Input},
                                   {"DebounceTime", &R::DebounceTime},
                                   {"Output", &R::Output}},
                                  {{"OnDelay", &R::OnDelay}, {"OffDelay", &R::OffDelay}}};
    return schema;
}

template <> const Schema<EnergySavingRecord> &schemaOf()
{
    using R = EnergySavingRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"EnableDisable", &R::EnableDisable},
                                   {"Input", &R::Input},
                                   {"CardHolderDebounceTime", &R::CardHolderDebounceTime},
                                   {"ControlType", &R::ControlType},
                                   {"ContactType", &R::ContactType},
                                   {"PresenceEnableDisable", &R::PresenceEnableDisable},
                                   {"MotionSensorInput", &R::MotionSensorInput},
                                   {"MotionSensorContactType", &R::MotionSensorContactType},
                                   {"MotionSensorDebounceTime", &R::MotionSensorDebounceTime},
                                   {"DoorSensorInput", &R::DoorSensorInput},
                                   {"DoorSensorDebounceTime", &R::DoorSensorDebounceTime}},
                                  {{"MotionSensorPulseDuration", &R::MotionSensorPulseDuration},
                                   {"OnDelay", &R::OnDelay},
                                   {"OffDelay", &R::OffDelay}}};
    return schema;
}

template <> const Schema<AirConRecord> &schemaOf()
{
    using R = AirConRecord;
    static const Schema<R> schema{
        {{"name", &R::name},
         {"BalconySensorEnableDisable", &R::BalconySensorEnableDisable},
         {"Input", &R::Input},
         {"ContactType", &R::ContactType},
         {"BalconySensorDebounceTime", &R::BalconySensorDebounceTime},
         {"MotionSensorEnableDisable", &R::MotionSensorEnableDisable},
         {"MotionSensorInput", &R::MotionSensorInput},
         {"MotionSensorContactType", &R::MotionSensorContactType},
         {"MotionSensorDebounceTime", &R::MotionSensorDebounceTime},
         {"Output", &R::Output},
         {"OutputControlType", &R::OutputControlType},
         {"OutputContactType", &R::OutputContactType}},
        {{"PulseDelay", &R::PulseDelay}, {"OnDelay", &R::OnDelay}, {"OffDelay", &R::OffDelay}}};
    return schema;
}

template <> const Schema<DndMurRecord> &schemaOf()
{
    using R = DndMurRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"DndInput", &R::DndInput},
                                   {"DndDebounceTime", &R::DndDebounceTime},
                                   {"DndOutput", &R::DndOutput},
                                   {"MurInput", &R::MurInput},
                                   {"MurDebounceTime", &R::MurDebounceTime},
                                   {"MurOutput", &R::MurOutput},
                                   {"ControlType", &R::ControlType},
                                   {"ContactType", &R::ContactType},
                                   {"BellOutput", &R::BellOutput},
                                   {"OccupancyOutput", &R::OccupancyOutput}},
                                  {{"OnDelay", &R::OnDelay}, {"OffDelay", &R::OffDelay}}};
    return schema;
}

template <> const Schema<MasterOffRecord> &schemaOf()
{
    using R = MasterOffRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"Input", &R::Input},
                                   {"DebounceTime", &R::DebounceTime},
                                   {"LedOutput", &R::LedOutput},
                                   {"ControlOut-C1", &R::controlOutC1},
                                   {"ControlOut-C2", &R::controlOutC2},
                                   {"ControlOut-C3", &R::controlOutC3},
                                   {"ControlOut-C4", &R::controlOutC4},
                                   {"ControlOut-C5", &R::controlOutC5},
                                   {"ControlOut-C6", &R::controlOutC6},
                                   {"ControlOut-C7", &R::controlOutC7},
                                   {"ControlOut-C8", &R::controlOutC8}},
                                  {}};
    return schema;
}

template <> const Schema<WelcomeRecord> &schemaOf()
{
    using R = WelcomeRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"ControlOut-C1", &R::controlOutC1},
                                   {"ControlOut-C2", &R::controlOutC2},
                                   {"ControlOut-C3", &R::controlOutC3},
                                   {"ControlOut-C4", &R::controlOutC4},
                                   {"ControlOut-C5", &R::controlOutC5},
                                   {"ControlOut-C6", &R::controlOutC6},
                                   {"ControlOut-C7", &R::controlOutC7},
                                   {"ControlOut-C8", &R::controlOutC8}},
                                  {}};
    return schema;
}

QString numberProblem(const QJsonValue &value)
{
    if (value.isUndefined())
        return QStringLiteral("is missing");
    if (value.isString())
        return QStringLiteral("is text, not a number");
    if (!value.isDouble())
        return QStringLiteral("is not a number");
    const double number = value.toDouble();
    // Checked before any conversion, which would be undefined outside the range.
    const bool inRange = number >= double(std::numeric_limits<qint32>::min()) &&
                         number <= double(std::numeric_limits<qint32>::max());
    if (!inRange)
        return QStringLiteral("is outside the 32-bit range");
    return double(static_cast<qint32>(number)) == number ? QString()
                                                         : QStringLiteral("is not a whole number");
}

qint32 readNumber(const QJsonValue &value)
{
    return numberProblem(value).isEmpty() ? static_cast<qint32>(value.toDouble()) : 0;
}

QString controlOutKey(int n)
{
    return QStringLiteral("ControlOut-C") + QString::number(n);
}

QString outputName(int n)
{
    return QStringLiteral("C") + QString::number(n);
}
