#include "bench/generatedproject.h"

#include "model/stores.h"

#include <QStringList>

namespace
{

constexpr int typeCount = 10;

const QStringList debounceTexts = {"20 ms",   "30 ms",   "40 ms",  "50 ms",  "75 ms",
                                   "100 ms",  "150 ms",  "250 ms", "500 ms", "750 ms",
                                   "1000 ms", "2000 ms", "3000 ms"};

// The i-th value of a cycle of choices.
QString pick(const QStringList &choices, int i)
{
    return choices.at(i % choices.size());
}

QString input(int i)
{
    return QStringLiteral("IN") + QString::number(1 + i % 13);
}

QString output(int i)
{
    return QStringLiteral("C") + QString::number(1 + i % 8);
}

QString debounce(int i)
{
    return pick(debounceTexts, i);
}

QString contact(int i)
{
    return pick({"NO", "NC"}, i);
}

QString control(int i)
{
    return pick({"ON/OFF", "PULSE"}, i);
}

QString flag(bool on)
{
    return on ? QStringLiteral("ENABLE") : QStringLiteral("DISABLE");
}

QString name(const char *prefix, int i)
{
    return QLatin1String(prefix) + QString::number(i + 1);
}

LightingRecord lighting(int i)
{
    LightingRecord r;
    r.name = name("Lighting-", i);
    r.Input = input(i);
    r.DebounceTime = debounce(i);
    r.ControlType = control(i);
    r.OutputControlPriority =
        r.ControlType == "PULSE" ? pick({"Active", "Passive", "LastState"}, i) : QString();
    r.output(1 + i % 8) = output(i);
    r.output(1 + (i + 3) % 8) = output(i + 3);
    return r;
}

ShutterRecord shutter(int i)
{
    return {name("Shutter-", i), input(i),      debounce(i),  output(i),    input(i + 1),
            debounce(i + 1),     output(i + 1), 10 + i % 120, 100 + i % 900};
}

DigitalIORecord digitalIO(int i)
{
    return {name("Digital I/O-", i), input(i), debounce(i), output(i), contact(i), i % 60, i % 90};
}

LogicRecord logic(int i)
{
    const QStringList polarities = {"Normal", "Inverted"};
    const bool third = i % 2 == 0;
    return {name("Logic-", i),
            input(i),
            debounce(i),
            pick(polarities, i),
            control(i),
            input(i + 1),
            debounce(i + 1),
            pick(polarities, i + 1),
            control(i + 1),
            third ? input(i + 2) : QString(),
            third ? debounce(i + 2) : QString(),
            third ? pick(polarities, i) : QString(),
            third ? control(i) : QString(),
            output(i),
            pick({"AND", "OR", "XOR", "NAND", "NOR", "NXOR"}, i),
            i % 30,
            i % 40};
}

VoltageInputRecord voltageInput(int i)
{
    return {
        name("Voltage Input-", i), pick({"CH1", "CH2"}, i), debounce(i), output(i), i % 10, i % 20};
}

EnergySavingRecord energySaving(int i)
{
    return {name("Energy Saving-", i),
            flag(true),
            input(i),
            debounce(i),
            control(i),
            contact(i),
            flag(true),
            QStringLiteral("SensorInput"),
            contact(i + 1),
            debounce(i + 1),
            30 + i % 60,
            input(i + 1),
            debounce(i + 2),
            i % 60,
            i % 120};
}

AirConRecord airCon(int i)
{
    return {debounce(i),
            contact(i),
            name("Air Conditioner-", i),
            flag(true),
            pick({"AIR C. IN1", "AIR C. IN2"}, i),
            contact(i + 1),
            debounce(i + 1),
            flag(true),
            QStringLiteral("Sensor IN"),
            pick({"AIR CON1", "AIR CON2"}, i),
            control(i),
            contact(i),
            100 + i % 1000,
            i % 30,
            i % 60};
}

DndMurRecord dndMur(int i)
{
    return {name("DND/MUR-", i), "DND IN", debounce(i), "DND",      "MUR IN",
            debounce(i + 1),     "MUR",    control(i),  contact(i), output(i),
            output(i + 1),       i % 10,   i % 20};
}

MasterOffRecord masterOff(int i)
{
    MasterOffRecord r;
    r.name = name("Master Off-", i);
    r.Input = input(i);
    r.DebounceTime = debounce(i);
    r.LedOutput = output(i);
    for (int n = 1; n <= 8; ++n)
        r.controlOut(n) = flag((n + i) % 3 == 0);
    return r;
}

WelcomeRecord welcome(int i)
{
    WelcomeRecord r;
    r.name = name("Welcome-", i);
    for (int n = 1; n <= 8; ++n)
        r.controlOut(n) = flag((n + i) % 2 == 0);
    return r;
}

template <typename Record>
void fillStore(FunctionStore<Record> &store, int count, Record (*make)(int))
{
    for (int i = 0; i < count; ++i)
        store.add(make(i));
}

} // namespace

void GeneratedProject::fill(int functionCount)
{
    // The first types take one more function each when the count does not divide evenly.
    int type = 0;
    const auto share = [&] {
        return functionCount / typeCount + (type++ < functionCount % typeCount);
    };
    fillStore(lightingStore(), share(), lighting);
    fillStore(shutterStore(), share(), shutter);
    fillStore(digitalIOStore(), share(), digitalIO);
    fillStore(logicStore(), share(), logic);
    fillStore(voltageInputStore(), share(), voltageInput);
    fillStore(energySavingStore(), share(), energySaving);
    fillStore(airConStore(), share(), airCon);
    fillStore(dndMurStore(), share(), dndMur);
    fillStore(masterOffStore(), share(), masterOff);
    fillStore(welcomeStore(), share(), welcome);
}
