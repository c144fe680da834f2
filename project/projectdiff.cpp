#include "project/projectdiff.h"

#include "model/stores.h"
#include "project/projectdocument.h"

#include <QHash>
#include <QJsonArray>
#include <QStringList>
#include <algorithm>

namespace
{

// The members of either object, in the file's order.
QStringList allKeys(const QJsonObject &a, const QJsonObject &b)
{
    QStringList keys = a.keys();
    for (const QString &key : b.keys()) {
        if (!keys.contains(key))
            keys.append(key);
    }
    keys.sort();
    return keys;
}

// Functions of one type by name, in file order; a repeated name counts once.
struct Functions {
    QStringList names;
    QHash<QString, QJsonObject> byName;
};

Functions functionsOf(const QJsonValue &member)
{
    Functions functions;
    const QJsonArray elements = member.toArray();
    for (const QJsonValue &element : elements) {
        const QJsonObject object = element.toObject();
        const QString name = object.value(QStringLiteral("name")).toString();
        if (functions.byName.contains(name))
            continue;
        functions.names.append(name);
        functions.byName.insert(name, object);
    }
    return functions;
}

void diffFields(const QString &type, const QString &name, const QJsonObject &before,
                const QJsonObject &after, QVector<Difference> &differences)
{
    for (const QString &key : allKeys(before, after)) {
        const QJsonValue a = before.value(key);
        const QJsonValue b = after.value(key);
        if (a != b)
            differences.append({Difference::Kind::Changed, type, name, key, a, b});
    }
}

void diffType(const QString &type, const QJsonValue &before, const QJsonValue &after,
              QVector<Difference> &differences)
{
    const Functions a = functionsOf(before);
    const Functions b = functionsOf(after);
    QStringList kept;
    for (const QString &name : a.names) {
        if (!b.byName.contains(name))
            differences.append({Difference::Kind::Removed, type, name, {}, {}, {}});
        else
            kept.append(name);
    }
    QStringList keptAfter;
    for (const QString &name : b.names) {
        if (!a.byName.contains(name))
            differences.append({Difference::Kind::Added, type, name, {}, {}, {}});
        else
            keptAfter.append(name);
    }
    if (kept != keptAfter)
        differences.append({Difference::Kind::Reordered,
                            type,
                            {},
                            {},
                            QJsonArray::fromStringList(kept),
                            QJsonArray::fromStringList(keptAfter)});
    for (const QString &name : kept)
        diffFields(type, name, a.byName.value(name), b.byName.value(name), differences);
}

// A type's title as the window's lists name it ("Air Conditioner"); a member
// that is no type of the program keeps its key.
QString shownType(const QString &key)
{
    for (int type = 0; type < functionTypeCount; ++type) {
        if (typeLabel(FunctionType(type)) == key)
            return typeTitle(FunctionType(type));
    }
    return key;
}

// The document's own members under the window's words.
QString shownField(const Difference &difference)
{
    if (difference.type.isEmpty() && difference.field == QLatin1String("PlatformType"))
        return QStringLiteral("DeviceType");
    return difference.field;
}

} // namespace

QString Difference::toString() const
{
    const QString function = type + QStringLiteral(" \"") + name + QStringLiteral("\"");
    switch (kind) {
    case Kind::Added:
        return function + QStringLiteral(": added");
    case Kind::Removed:
        return function + QStringLiteral(": removed");
    case Kind::Reordered:
        return type + QStringLiteral(": functions in another order");
    case Kind::Changed:
        break;
    }
    const QString change =
        field + QLatin1Char(' ') + shownValue(before) + QStringLiteral(" -> ") + shownValue(after);
    return type.isEmpty() ? change : function + QStringLiteral(": ") + change;
}

QVector<Difference> diffProjects(const QJsonObject &before, const QJsonObject &after)
{
    QVector<Difference> differences;
    for (const QString &key : allKeys(before, after)) {
        if (key == QLatin1String("CreateTime"))
            continue;
        const QJsonValue a = before.value(key);
        const QJsonValue b = after.value(key);
        if (a.isArray() || b.isArray())
            diffType(key, a, b, differences);
        else if (a != b)
            differences.append({Difference::Kind::Changed, {}, {}, key, a, b});
    }
    return differences;
}

QVector<Difference> groupedByType(QVector<Difference> differences)
{
    std::stable_partition(differences.begin(), differences.end(),
                          [](const Difference &difference) { return difference.type.isEmpty(); });
    return differences;
}

QStringList differenceCells(const Difference &difference)
{
    const QString type =
        difference.type.isEmpty() ? QStringLiteral("Project") : shownType(difference.type);
    const QString missing = shownValue(QJsonValue(QJsonValue::Undefined));
    const QString present = QStringLiteral("present");
    switch (difference.kind) {
    case Difference::Kind::Added:
        return {type, difference.name, QString(), missing, present};
    case Difference::Kind::Removed:
        return {type, difference.name, QString(), present, missing};
    case Difference::Kind::Reordered:
        return {type, QString(), QStringLiteral("order"), shownValue(difference.before),
                shownValue(difference.after)};
    case Difference::Kind::Changed:
        break;
    }
    return {type, difference.name, shownField(difference), shownValue(difference.before),
            shownValue(difference.after)};
}
