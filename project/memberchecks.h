#pragma once

#include "model/finding.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>

// The members of a document as import reads them, checked against what the
// file holds.

// What import makes of each member that it does not read as the file writes
// it, one finding each, in file order: a member of another JSON type (a
// number as text, a fraction, true, an object), a missing or unknown member,
// a type that is not an array, an element that is not an object, a platform
// type other than "MV210" and "MV211", a CreateTime that is not a time. The
// text begins with the path and the value the file holds:
// `AirConditioner[0].OffDelay "5" is text, not a number; reads as 0`.
QVector<Finding> unreadMembers(const QJsonObject &document);

// "Lighting[2]": an element by its type's array key and position.
QString elementPath(const QString &type, int index);

// A member's value as people read it: text in quotes, anything else as
// compact JSON, a missing member as "(missing)".
QString shownValue(const QJsonValue &value);
