#include "project/projectdocument.h"

#include "model/stores.h"
#include "project/envelope.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLocale>
#include <QVector>
#include <algorithm>
#include <initializer_list>
#include <limits>
#include <type_traits>
#include <utility>

namespace
{

// --- Field tables: one row per JSON member, shared by writing and reading ---

// The window's own texts, so that every program of the suite says the same.
QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

template <typename Record> struct TextField {
    const char *key;
    QString Record::*field;
};

template <typename Record> struct NumberField {
    const char *key;
    qint32 Record::*field;
};

template <typename Record> struct Schema {
    QVector<TextField<Record>> texts;
    QVector<NumberField<Record>> numbers;
};

template <typename Record> const Schema<Record> &schemaOf();

// The "Cn" outputs of a Lighting record are converted, so they are not in its table.
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

template <typename Record> QJsonObject writeFields(const Record &record)
{
    QJsonObject element;
    for (const TextField<Record> &text : schemaOf<Record>().texts)
        element.insert(QLatin1String(text.key), record.*(text.field));
    for (const NumberField<Record> &number : schemaOf<Record>().numbers)
        element.insert(QLatin1String(number.key), record.*(number.field));
    return element;
}

// Why a number member does not read as written, or nothing when it does. As
// a reader built on "32-bit integer or 0" sees it, anything that is not a
// whole number within 32 bits (a fraction, text, true) reads as 0.
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

template <typename Record> void readFields(const QJsonObject &element, Record &record)
{
    for (const TextField<Record> &text : schemaOf<Record>().texts)
        record.*(text.field) = element.value(QLatin1String(text.key)).toString();
    for (const NumberField<Record> &number : schemaOf<Record>().numbers)
        record.*(number.field) = readNumber(element.value(QLatin1String(number.key)));
}

QString controlOutKey(int n)
{
    return QStringLiteral("ControlOut-C") + QString::number(n);
}

QString outputName(int n)
{
    return QStringLiteral("C") + QString::number(n);
}

const QString enableText = QStringLiteral("ENABLE");
const QString disableText = QStringLiteral("DISABLE");

template <typename Record> QJsonArray arrayOf(const FunctionStore<Record> &store)
{
    QJsonArray elements;
    for (const Record &record : store)
        elements.append(toJson(record));
    return elements;
}

// --- What import makes of each member ---

// Text members read as empty unless they hold text; a Lighting output is
// driven only by "ENABLE".
enum class MemberKind { Text, Number, Switch };

struct MemberRule {
    QString key;
    MemberKind kind;
};

using MemberRules = QVector<MemberRule>;

template <typename Record> MemberRules memberRules()
{
    MemberRules rules;
    for (const TextField<Record> &text : schemaOf<Record>().texts)
        rules.append({QLatin1String(text.key), MemberKind::Text});
    for (const NumberField<Record> &number : schemaOf<Record>().numbers)
        rules.append({QLatin1String(number.key), MemberKind::Number});
    if constexpr (std::is_same_v<Record, LightingRecord>) {
        for (int n = 1; n <= 8; ++n)
            rules.append({controlOutKey(n), MemberKind::Switch});
    }
    return rules;
}

// The members of each type's elements, by the type's array key.
const QHash<QString, MemberRules> &elementRules()
{
    static const QHash<QString, MemberRules> rules{
        {typeLabel(FunctionType::Shutter), memberRules<ShutterRecord>()},
        {typeLabel(FunctionType::Logic), memberRules<LogicRecord>()},
        {typeLabel(FunctionType::Lighting), memberRules<LightingRecord>()},
        {typeLabel(FunctionType::DigitalIO), memberRules<DigitalIORecord>()},
        {typeLabel(FunctionType::DndMur), memberRules<DndMurRecord>()},
        {typeLabel(FunctionType::EnergySaving), memberRules<EnergySavingRecord>()},
        {typeLabel(FunctionType::AirCon), memberRules<AirConRecord>()},
        {typeLabel(FunctionType::VoltageInput), memberRules<VoltageInputRecord>()},
        {typeLabel(FunctionType::MasterOff), memberRules<MasterOffRecord>()},
        {typeLabel(FunctionType::Welcome), memberRules<WelcomeRecord>()}};
    return rules;
}

QString textProblem(const QJsonValue &value)
{
    if (value.isUndefined())
        return QStringLiteral("is missing");
    return value.isString() ? QString() : QStringLiteral("is not text");
}

QString switchProblem(const QJsonValue &value)
{
    const QString problem = textProblem(value);
    if (!problem.isEmpty() || value.toString() == enableText || value.toString() == disableText)
        return problem;
    return QStringLiteral("is neither \"ENABLE\" nor \"DISABLE\"");
}

const char *const createTimeFormat = "dd-MM-yyyy HH:mm:ss";

QString createTimeProblem(const QJsonValue &value)
{
    const QString problem = textProblem(value);
    if (!problem.isEmpty() ||
        QDateTime::fromString(value.toString(), QLatin1String(createTimeFormat)).isValid())
        return problem;
    return QStringLiteral("is not a time of the form %1").arg(QLatin1String(createTimeFormat));
}

// An unknown member is named without its value.
const QJsonValue undefined(QJsonValue::Undefined);

class UnreadMembers
{
public:
    explicit UnreadMembers(QVector<Finding> &findings) : findings(findings) {}

