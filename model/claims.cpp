#include "model/claims.h"

#include "model/catalogue.h"

namespace
{

OutputClaim plain(const QString &name, const QString &role, const QString &contactType = {})
{
    return {name, false, false, role, contactType};
}

OutputClaim locked(const QString &name, const QString &role)
{
    return {name, true, false, role, {}};
}

// The room's one motion sensor is wired to this row whichever function enables it.
InputClaim motionSensor(const QString &debounceTime, const QString &contactType)
{
    return {QStringLiteral("SENSOR IN"), QStringLiteral("motion sensor"), debounceTime,
            contactType};
}

bool enabled(const QString &flag)
{
    return flag == QLatin1String("ENABLE");
}

} // namespace

// Any control type other than "ON/OFF" counts as "PULSE", as the editor's
// rule for shared outputs does.
ClaimSet claimsOf(const LightingRecord &record)
{
    ClaimSet claims{{{record.Input, QStringLiteral("input"), record.DebounceTime, {}}}, {}, {}};
    const bool pulse = record.ControlType != QLatin1String("ON/OFF");
    for (int n = 1; n <= 8; ++n) {
        if (!record.output(n).isEmpty())
            claims.outputs.append({record.output(n), false, pulse, QStringLiteral("output"), {}});
    }
    return claims;
}

ClaimSet claimsOf(const ShutterRecord &record)
{
    return {{{record.UpInput, QStringLiteral("up input"), record.UpDebounceTime, {}},
             {record.DownInput, QStringLiteral("down input"), record.DownDebounceTime, {}}},
            {locked(record.UpOutput, QStringLiteral("up output")),
             locked(record.DownOutput, QStringLiteral("down output"))},
            {}};
}

ClaimSet claimsOf(const DigitalIORecord &record)
{
    return {{{record.Input, QStringLiteral("input"), record.DebounceTime, record.ContactType}},
            {plain(record.Output, QStringLiteral("output"))},
            {}};
}

// The third input is optional: an empty Input3 names no row.
ClaimSet claimsOf(const LogicRecord &record)
{
    return {{{record.Input1, QStringLiteral("input 1"), record.Input1DebounceTime, {}},
             {record.Input2, QStringLiteral("input 2"), record.Input2DebounceTime, {}},
             {record.Input3, QStringLiteral("input 3"), record.Input3DebounceTime, {}}},
            {plain(record.Output, QStringLiteral("output"))},
            {}};
}

ClaimSet claimsOf(const VoltageInputRecord &record)
{
    return {{{record.Input, QStringLiteral("input"), record.DebounceTime, {}}},
            {plain(record.Output, QStringLiteral("output"))},
            {}};
}

// The card holder holds "IN21" only when it is on (Input is then "IN21").
// The motion sensor is shared with the Air Conditioner functions and is no claim.
ClaimSet claimsOf(const EnergySavingRecord &record)
{
    ClaimSet claims{{{record.Input, QStringLiteral("card holder"), record.CardHolderDebounceTime,
                      record.ContactType},
                     {record.DoorSensorInput,
                      QStringLiteral("door sensor"),
                      record.DoorSensorDebounceTime,
                      {}}},
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
    ClaimSet claims{{{record.Input, QStringLiteral("balcony sensor"),
                      record.BalconySensorDebounceTime, record.ContactType}},
                    {plain(record.Output, QStringLiteral("output"), record.OutputContactType)},
                    {}};
    if (enabled(record.MotionSensorEnableDisable))
        claims.sharedInputs.append(
            motionSensor(record.MotionSensorDebounceTime, record.MotionSensorContactType));
    return claims;
}

ClaimSet claimsOf(const DndMurRecord &record)
{
    return {
        {{record.DndInput, QStringLiteral("DND input"), record.DndDebounceTime, record.ContactType},
         {record.MurInput, QStringLiteral("MUR input"), record.MurDebounceTime,
          record.ContactType}},
        {plain(record.DndOutput, QStringLiteral("DND output")),
         plain(record.MurOutput, QStringLiteral("MUR output")),
         locked(record.BellOutput, QStringLiteral("bell output")),
         locked(record.OccupancyOutput, QStringLiteral("occupancy output"))},
        {}};
}

// The controlled outputs belong to other functions; only the optional LED is
// held. It is not locked: the editors let Welcome and other Master Off
// functions control it, and a project read from a file must allow the same.
ClaimSet claimsOf(const MasterOffRecord &record)
{
    return {{{record.Input, QStringLiteral("input"), record.DebounceTime, {}}},
            {plain(record.LedOutput, QStringLiteral("LED"))},
            {}};
}

ClaimSet claimsOf(const WelcomeRecord &)
{
    return {};
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
