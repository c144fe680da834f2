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

// A top-level member, a function's element or a member of one.
struct Place {
    QString type;
    int index = -1;
    QString name = {};
    QString member = {};
};

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
                report({key}, value, createTimeProblem(value),
                       QStringLiteral("the report shows no time"));
            else if (key == QLatin1String("PlatformType"))
                checkPlatformType(value);
            else if (!fixed.contains(key))
                report({key}, undefined, QStringLiteral("is not a member of a project file"),
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
            report({QStringLiteral("PlatformType")}, value,
                   QStringLiteral("is neither \"MV210\" nor \"MV211\""),
                   QStringLiteral("reads as \"%1\"")
                       .arg(platformText(platformFromType(platformType))));
    }

    void checkType(const QString &type, const QJsonValue &value)
    {
        if (!value.isArray()) {
            report({type}, value,
                   value.isUndefined() ? QStringLiteral("is missing")
                                       : QStringLiteral("is not an array"),
                   QStringLiteral("reads as no functions"));
            return;
        }
        const QJsonArray elements = value.toArray();
        for (int index = 0; index < elements.size(); ++index) {
            if (elements.at(index).isObject())
                checkElement({type, index}, elements.at(index).toObject());
            else
                report({type, index}, elements.at(index), QStringLiteral("is not an object"),
                       QStringLiteral("reads as a function with every member empty"));
        }
    }

    void checkElement(Place place, const QJsonObject &element)
    {
        const MemberRules &rules = elementRules().value(place.type);
        QStringList known;
        for (const MemberRule &rule : rules)
            known.append(rule.key);
        place.name = element.value(QStringLiteral("name")).toString();
        for (const QString &key : membersOf(element, known)) {
            const QJsonValue value = element.value(key);
            place.member = key;
            const auto rule = std::find_if(rules.begin(), rules.end(),
                                           [&](const MemberRule &r) { return r.key == key; });
            if (rule == rules.end())
                report(place, undefined, QStringLiteral("is not a member of ") + place.type,
                       QStringLiteral("import ignores it"));
            else if (rule->kind == MemberKind::Number)
                report(place, value, numberProblem(value), QStringLiteral("reads as 0"));
            else if (rule->kind == MemberKind::Switch)
                report(place, value, switchProblem(value), QStringLiteral("reads as \"DISABLE\""));
            else
                report(place, value, textProblem(value), QStringLiteral("reads as \"\""));
        }
    }

    // "Shutter[0].MoveDuration \"fifty\" is text, not a number; reads as 0"
    void report(const Place &place, const QJsonValue &value, const QString &problem,
                const QString &outcome)
    {
        if (problem.isEmpty())
            return;
        QString where = place.index < 0 ? place.type : elementPath(place.type, place.index);
        if (!place.member.isEmpty())
            where += QLatin1Char('.') + place.member;
        const QString held = value.isUndefined() ? QString() : QLatin1Char(' ') + shownValue(value);
        const bool ofType = elementRules().contains(place.type);
        findings.append({ofType ? place.type : QString(), place.name,
                         where + held + QLatin1Char(' ') + problem + QStringLiteral("; ") + outcome,
                         place.member, memberPointer(place.type, place.index, place.member),
                         place.index, true});
    }

    QVector<Finding> &findings;
};

} // namespace

QString elementPath(const QString &type, int index)
{
    return type + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
}

QString pointerStep(const QString &key)
{
    return QString(key)
        .replace(QLatin1Char('~'), QStringLiteral("~0"))
        .replace(QLatin1Char('/'), QStringLiteral("~1"));
}