    void checkDocument(const QJsonObject &document)
    {
        const QStringList fixed = {"CreateTime", "PlatformType", "Version"};
        for (const QString &key : membersOf(document, QStringList(elementRules().keys()) + fixed)) {
            const QJsonValue value = document.value(key);
            if (elementRules().contains(key))
                checkType(key, value);
            else if (key == QLatin1String("CreateTime"))
                report({}, {}, key, key, value, createTimeProblem(value),
                       QStringLiteral("the report shows no time"));
            else if (key == QLatin1String("PlatformType"))
                checkPlatformType(value);
            else if (!fixed.contains(key))
                report({}, {}, key, key, undefined,
                       QStringLiteral("is not a member of a project file"),
                       QStringLiteral("import ignores it"));
        }
    }

private:
    // Every key the object holds or should hold, in the file's order.
    static QStringList membersOf(const QJsonObject &object, QStringList expected)
    {
        for (const QString &key : object.keys()) {
            if (!expected.contains(key))
                expected.append(key);
        }
        expected.sort();
        return expected;
    }

    // An empty or missing platform type refuses the file before this is asked.
    void checkPlatformType(const QJsonValue &value)
    {
        const QString platformType = value.toString();
        if (platformType != platformText(Platform::MV210) &&
            platformType != platformText(Platform::MV211))
            report({}, {}, QStringLiteral("PlatformType"), QStringLiteral("PlatformType"), value,
                   QStringLiteral("is neither \"MV210\" nor \"MV211\""),
                   QStringLiteral("reads as \"%1\"")
                       .arg(platformText(platformFromType(platformType))));
    }

    void checkType(const QString &type, const QJsonValue &value)
    {
        if (!value.isArray()) {
            report(type, {}, {}, type, value,
                   value.isUndefined() ? QStringLiteral("is missing")
                                       : QStringLiteral("is not an array"),
                   QStringLiteral("reads as no functions"));
            return;
        }
        const QJsonArray elements = value.toArray();
        for (int index = 0; index < elements.size(); ++index) {
            const QString path = elementPath(type, index);
            if (elements.at(index).isObject())
                checkElement(type, path, elements.at(index).toObject());
            else
                report(type, {}, {}, path, elements.at(index), QStringLiteral("is not an object"),
                       QStringLiteral("reads as a function with every member empty"));
        }
    }

    void checkElement(const QString &type, const QString &path, const QJsonObject &element)
    {
        const MemberRules &rules = elementRules().value(type);
        QStringList known;
        for (const MemberRule &rule : rules)
            known.append(rule.key);
        const QString name = element.value(QStringLiteral("name")).toString();
        for (const QString &key : membersOf(element, known)) {
            const QJsonValue value = element.value(key);
            const QString memberPath = path + QLatin1Char('.') + key;
            const auto rule = std::find_if(rules.begin(), rules.end(),
                                           [&](const MemberRule &r) { return r.key == key; });
            if (rule == rules.end())
                report(type, name, key, memberPath, undefined,
                       QStringLiteral("is not a member of ") + type,
                       QStringLiteral("import ignores it"));
            else if (rule->kind == MemberKind::Number)
                report(type, name, key, memberPath, value, numberProblem(value),
                       QStringLiteral("reads as 0"));
            else if (rule->kind == MemberKind::Switch)
                report(type, name, key, memberPath, value, switchProblem(value),
                       QStringLiteral("reads as \"DISABLE\""));
            else
                report(type, name, key, memberPath, value, textProblem(value),
                       QStringLiteral("reads as \"\""));
        }
    }

