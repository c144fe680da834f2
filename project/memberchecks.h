#pragma once

#include "model/finding.h"

#include <QByteArray>
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

// Every member that an object of the text gives more than once, at any
// depth, with both values: the JSON parser keeps only the last, so import
// reads the others as if they were not there. A repeat within a function
// names that function; none when it is in a type's array that a later one
// of the same type replaces.
// `DigitalIO[0].Input is given more than once: "IN1", then "IN2"; import reads only the last`.
QVector<Finding> repeatedMembers(const QByteArray &text);

// "Lighting[2]": an element by its type's array key and position.
QString elementPath(const QString &type, int index);

// The member of a function's element as a JSON pointer: "/Lighting/2/DebounceTime";
// without a member the whole element ("/Lighting/2"), without an index the
// type's own member ("/Lighting", "/PlatformType").
QString memberPointer(const QString &type, int index = -1, const QString &member = {});
// A key as one step of a JSON pointer, "~" and "/" escaped.
QString pointerStep(const QString &key);

// A member's value as people read it: text in quotes, anything else as
// compact JSON, a missing member as "(missing)".
QString shownValue(const QJsonValue &value);
