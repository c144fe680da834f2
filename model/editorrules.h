#pragma once

#include "model/stores.h"

#include <QString>
#include <QVector>

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
    LineBreak,   // the name field is one line: it keeps out what would break it
};
// The first fault in the order above.
NameFault nameFault(const QString &name);

// A character that ends a line: line feed, carriage return, vertical tab,
// form feed, next line, line and paragraph separator.
bool isLineBreak(QChar c);
// Text as a one-line field takes it, typed or pasted: breaks at either end
// are dropped, and each run of them inside becomes one space, so that the
// words they parted stay apart.
QString oneLine(const QString &text);

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

// The box of the LED output saved last stays disabled. Only that one: a
// function opened again after another saved its LED may switch off its own.
bool mayControl(const QString &output, const QString &ledOutput);

// --- Master Off and Welcome ---

// All eight "ENABLE"/"DISABLE" fields read "DISABLE": Save refuses such a
// function, and one left so when the outputs it controlled are given up is deleted.
template <typename Record> bool controlsNoOutput(const Record &record)
{
    for (int n = 1; n <= 8; ++n) {
        if (record.controlOut(n) != QLatin1String("DISABLE"))
            return false;
    }
    return true;
}

// --- What a Save refuses ---

// The checks of the editors' Saves, each by the rule it keeps. The pages word
// them their own way (see saveRefusals). The check of a project file has a
// finding for each: a file that breaks one holds a function that its page
// would not have saved.
enum class Refusal {
    NameEmpty,
    NameDoubleSpace,
    NothingToChoose,    // a list offers no item (the file: a value no list offers)
    ChoiceMissing,      // a required input or output is not chosen
    SettingMissing,     // a contact or control type is not chosen
    SensorInputMissing, // a sensor is on without its input
    SameChoiceTwice,    // one input or output chosen for two roles
    NoFeature,          // neither the card holder nor the presence sensor
    NoControlledOutput, // nothing to switch
    NameTaken,          // another function of the type has the name
    TooMany,            // the type's limit is reached
    InputHeld,          // another function holds a chosen input
    OutputHeld,         // another function holds a chosen output
    LedOnlyHolder,      // a switched output is held only by the LED given up
};

struct SaveRefusal {
    FunctionType type;
    Refusal refusal;
    const char *text; // the page's message, untranslated; %1 where it names an output
    int ms;           // how long the page shows it
};

// Every refusal of every page's Save, page by page in toolbox order.
const QVector<SaveRefusal> &saveRefusals();
// A page's refusal; nullptr when that page's Save does not make it.
const SaveRefusal *findRefusal(FunctionType type, Refusal refusal);

} // namespace EditorRules