    // "Shutter[0].MoveDuration \"fifty\" is text, not a number; reads as 0"
    void report(const QString &type, const QString &name, const QString &member,
                const QString &path, const QJsonValue &value, const QString &problem,
                const QString &outcome)
    {
        if (problem.isEmpty())
            return;
        const QString held = value.isUndefined() ? QString() : QLatin1Char(' ') + shownValue(value);
        findings.append({type, name,
                         path + held + QLatin1Char(' ') + problem + QStringLiteral("; ") + outcome,
                         member, path});
    }

    QVector<Finding> &findings;
};

// --- Import rules ---

InputEntry *findInput(const QString &name)
{
    return InputCatalogue::instance().find(name);
}

OutputEntry *findOutput(const QString &name)
{
    return OutputCatalogue::instance().find(name);
}

// Each rule gives the reason an element is skipped, or nothing when it holds.
QString requiredInput(const char *field, const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("%1 is empty").arg(QLatin1String(field));
    return findInput(name)
               ? QString()
               : QStringLiteral("%1 \"%2\" is no input").arg(QLatin1String(field), name);
}

QString requiredOutput(const char *field, const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("%1 is empty").arg(QLatin1String(field));
    return findOutput(name)
               ? QString()
               : QStringLiteral("%1 \"%2\" is no output").arg(QLatin1String(field), name);
}

QString optionalInput(const char *field, const QString &name)
{
    return name.isEmpty() ? QString() : requiredInput(field, name);
}

QString optionalOutput(const char *field, const QString &name)
{
    return name.isEmpty() ? QString() : requiredOutput(field, name);
}

QString firstReason(std::initializer_list<QString> reasons)
{
    for (const QString &reason : reasons) {
        if (!reason.isEmpty())
            return reason;
    }
    return QString();
}

QString skipReason(const ShutterRecord &r)
{
    return firstReason({requiredInput("UpInput", r.UpInput), requiredOutput("UpOutput", r.UpOutput),
                        requiredInput("DownInput", r.DownInput),
                        requiredOutput("DownOutput", r.DownOutput)});
}

// The third input is optional, and an unknown one is kept as text.
QString skipReason(const LogicRecord &r)
{
    return firstReason({requiredInput("Input1", r.Input1), requiredInput("Input2", r.Input2),
                        requiredOutput("Output", r.Output)});
}

QString skipReason(const LightingRecord &r)
{
    for (int n = 1; n <= 8; ++n) {
        if (!r.output(n).isEmpty())
            return requiredInput("Input", r.Input);
    }
    return QStringLiteral("no output is enabled");
}

QString skipReason(const DigitalIORecord &r)
{
    return firstReason({requiredInput("Input", r.Input), requiredOutput("Output", r.Output)});
}

QString skipReason(const DndMurRecord &r)
{
    return firstReason(
        {requiredInput("DndInput", r.DndInput), requiredOutput("DndOutput", r.DndOutput),
         requiredInput("MurInput", r.MurInput), requiredOutput("MurOutput", r.MurOutput),
         optionalOutput("BellOutput", r.BellOutput),
         optionalOutput("OccupancyOutput", r.OccupancyOutput)});
}

// Both sensors are optional: export writes an empty Input for a function without card holder.
QString skipReason(const EnergySavingRecord &r)
{
    return firstReason(
        {optionalInput("Input", r.Input), optionalInput("DoorSensorInput", r.DoorSensorInput)});
}

// The balcony sensor is optional.
QString skipReason(const AirConRecord &r)
{
    return firstReason({optionalInput("Input", r.Input), requiredOutput("Output", r.Output)});
}

QString skipReason(const VoltageInputRecord &r)
{
    return firstReason({requiredInput("Input", r.Input), requiredOutput("Output", r.Output)});
}

QString skipReason(const MasterOffRecord &r)
{
    return firstReason({requiredInput("Input", r.Input), optionalOutput("LedOutput", r.LedOutput)});
}

QString skipReason(const WelcomeRecord &)
{
    return QString();
}

// A repeated name is skipped before anything is claimed, so that store, list
// and claims stay in step.
template <typename Record>
QString skipReason(const FunctionStore<Record> &store, const Record &record)
{
    if (record.name.isEmpty())
        return QStringLiteral("name is empty");
    if (store.contains(record.name))
        return QStringLiteral("repeats the name of an earlier element");
    return skipReason(record);
}

template <typename Record>
void importElements(const QJsonObject &document, const char *key, FunctionStore<Record> &store,
                    QStringList &names, QVector<SkippedElement> *skipped)
{
    const QJsonValue member = document.value(QLatin1String(key));
    if (!member.isArray())
        return;
    const QJsonArray elements = member.toArray();
    for (int index = 0; index < elements.size(); ++index) {
        Record record;
        fromJson(elements.at(index).toObject(), record);
        const QString reason = skipReason(store, record);
        if (!reason.isEmpty()) {
            if (skipped)
                skipped->append({QLatin1String(key), index, record.name, reason});
            continue;
        }
        addClaims(record);
        store.add(record);
        names.append(record.name);
    }
}

// Counts as people read them in the reasons: "12,345".
QString counted(qint64 number)
{
    return QLocale(QLocale::English).toString(number);
}

// The first type array beyond the limit, described; empty when there is none.
QString oversizedArray(const QJsonObject &document)
{
    for (int type = 0; type < functionTypeCount; ++type) {
        const QString key = typeLabel(FunctionType(type));
        const QJsonValue member = document.value(key);
        if (member.isArray() && member.toArray().size() > maxElementsPerType)
            return QStringLiteral("%1 holds %2 functions; at most %3 are read")
                .arg(key, counted(member.toArray().size()), counted(maxElementsPerType));
    }
    return QString();
}

ProjectFileContent verdict(ProjectCheck check, const QString &reason = QString())
{
    ProjectFileContent content;
    content.check = check;
    content.reason = reason;
    return content;
}

QString tooLargeReason()
{
    return QStringLiteral("the file is larger than %1 bytes, the most a project file holds")
        .arg(counted(maxProjectFileSize));
}

// Why bytes that did not parse as a JSON object are no project; plain text
// is read as it stands when its length is not a whole number of blocks.
QString notJsonReason(const QByteArray &bytes, bool deciphered, const QJsonParseError &error,
                      const QJsonDocument &json)
{
    const QString problem =
        error.error != QJsonParseError::NoError
            ? QStringLiteral("not JSON: %1 at offset %2")
                  .arg(error.errorString(), counted(error.offset))
            : QStringLiteral("a JSON %1, not an object").arg(json.isArray() ? "array" : "value");
    if (deciphered)
        return QStringLiteral("the deciphered text is ") + problem;
    return QStringLiteral("%1 bytes is not a whole number of 16-byte blocks, and the text is ")
               .arg(counted(bytes.size())) +
           problem;
}

QString noPlatformReason(const QJsonObject &document)
{
    const QJsonValue platform = document.value(QStringLiteral("PlatformType"));
    if (platform.isUndefined())
        return QStringLiteral("PlatformType is missing");
    return platform.isString() ? QStringLiteral("PlatformType is empty")
                               : QStringLiteral("PlatformType is not text");
}

QString wrongVersionReason(const QJsonObject &document, const QString &expectedVersion)
{
    const QString version = document.value(QStringLiteral("Version")).toString();
    if (version.isEmpty())
        return QStringLiteral("this file carries no version; this program is %1")
            .arg(expectedVersion);
    return QStringLiteral("this file was written by %1; this program is %2")
        .arg(version, expectedVersion);
}

} // namespace

