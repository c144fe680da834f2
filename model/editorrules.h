#pragma once

#include "model/stores.h"

#include <QString>

// The rules the editor pages hold a saved function to, each defined once:
// the pages apply them while the user edits and saves, and the check of a
// project file reports a function read from a file that breaks one (a room
// the editors could not have built may not do on the controller what it says).
namespace EditorRules
{

// --- Names ---

// The name fields take no more characters than this.
constexpr int maxNameLength = 18;

enum class NameFault {
    None,
    Empty,       // Save refuses it
    DoubleSpace, // Save refuses it: export's text form drops every pair of spaces
    TooLong,     // the name field takes at most maxNameLength characters
    LineBreak,   // the name field is one line; Return does not type a break
};
// The first fault in the order above.
NameFault nameFault(const QString &name);

// --- How many of a type ---

// The most functions of a type the editors save; 0 where they set no limit.
int functionLimit(FunctionType type);
// Whether the editor saves one more function of the type beside saved ones.
bool roomForAnother(FunctionType type, int saved);

// --- Lighting ---

// An "ON/OFF" Lighting function drives exactly one output. Any other control
// type counts as "PULSE": such a function may drive several outputs and
// share them with other "PULSE" Lighting functions.
bool drivesOneOutput(const QString &controlType);

// --- Energy Saving ---

// What the record names its fixed inputs (the page shows the motion sensor as "Sensor IN").
QString cardHolderInput();
QString energySavingMotionInput();
// A function with neither the card holder nor the presence sensor on is refused.
bool hasFeature(bool cardHolder, bool presence);

// --- Sensors that come with an input (door, balcony) ---

// A sensor that is on needs its input chosen; Save refuses it without.
bool inputMissing(bool sensorOn, const QString &input);
// A sensor that is off saves no input: the list is left without a choice.
bool inputWithoutSensor(bool sensorOn, const QString &input);

// --- Air Conditioner ---

// Its motion sensor can be used only together with its balcony sensor.
bool motionSensorUsable(bool balconySensor);
// An "ON/OFF" output has no pulse delay: the delay rests at the least value
// its box takes.
bool usesPulseDelay(const QString &outputControlType);
constexpr int leastPulseDelay = 130;

// --- Master Off ---

// A Master Off function does not switch off its own feedback LED.
bool mayControl(const QString &output, const QString &ledOutput);

} // namespace EditorRules
