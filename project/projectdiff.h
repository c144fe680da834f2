#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QVector>

// One difference between two project documents.
struct Difference {
    enum class Kind { Added, Removed, Changed, Reordered };
    Kind kind;
    QString type;      // array key ("Lighting"), or empty for a member of the document itself
    QString name;      // the function's name (empty for document members and reorders)
    QString field;     // for Changed: the member that differs
    QJsonValue before; // undefined where the member is missing; for Reordered
    QJsonValue after;  // the names kept by both, in each one's order

    // Lighting "Hall": DebounceTime "50 ms" -> "100 ms"
    QString toString() const;
};

// What differs between two documents, function by function (matched by name
// within each type) and field by field; the export time is ignored.
QVector<Difference> diffProjects(const QJsonObject &before, const QJsonObject &after);

// The differences as a list shows them: the document's own members (the
// DeviceType, the version) first, then type by type.
QVector<Difference> groupedByType(QVector<Difference> differences);

// One difference in five cells: the function type as the window names it,
// the function, the field, the value in the first document ("here") and the
// value in the second ("in the file"). A function that one document lacks is
// "(missing)" there and "present" in the other.
QStringList differenceCells(const Difference &difference);