// --- Records <-> element objects ---

QJsonObject toJson(const LightingRecord &record)
{
    QJsonObject element = writeFields(record);
    for (int n = 1; n <= 8; ++n) {
        const bool driven = record.output(n) == outputName(n);
        element.insert(controlOutKey(n), driven ? enableText : disableText);
    }
    return element;
}

QJsonObject toJson(const ShutterRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const DigitalIORecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const LogicRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const VoltageInputRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const EnergySavingRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const AirConRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const DndMurRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const MasterOffRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const WelcomeRecord &record)
{
    return writeFields(record);
}

void fromJson(const QJsonObject &element, LightingRecord &record)
{
    readFields(element, record);
    for (int n = 1; n <= 8; ++n) {
        const bool driven = element.value(controlOutKey(n)).toString() == enableText;
        record.output(n) = driven ? outputName(n) : QString();
    }
}

void fromJson(const QJsonObject &element, ShutterRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, DigitalIORecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, LogicRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, VoltageInputRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, EnergySavingRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, AirConRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, DndMurRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, MasterOffRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, WelcomeRecord &record)
{
    readFields(element, record);
}

QString elementPath(const QString &type, int index)
{
    return type + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
}

QString shownValue(const QJsonValue &value)
{
    if (value.isUndefined())
        return QStringLiteral("(missing)");
    if (value.isString())
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QVector<Finding> unreadMembers(const QJsonObject &document)
{
    QVector<Finding> findings;
    UnreadMembers(findings).checkDocument(document);
    return findings;
}

QDateTime createTime(const QJsonObject &document)
{
    return QDateTime::fromString(document.value(QStringLiteral("CreateTime")).toString(),
                                 QLatin1String(createTimeFormat));
}

QString createTimeText(const QDateTime &time)
{
    return time.toString(QLatin1String(createTimeFormat));
}

// --- Writing ---

QJsonObject buildProjectDocument(const QString &platformType, const QString &version,
                                 const QDateTime &time)
{
    QJsonObject document;
    document.insert(QStringLiteral("Welcome"), arrayOf(welcomeStore()));
    document.insert(QStringLiteral("MasterOff"), arrayOf(masterOffStore()));
    document.insert(QStringLiteral("Lighting"), arrayOf(lightingStore()));
    document.insert(QStringLiteral("Shutter"), arrayOf(shutterStore()));
    document.insert(QStringLiteral("DigitalIO"), arrayOf(digitalIOStore()));
    document.insert(QStringLiteral("Logic"), arrayOf(logicStore()));
    document.insert(QStringLiteral("VoltageInput"), arrayOf(voltageInputStore()));
    document.insert(QStringLiteral("EnergySaving"), arrayOf(energySavingStore()));
    document.insert(QStringLiteral("AirConditioner"), arrayOf(airConStore()));
    document.insert(QStringLiteral("DNDMUR"), arrayOf(dndMurStore()));
    document.insert(QStringLiteral("CreateTime"), createTimeText(time));
    document.insert(QStringLiteral("Version"), version);
    document.insert(QStringLiteral("PlatformType"), platformType);
    return document;
}

// The pair removal also reaches into string values; the controller's reader
// expects exactly this text, so it is kept.
QByteArray projectText(const QJsonObject &document)
{
    QByteArray text = QJsonDocument(document).toJson(QJsonDocument::Indented);
    text.replace("\n", "");
    text.replace("  ", "");
    return text;
}

QString projectFilePath(const QString &chosenPath)
{
    const QString extension = QStringLiteral(".rccfg");
    return chosenPath.contains(extension) ? chosenPath : chosenPath + extension;
}

// Cutting five characters off a name without the extension could reach into
// its folder ("d.rccfg/x" -> "d.rctable.pdf").
QString reportPdfPath(const QString &projectPath)
{
    if (!projectPath.endsWith(QLatin1String(".rccfg")))
        return projectPath + QStringLiteral(".table.pdf");
    return projectPath.chopped(5) + QStringLiteral("table.pdf");
}

// --- Reading ---

ProjectFileContent readProjectFile(const QString &path, const QString &expectedVersion)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return verdict(ProjectCheck::CannotOpen, file.errorString());
    return readProjectFile(file, expectedVersion);
}