QString memberPointer(const QString &type, int index, const QString &member)
{
    QString pointer = QLatin1Char('/') + pointerStep(type);
    if (index >= 0)
        pointer += QLatin1Char('/') + QString::number(index);
    if (!member.isEmpty())
        pointer += QLatin1Char('/') + pointerStep(member);
    return pointer;
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

namespace
{

// Walks a text that parsed as JSON and reports every member that an object
// gives more than once. The parser keeps only the last, so the others are
// lost without a word. A text that is no JSON ends the walk where it breaks.
class RepeatScan
{
public:
    RepeatScan(const QByteArray &text, QVector<Finding> &findings) : text(text), findings(findings)
    {
    }

    // The parser keeps the last of a type's arrays given more than once: a
    // repeat in an earlier one stands in no function that import reads.
    void scan()
    {
        const int first = findings.size();
        value();
        for (int i = first; i < findings.size(); ++i) {
            Finding &finding = findings[i];
            if (finding.index >= 0 &&
                occurrences.at(i - first) != topLevelCounts.value(finding.type))
                finding.index = -1;
        }
    }

private:
    // Deeper than the parser nests: nothing a parsed document holds.
    static constexpr int maxDepth = 2048;

    // One step from the top of the document: a member's key (given for the
    // occurrence-th time in its object), or a position in an array.
    struct Step {
        QString key;
        int position;
        int occurrence;
    };

    bool atEnd() const { return pos >= text.size(); }
    char current() const { return atEnd() ? '\0' : text.at(pos); }

    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    void skipSpace()
    {
        while (!atEnd() && isSpace(current()))
            ++pos;
    }

    void value()
    {
        skipSpace();
        if (path.size() > maxDepth)
            pos = int(text.size());
        else if (current() == '{')
            object();
        else if (current() == '[')
            array();
        else if (current() == '"')
            string();
        else
            while (!atEnd() && !isSpace(current()) && current() != ',' && current() != ']' &&
                   current() != '}')
                ++pos;
    }

    // Leaves pos past the closing quote; returns the text between the quotes.
    QByteArray string()
    {
        const int start = ++pos;
        while (!atEnd() && current() != '"')
            pos += current() == '\\' ? 2 : 1;
        const QByteArray raw = text.mid(start, pos - start);
        ++pos;
        return raw;
    }

    void object()
    {
        QHash<QString, QByteArray> given; // each key's last value, as written
        QHash<QString, int> counts;
        const bool topLevel = path.isEmpty();
        ++pos;
        for (skipSpace(); !atEnd() && current() != '}'; skipSpace()) {
            if (current() != '"') {
                pos = int(text.size());
                return;
            }
            const QString key = decoded(string());
            skipSpace();
            ++pos; // the colon
            skipSpace();
            const int start = pos;
            path.append({key, -1, ++counts[key]});
            value();
            const QByteArray written = text.mid(start, pos - start);
            const auto earlier = given.constFind(key);
            if (earlier != given.constEnd())
                report(*earlier, written);
            path.removeLast();
            given.insert(key, written);
            skipSpace();
            if (current() == ',')
                ++pos;
        }
        ++pos;
        if (topLevel)
            topLevelCounts = counts;
    }

    void array()
    {
        ++pos;
        int position = 0;
        for (skipSpace(); !atEnd() && current() != ']'; skipSpace()) {
            const int start = pos;
            path.append({QString(), position++, 0});
            value();
            path.removeLast();
            skipSpace();
            if (current() == ',')
                ++pos;
            else if (pos == start) // no value: not JSON
                pos = int(text.size());
        }
        ++pos;
    }

    static QString decoded(const QByteArray &raw)
    {
        if (!raw.contains('\\'))
            return QString::fromUtf8(raw);
        return QJsonDocument::fromJson("[\"" + raw + "\"]").array().first().toString();
    }

    // A value as people read it; a list of functions only by its length.
    static QString summary(const QByteArray &written)
    {
        const QJsonValue value = QJsonDocument::fromJson('[' + written + ']').array().first();
        if (value.isObject())
            return QStringLiteral("{…}");
        if (!value.isArray() || value.toArray().isEmpty())
            return shownValue(value);
        const int count = value.toArray().size();
        return QStringLiteral("[%1 element%2]").arg(count).arg(count == 1 ? "" : "s");
    }

    // At the member given again: "DigitalIO[0].Input", "/DigitalIO/0/Input".
    void report(const QByteArray &earlier, const QByteArray &later)
    {
        QString where, pointer;
        for (const Step &step : path) {
            const bool key = step.position < 0;
            where += key ? (where.isEmpty() ? step.key : QLatin1Char('.') + step.key)
                         : QLatin1Char('[') + QString::number(step.position) + QLatin1Char(']');
            pointer +=
                QLatin1Char('/') + (key ? pointerStep(step.key) : QString::number(step.position));
        }
        // A member of a function's element: type, position, key.
        const QString type =
            elementRules().contains(path.first().key) ? path.first().key : QString();
        const bool inElement = !type.isEmpty() && path.size() >= 3 && path.at(1).position >= 0;
        findings.append({type,
                         {},
                         QStringLiteral("%1 is given more than once: %2, then %3; import reads "
                                        "only the last")
                             .arg(where, summary(earlier), summary(later)),
                         inElement ? path.at(2).key : QString(),
                         pointer,
                         inElement ? path.at(1).position : -1,
                         true});
        occurrences.append(path.first().occurrence);
    }

    const QByteArray &text;
    QVector<Finding> &findings;
    QVector<Step> path;
    int pos = 0;
    QVector<int> occurrences;           // of the top-level key, per finding of this scan
    QHash<QString, int> topLevelCounts; // how often the document gives each key
};

} // namespace

QVector<Finding> repeatedMembers(const QByteArray &text)
{
    QVector<Finding> findings;
    RepeatScan(text, findings).scan();
    if (findings.isEmpty())
        return findings;
    const QJsonObject document = QJsonDocument::fromJson(text).object();
    for (Finding &finding : findings) {
        if (finding.index >= 0)
            finding.name = document.value(finding.type)
                               .toArray()
                               .at(finding.index)
                               .toObject()
                               .value(QStringLiteral("name"))
                               .toString();
    }
    return findings;
}
