#include "project/memberchecks.h"

#include "model/stores.h"
#include "project/fieldtables.h"
#include "project/projectdocument.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <type_traits>

namespace
{

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

} // namespace

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