ProjectFileContent readProjectFile(QFile &file, const QString &expectedVersion)
{
    if (file.size() > maxProjectFileSize)
        return verdict(ProjectCheck::NotValid, tooLargeReason());
    // One byte more than allowed tells a device without a size (a pipe, a
    // character device) that goes on and on.
    QByteArray bytes = file.read(maxProjectFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return verdict(ProjectCheck::CannotOpen, file.errorString());
    // Handed over, not shared: deciphering in place then needs no copy.
    return checkProjectBytes(std::move(bytes), expectedVersion);
}

// The decryption result is not consulted: a plain document whose length is
// not a whole number of blocks is read as it stands.
ProjectFileContent checkProjectBytes(QByteArray bytes, const QString &expectedVersion)
{
    if (bytes.size() > maxProjectFileSize)
        return verdict(ProjectCheck::NotValid, tooLargeReason());
    if (bytes.isEmpty())
        return verdict(ProjectCheck::NotValid, QStringLiteral("the file is empty"));
    const bool deciphered = decryptProjectData(bytes);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    ProjectFileContent content =
        error.error != QJsonParseError::NoError || !json.isObject()
            ? verdict(ProjectCheck::NotValid, notJsonReason(bytes, deciphered, error, json))
            : checkProjectDocument(json.object(), expectedVersion);
    content.text = bytes;
    return content;
}

ProjectFileContent checkProjectDocument(const QJsonObject &document, const QString &expectedVersion)
{
    const QString oversized = oversizedArray(document);
    if (!oversized.isEmpty())
        return verdict(ProjectCheck::NotValid, oversized);
    ProjectFileContent content = verdict(ProjectCheck::Accepted);
    content.document = document;
    content.platformType = document.value(QStringLiteral("PlatformType")).toString();
    if (content.platformType.isEmpty()) {
        content.check = ProjectCheck::NoPlatformType;
        content.reason = noPlatformReason(document);
    } else if (document.value(QStringLiteral("Version")).toString() != expectedVersion) {
        content.check = ProjectCheck::WrongVersion;
        content.reason = wrongVersionReason(document, expectedVersion);
    }
    return content;
}

ProjectMessage rejectionMessage(const ProjectFileContent &content)
{
    const QString invalidContent = translated(
        "The selected file content is not valid. Please select a correct \"rccfg\" file.");
    switch (content.check) {
    case ProjectCheck::CannotOpen:
        return {translated("File Error"), translated("The file could not be opened!"),
                content.reason};
    case ProjectCheck::NotValid:
        return {translated("File Error"), translated("The file is not valid!"), invalidContent};
    case ProjectCheck::NoPlatformType:
        return {QString(), invalidContent, QString()};
    case ProjectCheck::WrongVersion:
        return {QString(),
                translated("The selected file version is not compatible. Version is on the "
                           "home page."),
                QString()};
    case ProjectCheck::Accepted:
        break;
    }
    return {};
}

QString rejectionDetails(const QString &path, const ProjectFileContent &content)
{
    return translated("File: %1\nReason: %2").arg(path, content.reason);
}

QString platformText(Platform platform)
{
    return QLatin1String(platform == Platform::MV210 ? "MV210" : "MV211");
}

Platform platformFromType(const QString &platformType)
{
    return platformType == QLatin1String("MV210") ? Platform::MV210 : Platform::MV211;
}

ImportedNames rebuildProject(const QJsonObject &document, QVector<SkippedElement> *skipped)
{
    ImportedNames names;
    importElements(document, "Shutter", shutterStore(), names.shutter, skipped);
    importElements(document, "Logic", logicStore(), names.logic, skipped);
    importElements(document, "Lighting", lightingStore(), names.lighting, skipped);
    importElements(document, "DigitalIO", digitalIOStore(), names.digitalIO, skipped);
    importElements(document, "DNDMUR", dndMurStore(), names.dndMur, skipped);
    importElements(document, "EnergySaving", energySavingStore(), names.energySaving, skipped);
    importElements(document, "AirConditioner", airConStore(), names.airCon, skipped);
    importElements(document, "VoltageInput", voltageInputStore(), names.voltageInput, skipped);
    importElements(document, "MasterOff", masterOffStore(), names.masterOff, skipped);
    importElements(document, "Welcome", welcomeStore(), names.welcome, skipped);
    return names;
}
