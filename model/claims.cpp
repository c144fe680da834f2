#include "model/claims.h"

#include "model/catalogue.h"

namespace
{

OutputClaim plain(const QString &name)
{
    return {name, false, false};
}

OutputClaim locked(const QString &name)
{
    return {name, true, false};
}

} // namespace

// Any control type other than "ON/OFF" counts as "PULSE", as the editor's
// rule for shared outputs does.
ClaimSet claimsOf(const LightingRecord &record)
{
    ClaimSet claims{{record.Input}, {}};
    const bool pulse = record.ControlType != QLatin1String("ON/OFF");
    for (int n = 1; n <= 8; ++n) {
        if (!record.output(n).isEmpty())
            claims.outputs.append({record.output(n), false, pulse});
    }
    return claims;
}

ClaimSet claimsOf(const ShutterRecord &record)
{
    return {{record.UpInput, record.DownInput},
            {locked(record.UpOutput), locked(record.DownOutput)}};
}

ClaimSet claimsOf(const DigitalIORecord &record)
{
    return {{record.Input}, {plain(record.Output)}};
}

// The third input is optional: an empty Input3 names no row.
ClaimSet claimsOf(const LogicRecord &record)
{
    return {{record.Input1, record.Input2, record.Input3}, {plain(record.Output)}};
}

ClaimSet claimsOf(const VoltageInputRecord &record)
{
    return {{record.Input}, {plain(record.Output)}};
}

// The card holder holds "IN21" only when it is on (Input is then "IN21").
// The motion sensor is shared with the Air Conditioner functions and is no claim.
ClaimSet claimsOf(const EnergySavingRecord &record)
{
    return {{record.Input, record.DoorSensorInput}, {}};
}

// The balcony input is optional; the motion sensor is no claim.
ClaimSet claimsOf(const AirConRecord &record)
{
    return {{record.Input}, {plain(record.Output)}};
}

ClaimSet claimsOf(const DndMurRecord &record)
{
    return {{record.DndInput, record.MurInput},
            {plain(record.DndOutput), plain(record.MurOutput), locked(record.BellOutput),
             locked(record.OccupancyOutput)}};
}

// The controlled outputs belong to other functions; only the optional LED is
// held. It is not locked: the editors let Welcome and other Master Off
// functions control it, and a project read from a file must allow the same.
ClaimSet claimsOf(const MasterOffRecord &record)
{
    return {{record.Input}, {plain(record.LedOutput)}};
}

ClaimSet claimsOf(const WelcomeRecord &)
{
    return {};
}

void claim(const ClaimSet &claims)
{
    for (const QString &name : claims.inputs) {
        if (InputEntry *input = InputCatalogue::instance().find(name))
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
    for (const QString &name : claims.inputs)
        InputCatalogue::instance().release(name);
    for (const OutputClaim &held : claims.outputs) {
        if (held.pulse)
            OutputCatalogue::instance().releasePulse(held.name);
        else
            OutputCatalogue::instance().release(held.name);
    }
}
