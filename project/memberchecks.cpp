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

// A place in the text being scanned, from the top of the document.
struct ScanPlace {
    QString text;    // "DigitalIO[0].Input"
    QString pointer; // "/DigitalIO/0/Input"
    QString type;    // the top-level member it lies in
    int index = -1;  // the element of that member's array it lies in
    QString member;  // the element's member it lies in
    int depth = 0;

    ScanPlace key(const QString &key) const
    {
        ScanPlace place = *this;
        place.text += depth == 0 ? key : QLatin1Char('.') + key;
        place.pointer += QLatin1Char('/') + pointerStep(key);
        if (depth == 0)
            place.type = key;
        else if (depth == 2 && index >= 0)
            place.member = key;
        ++place.depth;
        return place;
    }

    ScanPlace at(int position) const
    {
        ScanPlace place = *this;
        place.text += QLatin1Char('[') + QString::number(position) + QLatin1Char(']');
        place.pointer += QLatin1Char('/') + QString::number(position);
        if (depth == 1)
            place.index = position;
        ++place.depth;
        return place;
    }
};

// Walks a text that parsed as JSON and reports every member that an object
// gives more than once. The parser keeps only the last, so the others are
// lost without a word. A text that is no JSON ends the walk where it breaks.
class RepeatScan
{
public:
    RepeatScan(const QByteArray &text, QVector<Finding> &findings) : text(text), findings(findings)
    {
    }

    void scan() { value(ScanPlace()); }

private:
    // Deeper than the parser nests: nothing a parsed document holds.
    static constexpr int maxDepth = 2048;

    bool atEnd() const { return pos >= text.size(); }
    char current() const { return atEnd() ? '\0' : text.at(pos); }

    void skipSpace()
    {
        while (!atEnd() &&
               (current() == ' ' || current() == '\t' || current() == '\n' || current() == '\r'))
            ++pos;
    }

    void value(const ScanPlace &place)
    {
        skipSpace();
        if (place.depth > maxDepth)
            pos = int(text.size());
        else if (current() == '{')
            object(place);
        else if (current() == '[')
            array(place);
        else if (current() == '"')
            string();
        else
            while (!atEnd() && !QByteArray(",]} \t\r\n").contains(current()))
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

    void object(const ScanPlace &place)
    {
        QHash<QString, QByteArray> given; // each key's last value, as written
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
            const ScanPlace member = place.key(key);
            value(member);
            const QByteArray written = text.mid(start, pos - start);
            const auto earlier = given.constFind(key);
            if (earlier != given.constEnd())
                report(member, *earlier, written);
            given.insert(key, written);
            skipSpace();
            if (current() == ',')
                ++pos;
        }
        ++pos;
    }

    void array(const ScanPlace &place)
    {
        ++pos;
        int position = 0;
        for (skipSpace(); !atEnd() && current() != ']'; skipSpace()) {
            const int start = pos;
            value(place.at(position++));
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

    void report(const ScanPlace &place, const QByteArray &earlier, const QByteArray &later)
    {
        findings.append({elementRules().contains(place.type) ? place.type : QString(),
                         {},
                         QStringLiteral("%1 is given more than once: %2, then %3; import reads "
                                        "only the last")
                             .arg(place.text, summary(earlier), summary(later)),
                         place.member,
                         place.pointer,
                         place.index,
                         true});
    }

    const QByteArray &text;
    QVector<Finding> &findings;
    int pos = 0;
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
