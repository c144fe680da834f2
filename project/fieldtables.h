#pragma once

#include "model/records.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>

// The members of each type's elements: one row per JSON key with the record
// field it fills. Writing, reading and the member checks all go by these
// tables, so a key can be neither written nor read nor checked differently.

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
template <> const Schema<LightingRecord> &schemaOf();
template <> const Schema<ShutterRecord> &schemaOf();
template <> const Schema<DigitalIORecord> &schemaOf();
template <> const Schema<LogicRecord> &schemaOf();
template <> const Schema<VoltageInputRecord> &schemaOf();
template <> const Schema<EnergySavingRecord> &schemaOf();
template <> const Schema<AirConRecord> &schemaOf();
template <> const Schema<DndMurRecord> &schemaOf();
template <> const Schema<MasterOffRecord> &schemaOf();
template <> const Schema<WelcomeRecord> &schemaOf();

// Why a number member does not read as written, or nothing when it does. As
// a reader built on "32-bit integer or 0" sees it, anything that is not a
// whole number within 32 bits (a fraction, text, true) reads as 0.
QString numberProblem(const QJsonValue &value);
qint32 readNumber(const QJsonValue &value);

// "ControlOut-C3" and "C3": the key of output n and its name.
QString controlOutKey(int n);
QString outputName(int n);

const QString enableText = QStringLiteral("ENABLE");
const QString disableText = QStringLiteral("DISABLE");

// CreateTime's form: "09-12-2026 19:20:00".
const char *const createTimeFormat = "dd-MM-yyyy HH:mm:ss";

template <typename Record> QJsonObject writeFields(const Record &record)
{
    QJsonObject element;
    for (const TextField<Record> &text : schemaOf<Record>().texts)
        element.insert(QLatin1String(text.key), record.*(text.field));
    for (const NumberField<Record> &number : schemaOf<Record>().numbers)
        element.insert(QLatin1String(number.key), record.*(number.field));
    return element;
}

// Missing or non-string members read as empty text, missing or unusable
// numbers as 0.
template <typename Record> void readFields(const QJsonObject &element, Record &record)
{
    for (const TextField<Record> &text : schemaOf<Record>().texts)
        record.*(text.field) = element.value(QLatin1String(text.key)).toString();
    for (const NumberField<Record> &number : schemaOf<Record>().numbers)
        record.*(number.field) = readNumber(element.value(QLatin1String(number.key)));
}
