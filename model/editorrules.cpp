#include "model/editorrules.h"

namespace
{

const QString onOff = QStringLiteral("ON/OFF");

} // namespace

EditorRules::NameFault EditorRules::nameFault(const QString &name)
{
    if (name.isEmpty())
        return NameFault::Empty;
    if (name.contains(QLatin1String("  ")))
        return NameFault::DoubleSpace;
    if (name.size() > maxNameLength)
        return NameFault::TooLong;
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
        return NameFault::LineBreak;
    return NameFault::None;
}

int EditorRules::functionLimit(FunctionType type)
{
    switch (type) {
    case FunctionType::Welcome:
    case FunctionType::EnergySaving:
    case FunctionType::DndMur:
        return 1;
    case FunctionType::MasterOff:
        return 4;
    default:
        return 0;
    }
}

bool EditorRules::roomForAnother(FunctionType type, int saved)
{
    const int limit = functionLimit(type);
    return limit == 0 || saved < limit;
}

bool EditorRules::drivesOneOutput(const QString &controlType)
{
    return controlType == onOff;
}

QString EditorRules::cardHolderInput()
{
    return QStringLiteral("IN21");
}

QString EditorRules::energySavingMotionInput()
{
    return QStringLiteral("SensorInput");
}

bool EditorRules::hasFeature(bool cardHolder, bool presence)
{
    return cardHolder || presence;
}

bool EditorRules::inputMissing(bool sensorOn, const QString &input)
{
    return sensorOn && input.isEmpty();
}

bool EditorRules::inputWithoutSensor(bool sensorOn, const QString &input)
{
    return !sensorOn && !input.isEmpty();
}

bool EditorRules::motionSensorUsable(bool balconySensor)
{
    return balconySensor;
}

bool EditorRules::usesPulseDelay(const QString &outputControlType)
{
    return outputControlType != onOff;
}

bool EditorRules::mayControl(const QString &output, const QString &ledOutput)
{
    return output != ledOutput;
}
