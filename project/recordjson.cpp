#include "project/recordjson.h"

#include "model/stores.h"
#include "project/fieldtables.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace
{

template <typename Record> QJsonArray arrayOf(const FunctionStore<Record> &store)
{
    QJsonArray elements;
    for (const Record &record : store)
        elements.append(toJson(record));
    return elements;
}

} // namespace

QJsonObject toJson(const LightingRecord &record)
{
    QJsonObject element = writeFields(record);
    for (int n = 1; n <= 8; ++n) {
        const bool driven = record.output(n) == outputName(n);
        element.insert(controlOutKey(n), driven ? enableText : disableText);
    }
    return element;
}

QJsonObject toJson(const ShutterRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const DigitalIORecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const LogicRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const VoltageInputRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const EnergySavingRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const AirConRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const DndMurRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const MasterOffRecord &record)
{
    return writeFields(record);
}
QJsonObject toJson(const WelcomeRecord &record)
{
    return writeFields(record);
}

void fromJson(const QJsonObject &element, LightingRecord &record)
{
    readFields(element, record);
    for (int n = 1; n <= 8; ++n) {
        const bool driven = element.value(controlOutKey(n)).toString() == enableText;
        record.output(n) = driven ? outputName(n) : QString();
    }
}

void fromJson(const QJsonObject &element, ShutterRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, DigitalIORecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, LogicRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, VoltageInputRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, EnergySavingRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, AirConRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, DndMurRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, MasterOffRecord &record)
{
    readFields(element, record);
}
void fromJson(const QJsonObject &element, WelcomeRecord &record)
{
    readFields(element, record);
}

QDateTime createTime(const QJsonObject &document)
{
    return QDateTime::fromString(document.value(QStringLiteral("CreateTime")).toString(),
                                 QLatin1String(createTimeFormat));
}

QString createTimeText(const QDateTime &time)
{
    return time.toString(QLatin1String(createTimeFormat));
}

QJsonObject buildProjectDocument(const QString &platformType, const QString &version,
                                 const QDateTime &time)
{
    QJsonObject document;
    document.insert(QStringLiteral("Welcome"), arrayOf(welcomeStore()));
    document.insert(QStringLiteral("MasterOff"), arrayOf(masterOffStore()));
    document.insert(QStringLiteral("Lighting"), arrayOf(lightingStore()));
    document.insert(QStringLiteral("Shutter"), arrayOf(shutterStore()));
    document.insert(QStringLiteral("DigitalIO"), arrayOf(digitalIOStore()));
    document.insert(QStringLiteral("Logic"), arrayOf(logicStore()));
    document.insert(QStringLiteral("VoltageInput"), arrayOf(voltageInputStore()));
    document.insert(QStringLiteral("EnergySaving"), arrayOf(energySavingStore()));
    document.insert(QStringLiteral("AirConditioner"), arrayOf(airConStore()));
    document.insert(QStringLiteral("DNDMUR"), arrayOf(dndMurStore()));
    document.insert(QStringLiteral("CreateTime"), createTimeText(time));
    document.insert(QStringLiteral("Version"), version);
    document.insert(QStringLiteral("PlatformType"), platformType);
    return document;
}

// The pair removal also reaches into string values; the controller's reader
// expects exactly this text, so it is kept.
QByteArray projectText(const QJsonObject &document)
{
    QByteArray text = QJsonDocument(document).toJson(QJsonDocument::Indented);
    text.replace("\n", "");
    text.replace("  ", "");
    return text;
}
