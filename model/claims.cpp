#include "model/claims.h"

#include "model/catalogue.h"
#include "model/editorrules.h"

namespace
{

OutputClaim plain(const QString &name, const char *field, const QString &role,
                  const QString &contactType = {})
{
    return {name, false, false, role, contactType, QLatin1String(field)};
}

OutputClaim locked(const QString &name, const char *field, const QString &role)
{
    return {name, true, false, role, {}, QLatin1String(field)};
}

InputClaim input(const QString &name, const char *field, const QString &role,
                 const QString &debounceTime, const QString &contactType = {})
{
    return {name, role, debounceTime, contactType, QLatin1String(field)};
}

// The room's one motion sensor is wired to this row whichever function enables it.
InputClaim motionSensor(const QString &debounceTime, const QString &contactType)
{
    return input(QStringLiteral("SENSOR IN"), "MotionSensorInput", QStringLiteral("motion sensor"),
                 debounceTime, contactType);
}

bool enabled(const QString &flag)
{
    return flag == QLatin1String("ENABLE");
}

} // namespace

ClaimSet claimsOf(const LightingRecord &record)
{
    ClaimSet claims{
        {input(record.Input, "Input", QStringLiteral("input"), record.DebounceTime)}, {}, {}};
    const bool pulse = !EditorRules::drivesOneOutput(record.ControlType);
    for (int n = 1; n <= 8; ++n) {
        const QString field = QStringLiteral("ControlOut-C%1").arg(n);
        if (!record.output(n).isEmpty())
            claims.outputs.append(
                {record.output(n), false, pulse, QStringLiteral("output"), {}, field});
    }
    return claims;
}

ClaimSet claimsOf(const ShutterRecord &record)
{
    return {{input(record.UpInput, "UpInput", QStringLiteral("up input"), record.UpDebounceTime),
             input(record.DownInput, "DownInput", QStringLiteral("down input"),
                   record.DownDebounceTime)},
            {locked(record.UpOutput, "UpOutput", QStringLiteral("up output")),
             locked(record.DownOutput, "DownOutput", QStringLiteral("down output"))},
            {}};
}

ClaimSet claimsOf(const DigitalIORecord &record)
{
    return {{input(record.Input, "Input", QStringLiteral("input"), record.DebounceTime,
                   record.ContactType)},
            {plain(record.Output, "Output", QStringLiteral("output"))},
            {}};
}

// The third input is optional: an empty Input3 names no row.
ClaimSet claimsOf(const LogicRecord &record)
{
    return {{input(record.Input1, "Input1", QStringLiteral("input 1"), record.Input1DebounceTime),
             input(record.Input2, "Input2", QStringLiteral("input 2"), record.Input2DebounceTime),
             input(record.Input3, "Input3", QStringLiteral("input 3"), record.Input3DebounceTime)},
            {plain(record.Output, "Output", QStringLiteral("output"))},
            {}};
}

ClaimSet claimsOf(const VoltageInputRecord &record)
{
    return {{input(record.Input, "Input", QStringLiteral("input"), record.DebounceTime)},
            {plain(record.Output, "Output", QStringLiteral("output"))},
            {}};
}

// The card holder holds "IN21" only when it is on (Input is then "IN21").
// The motion sensor is shared with the Air Conditioner functions and is no claim.
ClaimSet claimsOf(const EnergySavingRecord &record)
{
    ClaimSet claims{{input(record.Input, "Input", QStringLiteral("card holder"),
                           record.CardHolderDebounceTime, record.ContactType),
                     input(record.DoorSensorInput, "DoorSensorInput", QStringLiteral("door sensor"),
                           record.DoorSensorDebounceTime)},
                    {},
                    {}};
    if (enabled(record.PresenceEnableDisable))
        claims.sharedInputs.append(
            motionSensor(record.MotionSensorDebounceTime, record.MotionSensorContactType));
    return claims;
}

// The balcony input is optional; the motion sensor is no claim.
ClaimSet claimsOf(const AirConRecord &record)
{
    ClaimSet claims{
        {input(record.Input, "Input", QStringLiteral("balcony sensor"),
               record.BalconySensorDebounceTime, record.ContactType)},
        {plain(record.Output, "Output", QStringLiteral("output"), record.OutputContactType)},
        {}};
    if (enabled(record.MotionSensorEnableDisable))
        claims.sharedInputs.append(
            motionSensor(record.MotionSensorDebounceTime, record.MotionSensorContactType));
    return claims;
}

ClaimSet claimsOf(const DndMurRecord &record)
{
    return {{input(record.DndInput, "DndInput", QStringLiteral("DND input"), record.DndDebounceTime,
                   record.ContactType),
             input(record.MurInput, "MurInput", QStringLiteral("MUR input"), record.MurDebounceTime,
                   record.ContactType)},
            {plain(record.DndOutput, "DndOutput", QStringLiteral("DND output")),
             plain(record.MurOutput, "MurOutput", QStringLiteral("MUR output")),
             locked(record.BellOutput, "BellOutput", QStringLiteral("bell output")),
             locked(record.OccupancyOutput, "OccupancyOutput", QStringLiteral("occupancy output"))},
            {}};
}

// The controlled outputs belong to other functions; only the optional LED is
// held. It is not locked: the editors let Welcome and other Master Off
// functions control it, and a project read from a file must allow the same.
ClaimSet claimsOf(const MasterOffRecord &record)
{
    return {{input(record.Input, "Input", QStringLiteral("input"), record.DebounceTime)},
            {plain(record.LedOutput, "LedOutput", QStringLiteral("LED"))},
            {}};
}

ClaimSet claimsOf(const WelcomeRecord &)
{
    return {};
}

bool maySharePulse(bool pulse, bool otherPulse)
{
    return pulse && otherPulse;
}

void claim(const ClaimSet &claims)
{
    for (const InputClaim &held : claims.inputs) {
        if (InputEntry *input = InputCatalogue::instance().find(held.name))
            ++input->useCount;
    }
    for (const OutputClaim &held : claims.outputs) {
        OutputEntry *output = OutputCatalogue::instance().find(held.name);
        if (!output)
            continue;
        ++output->useCount;
        if (held.pulse)
            ++output->pulseUseCount;
        if (held.locked) {
            output->masterOffLocked = 1;
            output->welcomeLocked = 1;
        }
    }
}

void release(const ClaimSet &claims)
{
    for (const InputClaim &held : claims.inputs)
        InputCatalogue::instance().release(held.name);
    for (const OutputClaim &held : claims.outputs) {
        if (held.pulse)
            OutputCatalogue::instance().releasePulse(held.name);
        else
            OutputCatalogue::instance().release(held.name);
    }
}
