#include "project/roomrules.h"

#include "model/editorrules.h"
#include "model/motionsensor.h"
#include "model/stores.h"
#include "project/memberchecks.h"

#include <QJsonValue>

namespace
{

using EditorRules::NameFault;
using EditorRules::Refusal;

bool isOn(const QString &flag)
{
    return flag == QLatin1String("ENABLE");
}

QString quoted(const QString &text)
{
    return shownValue(QJsonValue(text));
}

QString outputKey(int n)
{
    return QStringLiteral("ControlOut-C%1").arg(n);
}

// The findings about one function.
class RuleCheck
{
public:
    RuleCheck(FunctionType type, const QString &name, QVector<Finding> &findings)
        : type(typeLabel(type)), name(name), findings(findings)
    {
    }

    void report(const QString &member, const QString &text)
    {
        findings.append({type, name, text, member});
    }

    void checkName(NameFault fault)
    {
        const QString shown = QStringLiteral("name ") + quoted(name);
        switch (fault) {
        case NameFault::DoubleSpace:
            report(QStringLiteral("name"),
                   shown + QStringLiteral(" holds two spaces in a row, which export does "
                                          "not keep; the editors refuse such a name"));
            break;
        case NameFault::TooLong:
            report(QStringLiteral("name"),
                   shown + QStringLiteral(" has %1 characters; the name fields take at "
                                          "most %2")
                               .arg(name.size())
                               .arg(EditorRules::maxNameLength));
            break;
        case NameFault::LineBreak:
            report(QStringLiteral("name"),
                   shown + QStringLiteral(" holds a line break; the name fields take one "
                                          "line"));
            break;
        case NameFault::Empty: // import skips the function
        case NameFault::None:
            break;
        }
    }

