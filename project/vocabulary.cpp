#include "project/vocabulary.h"

#include "model/stores.h"

#include <QStringList>

namespace
{

const QStringList debounceTexts = {"20 ms",   "30 ms",   "40 ms",  "50 ms",  "75 ms",
                                   "100 ms",  "150 ms",  "250 ms", "500 ms", "750 ms",
                                   "1000 ms", "2000 ms", "3000 ms"};
const QStringList controlTypes = {"ON/OFF", "PULSE"};
const QStringList contactTypes = {"NO", "NC"};
const QStringList polarities = {"Normal", "Inverted"};
const QStringList logicTypes = {"AND", "OR", "XOR", "NAND", "NOR", "NXOR"};
const QStringList priorities = {"Active", "Passive", "LastState"};
const QStringList switches = {"ENABLE", "DISABLE"};
const QString none;

QStringList withNone(QStringList words)
{
    words.prepend(none);
    return words;
}

// The general-purpose rows a platform offers.
struct Rows {
    QStringList inputs;
    QStringList outputs;
};

Rows rowsOf(Platform platform)
{
    Rows rows;
    for (const InputEntry *input : offeredInputs(platform))
        rows.inputs << input->name;
    for (const OutputEntry *output : offeredOutputs(platform))
        rows.outputs << output->name;
    return rows;
}

// Checks the fields of one function against what the editors offer.
class FieldCheck
{
public:
    FieldCheck(const char *type, const QString &name, Platform platform, QVector<Finding> &findings)
        : type(QLatin1String(type)), name(name), platform(platform), findings(findings)
    {
    }

    void text(const QByteArray &field, const QString &value, const QStringList &allowed)
    {
        if (!allowed.contains(value))
            report(field, QStringLiteral("%1 \"%2\" is not an editor value")
                              .arg(QString::fromLatin1(field), value));
    }

    // An input or output field: general-purpose rows depend on the platform.
    void row(const QByteArray &field, const QString &value, const QStringList &onPlatform,
             const QStringList &onLarger)
    {
        if (onPlatform.contains(value))
            return;
        if (onLarger.contains(value))
            report(field, QStringLiteral("%1 \"%2\" is not offered on %3")
                              .arg(QString::fromLatin1(field), value, platformName()));
        else
            text(field, value, onPlatform);
    }

    void number(const QByteArray &field, qint32 value, qint32 min, qint32 max)
    {
        if (value < min || value > max)
            report(field, QStringLiteral("%1 %2 is outside %3..%4")
                              .arg(QString::fromLatin1(field))
                              .arg(value)
                              .arg(min)
                              .arg(max));
    }

    void missingPage(const char *page)
    {
        report(
            {},
            QStringLiteral("the %1 has no %2 functions").arg(platformName(), QLatin1String(page)));
    }

    void report(const QByteArray &field, const QString &text)
    {
        findings.append({type, name, text, QString::fromLatin1(field), {}});
    }

private:
    QString platformName() const
    {
        return QLatin1String(platform == Platform::MV210 ? "MV210" : "MV211");
    }

