#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>

// One difference between two project documents.
struct Difference {
    enum class Kind { Added, Removed, Changed, Reordered };
    Kind kind;
    QString type;      // array key ("Lighting"), or empty for a member of the document itself
    QString name;      // the function's name (empty for document members and reorders)
    QString field;     // for Changed: the member that differs
    QJsonValue before; // undefined where the member is missing
    QJsonValue after;

    // Lighting "Hall": DebounceTime "50 ms" -> "100 ms"
    QString toString() const;
};

// What differs between two documents, function by function (matched by name
// within each type) and field by field; the export time is ignored.
QVector<Difference> diffProjects(const QJsonObject &before, const QJsonObject &after);
