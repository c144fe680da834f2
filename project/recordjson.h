#pragma once

#include "model/records.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

// The records as the project file holds them: each function as an element
// object, the ten stores as the document, and the document's one-line text.

QJsonObject toJson(const LightingRecord &record);
QJsonObject toJson(const ShutterRecord &record);
QJsonObject toJson(const DigitalIORecord &record);
QJsonObject toJson(const LogicRecord &record);
QJsonObject toJson(const VoltageInputRecord &record);
QJsonObject toJson(const EnergySavingRecord &record);
QJsonObject toJson(const AirConRecord &record);
QJsonObject toJson(const DndMurRecord &record);
QJsonObject toJson(const MasterOffRecord &record);
QJsonObject toJson(const WelcomeRecord &record);

// Missing or non-string members read as empty text, missing or unusable
// numbers as 0. Nothing is validated here.
void fromJson(const QJsonObject &element, LightingRecord &record);
void fromJson(const QJsonObject &element, ShutterRecord &record);
void fromJson(const QJsonObject &element, DigitalIORecord &record);
void fromJson(const QJsonObject &element, LogicRecord &record);
void fromJson(const QJsonObject &element, VoltageInputRecord &record);
void fromJson(const QJsonObject &element, EnergySavingRecord &record);
void fromJson(const QJsonObject &element, AirConRecord &record);
void fromJson(const QJsonObject &element, DndMurRecord &record);
void fromJson(const QJsonObject &element, MasterOffRecord &record);
void fromJson(const QJsonObject &element, WelcomeRecord &record);

// The whole project from the ten stores.
QJsonObject buildProjectDocument(const QString &platformType, const QString &version,
                                 const QDateTime &time);

// The one-line text the controller expects: indented rendering without line
// feeds, then every pair of spaces removed left to right.
QByteArray projectText(const QJsonObject &document);

// The export time the document carries; invalid when it has none.
QDateTime createTime(const QJsonObject &document);
// A time as CreateTime holds it: "09-12-2026 19:20:00".
QString createTimeText(const QDateTime &time);