    QString type;
    QString name;
    Platform platform;
    QVector<Finding> &findings;
};

QByteArray controlOutField(int n)
{
    return "ControlOut-C" + QByteArray::number(n);
}

struct Context {
    Platform platform;
    Rows rows;
    Rows largest;
};

void check(const LightingRecord &r, const Context &c, FieldCheck &f)
{
    f.row("Input", r.Input, c.rows.inputs, c.largest.inputs);
    f.text("DebounceTime", r.DebounceTime, debounceTexts);
    f.text("ControlType", r.ControlType, controlTypes);
    f.text("OutputControlPriority", r.OutputControlPriority,
           r.ControlType == QLatin1String("PULSE") ? priorities : QStringList{none});
    for (int n = 1; n <= 8; ++n) {
        if (!r.output(n).isEmpty())
            f.row(controlOutField(n), r.output(n), c.rows.outputs, c.largest.outputs);
    }
}

void check(const ShutterRecord &r, const Context &c, FieldCheck &f)
{
    if (c.platform == Platform::MV210)
        f.missingPage("Shutter/Blind");
    f.row("UpInput", r.UpInput, c.rows.inputs, c.largest.inputs);
    f.text("UpDebounceTime", r.UpDebounceTime, debounceTexts);
    f.row("UpOutput", r.UpOutput, c.rows.outputs, c.largest.outputs);
    f.row("DownInput", r.DownInput, c.rows.inputs, c.largest.inputs);
    f.text("DownDebounceTime", r.DownDebounceTime, debounceTexts);
    f.row("DownOutput", r.DownOutput, c.rows.outputs, c.largest.outputs);
    f.number("MoveDuration", r.MoveDuration, 5, 600);
    f.number("StepTime", r.StepTime, 300, 20000);
}

void delays(FieldCheck &f, qint32 onDelay, qint32 offDelay)
{
    f.number("OnDelay", onDelay, 0, 999999);
    f.number("OffDelay", offDelay, 0, 999999);
}

void check(const DigitalIORecord &r, const Context &c, FieldCheck &f)
{
    f.row("Input", r.Input, c.rows.inputs, c.largest.inputs);
    f.text("DebounceTime", r.DebounceTime, debounceTexts);
    f.row("Output", r.Output, c.rows.outputs, c.largest.outputs);
    f.text("ContactType", r.ContactType, contactTypes);
    delays(f, r.OnDelay, r.OffDelay);
}

// The third input's settings are saved even when it has no input.
void logicInput(FieldCheck &f, int k, const QString &debounce, const QString &polarity,
                const QString &control)
{
    const QByteArray input = "Input" + QByteArray::number(k);
    f.text(input + "DebounceTime", debounce, debounceTexts);
    f.text(input + "Polarity", polarity, polarities);
    f.text(input + "ControlType", control, controlTypes);
}

void check(const LogicRecord &r, const Context &c, FieldCheck &f)
{
    f.row("Input1", r.Input1, c.rows.inputs, c.largest.inputs);
    f.row("Input2", r.Input2, c.rows.inputs, c.largest.inputs);
    f.row("Input3", r.Input3, withNone(c.rows.inputs), withNone(c.largest.inputs));
    logicInput(f, 1, r.Input1DebounceTime, r.Input1Polarity, r.Input1ControlType);
    logicInput(f, 2, r.Input2DebounceTime, r.Input2Polarity, r.Input2ControlType);
    logicInput(f, 3, r.Input3DebounceTime, r.Input3Polarity, r.Input3ControlType);
    f.row("Output", r.Output, c.rows.outputs, c.largest.outputs);
    f.text("LogicType", r.LogicType, logicTypes);
    delays(f, r.OnDelay, r.OffDelay);
}

void check(const VoltageInputRecord &r, const Context &c, FieldCheck &f)
{
    if (c.platform == Platform::MV210)
        f.missingPage("Voltage Input");
    f.text("Input", r.Input, {"CH1", "CH2"});
    f.text("DebounceTime", r.DebounceTime, debounceTexts);
    f.row("Output", r.Output, c.rows.outputs, c.largest.outputs);
    delays(f, r.OnDelay, r.OffDelay);
}

// Fields of a group that is switched off are saved empty.
void check(const EnergySavingRecord &r, const Context &c, FieldCheck &f)
{
    f.text("EnableDisable", r.EnableDisable, switches);
    f.text("Input", r.Input, {none, "IN21"});
    f.text("CardHolderDebounceTime", r.CardHolderDebounceTime, withNone(debounceTexts));
    f.text("ControlType", r.ControlType, withNone(controlTypes));
    f.text("ContactType", r.ContactType, withNone(contactTypes));
    f.text("PresenceEnableDisable", r.PresenceEnableDisable, switches);
    f.text("MotionSensorInput", r.MotionSensorInput, {none, "SensorInput"});
    f.text("MotionSensorContactType", r.MotionSensorContactType, withNone(contactTypes));
    f.text("MotionSensorDebounceTime", r.MotionSensorDebounceTime, withNone(debounceTexts));
    f.number("MotionSensorPulseDuration", r.MotionSensorPulseDuration, 0, 999999);
    f.row("DoorSensorInput", r.DoorSensorInput, withNone(c.rows.inputs),
          withNone(c.largest.inputs));
    f.text("DoorSensorDebounceTime", r.DoorSensorDebounceTime, withNone(debounceTexts));
    delays(f, r.OnDelay, r.OffDelay);
}

void check(const AirConRecord &r, const Context &, FieldCheck &f)
{
    f.text("BalconySensorEnableDisable", r.BalconySensorEnableDisable, switches);
    f.text("Input", r.Input, {none, "AIR C. IN1", "AIR C. IN2"});
    f.text("ContactType", r.ContactType, contactTypes);
    f.text("BalconySensorDebounceTime", r.BalconySensorDebounceTime, debounceTexts);
    f.text("MotionSensorEnableDisable", r.MotionSensorEnableDisable, switches);
    f.text("MotionSensorInput", r.MotionSensorInput, {none, "Sensor IN"});
    f.text("MotionSensorContactType", r.MotionSensorContactType, contactTypes);
    f.text("MotionSensorDebounceTime", r.MotionSensorDebounceTime, debounceTexts);
    f.text("Output", r.Output, {"AIR CON1", "AIR CON2"});
    f.text("OutputControlType", r.OutputControlType, controlTypes);
    f.text("OutputContactType", r.OutputContactType, contactTypes);
    f.number("PulseDelay", r.PulseDelay, 130, 34000);
    delays(f, r.OnDelay, r.OffDelay);
}

void check(const DndMurRecord &r, const Context &c, FieldCheck &f)
{
    f.text("DndInput", r.DndInput, {"DND IN", "CH1", "CH2"});
    f.text("DndDebounceTime", r.DndDebounceTime, debounceTexts);
    f.text("DndOutput", r.DndOutput, {"DND"});
    f.text("MurInput", r.MurInput, {"MUR IN", "CH1", "CH2"});
    f.text("MurDebounceTime", r.MurDebounceTime, debounceTexts);
    f.text("MurOutput", r.MurOutput, {"MUR"});
    f.text("ControlType", r.ControlType, controlTypes);
    f.text("ContactType", r.ContactType, contactTypes);
    f.row("BellOutput", r.BellOutput, withNone(c.rows.outputs), withNone(c.largest.outputs));
    f.row("OccupancyOutput", r.OccupancyOutput, withNone(c.rows.outputs),
          withNone(c.largest.outputs));
    delays(f, r.OnDelay, r.OffDelay);
}

template <typename Record> void checkControlOuts(const Record &r, const Context &c, FieldCheck &f)
{
    for (int n = 1; n <= 8; ++n) {
        const QByteArray field = controlOutField(n);
        f.text(field, r.controlOut(n), switches);
        if (r.controlOut(n) == QLatin1String("ENABLE"))
            f.row(field, QStringLiteral("C%1").arg(n), c.rows.outputs, c.largest.outputs);
    }
}

void check(const MasterOffRecord &r, const Context &c, FieldCheck &f)
{
    f.row("Input", r.Input, c.rows.inputs, c.largest.inputs);
    f.text("DebounceTime", r.DebounceTime, debounceTexts);
    f.row("LedOutput", r.LedOutput, withNone(c.rows.outputs), withNone(c.largest.outputs));
    checkControlOuts(r, c, f);
}

void check(const WelcomeRecord &r, const Context &c, FieldCheck &f)
{
    checkControlOuts(r, c, f);
}

template <typename Record>
void checkStore(const char *type, const FunctionStore<Record> &store, const Context &c,
                QVector<Finding> &findings)
{
    for (const Record &record : store) {
        FieldCheck f(type, record.name, c.platform, findings);
        check(record, c, f);
    }
}

} // namespace

QVector<Finding> vocabularyFindings(Platform platform)
{
    const Context c{platform, rowsOf(platform), rowsOf(Platform::MV211)};
    QVector<Finding> findings;
    checkStore("Shutter", shutterStore(), c, findings);
    checkStore("Logic", logicStore(), c, findings);
    checkStore("Lighting", lightingStore(), c, findings);
    checkStore("DigitalIO", digitalIOStore(), c, findings);
    checkStore("DNDMUR", dndMurStore(), c, findings);
    checkStore("EnergySaving", energySavingStore(), c, findings);
    checkStore("AirConditioner", airConStore(), c, findings);
    checkStore("VoltageInput", voltageInputStore(), c, findings);
    checkStore("MasterOff", masterOffStore(), c, findings);
    checkStore("Welcome", welcomeStore(), c, findings);
    return findings;
}