    // A sensor and the input it comes with: on with one, off without.
    void sensorInput(bool sensorOn, const char *member, const QString &input, const char *sensor)
    {
        if (EditorRules::inputMissing(sensorOn, input))
            report(QLatin1String(member),
                   QStringLiteral("the %1 is on without its input; the editor saves it only with "
                                  "one")
                       .arg(QLatin1String(sensor)));
        if (EditorRules::inputWithoutSensor(sensorOn, input))
            report(QLatin1String(member),
                   QStringLiteral("%1 %2 is set while the %3 is off; the editor saves that input "
                                  "only with the %3 on")
                       .arg(QLatin1String(member), quoted(input), QLatin1String(sensor)));
    }

private:
    QString type;
    QString name;
    QVector<Finding> &findings;
};

void check(const LightingRecord &r, RuleCheck &c)
{
    QStringList outputs, keys;
    for (int n = 1; n <= 8; ++n) {
        if (!r.output(n).isEmpty()) {
            outputs << r.output(n);
            keys << outputKey(n);
        }
    }
    if (EditorRules::drivesOneOutput(r.ControlType) && outputs.size() > 1)
        c.report(keys.at(1), QStringLiteral("drives %1; an \"ON/OFF\" Lighting function drives "
                                            "exactly one output")
                                 .arg(outputs.join(QStringLiteral(", "))));
}

void check(const EnergySavingRecord &r, RuleCheck &c)
{
    const bool cardHolder = isOn(r.EnableDisable), presence = isOn(r.PresenceEnableDisable);
    if (!EditorRules::hasFeature(cardHolder, presence))
        c.report({}, QStringLiteral("has neither the card holder nor the presence sensor on; the "
                                    "editor saves at least one of them"));
    c.sensorInput(cardHolder, "Input", r.Input, "card holder");
    c.sensorInput(presence, "DoorSensorInput", r.DoorSensorInput, "presence sensor");
}

void check(const AirConRecord &r, RuleCheck &c)
{
    const bool balcony = isOn(r.BalconySensorEnableDisable);
    c.sensorInput(balcony, "Input", r.Input, "balcony sensor");
    if (isOn(r.MotionSensorEnableDisable) && !EditorRules::motionSensorUsable(balcony))
        c.report(QStringLiteral("MotionSensorEnableDisable"),
                 QStringLiteral("the motion sensor is on while the balcony sensor is off; the "
                                "editor offers the motion sensor only with the balcony sensor"));
    if (!EditorRules::usesPulseDelay(r.OutputControlType) &&
        r.PulseDelay != EditorRules::leastPulseDelay)
        c.report(QStringLiteral("PulseDelay"),
                 QStringLiteral("PulseDelay %1 on an \"ON/OFF\" output; the editor keeps no pulse "
                                "delay there and saves %2")
                     .arg(r.PulseDelay)
                     .arg(EditorRules::leastPulseDelay));
}

template <typename Record>
void checkControlsSomething(FunctionType type, const Record &r, RuleCheck &c)
{
    if (EditorRules::controlsNoOutput(r))
        c.report({}, QStringLiteral("controls no output; the editor refuses to save it (\"%1\")")
                         .arg(QLatin1String(
                             EditorRules::findRefusal(type, Refusal::NoControlledOutput)->text)));
}

void check(const MasterOffRecord &r, RuleCheck &c)
{
    checkControlsSomething(FunctionType::MasterOff, r, c);
}

void check(const WelcomeRecord &r, RuleCheck &c)
{
    checkControlsSomething(FunctionType::Welcome, r, c);
}

template <typename Record> void check(const Record &, RuleCheck &) {}

QString limitText(int limit)
{
    return limit == 1 ? QStringLiteral("only one") : QStringLiteral("at most %1").arg(limit);
}

template <typename Record>
void checkStore(FunctionType type, const FunctionStore<Record> &store, QVector<Finding> &findings)
{
    const int limit = EditorRules::functionLimit(type);
    int position = 0;
    for (const Record &record : store) {
        RuleCheck c(type, record.name, findings);
        if (!EditorRules::roomForAnother(type, position++))
            c.report({}, QStringLiteral("is %1 function %2; the editor saves %3")
                             .arg(typeTitle(type))
                             .arg(position)
                             .arg(limitText(limit)));
        c.checkName(EditorRules::nameFault(record.name));
        check(record, c);
    }
}

// Every function using the room's one motion sensor keeps the settings of
// the first that does.
struct SensorUser {
    FunctionType type;
    QString name;
    MotionSensor::Settings settings;
};

template <typename Record>
void addSensorUsers(FunctionType type, const FunctionStore<Record> &store,
                    QVector<SensorUser> &users)
{
    for (const Record &record : store) {
        if (MotionSensor::usesSensor(record))
            users.append({type, record.name, MotionSensor::settingsOf(record)});
    }
}

void compareSetting(const SensorUser &user, const SensorUser &first, const char *member,
                    QString MotionSensor::Settings::*setting, QVector<Finding> &findings)
{
    if (!MotionSensor::disagree(user.settings.*setting, first.settings.*setting))
        return;
    RuleCheck(user.type, user.name, findings)
        .report(QLatin1String(member),
                QStringLiteral("%1 %2 differs from %3 of %4 %5, which shares the motion sensor; "
                               "the editors keep its settings in step")
                    .arg(QLatin1String(member), quoted(user.settings.*setting),
                         quoted(first.settings.*setting), typeLabel(first.type),
                         quoted(first.name)));
}

void checkMotionSensor(QVector<Finding> &findings)
{
    QVector<SensorUser> users;
    addSensorUsers(FunctionType::EnergySaving, energySavingStore(), users);
    addSensorUsers(FunctionType::AirCon, airConStore(), users);
    for (int i = 1; i < users.size(); ++i) {
        compareSetting(users.at(i), users.first(), "MotionSensorDebounceTime",
                       &MotionSensor::Settings::debounceTime, findings);
        compareSetting(users.at(i), users.first(), "MotionSensorContactType",
                       &MotionSensor::Settings::contactType, findings);
    }
}

} // namespace

QVector<Finding> editorRuleFindings()
{
    QVector<Finding> findings;
    checkStore(FunctionType::Shutter, shutterStore(), findings);
    checkStore(FunctionType::Logic, logicStore(), findings);
    checkStore(FunctionType::Lighting, lightingStore(), findings);
    checkStore(FunctionType::DigitalIO, digitalIOStore(), findings);
    checkStore(FunctionType::DndMur, dndMurStore(), findings);
    checkStore(FunctionType::EnergySaving, energySavingStore(), findings);
    checkStore(FunctionType::AirCon, airConStore(), findings);
    checkStore(FunctionType::VoltageInput, voltageInputStore(), findings);
    checkStore(FunctionType::MasterOff, masterOffStore(), findings);
    checkStore(FunctionType::Welcome, welcomeStore(), findings);
    checkMotionSensor(findings);
    return findings;
}
