#include "project/projectdocument.h"

#include "model/stores.h"
#include "project/envelope.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QVector>
#include <initializer_list>
#include <limits>

namespace
{

// --- Field tables: one row per JSON member, shared by writing and reading ---

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
template <> const Schema<LightingRecord> &schemaOf()
{
    using R = LightingRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"Input", &R::Input},
                                   {"DebounceTime", &R::DebounceTime},
                                   {"ControlType", &R::ControlType},
                                   {"OutputControlPriority", &R::OutputControlPriority}},
                                  {}};
    return schema;
}

template <> const Schema<ShutterRecord> &schemaOf()
{
    using R = ShutterRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"UpInput", &R::UpInput},
                                   {"UpDebounceTime", &R::UpDebounceTime},
                                   {"UpOutput", &R::UpOutput},
                                   {"DownInput", &R::DownInput},
                                   {"DownDebounceTime", &R::DownDebounceTime},
                                   {"DownOutput", &R::DownOutput}},
                                  {{"MoveDuration", &R::MoveDuration}, {"StepTime", &R::StepTime}}};
    return schema;
}

template <> const Schema<DigitalIORecord> &schemaOf()
{
    using R = DigitalIORecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"Input", &R::Input},
                                   {"DebounceTime", &R::DebounceTime},
                                   {"Output", &R::Output},
                                   {"ContactType", &R::ContactType}},
                                  {{"OnDelay", &R::OnDelay}, {"OffDelay", &R::OffDelay}}};
    return schema;
}

template <> const Schema<LogicRecord> &schemaOf()
{
    using R = LogicRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"Input1", &R::Input1},
                                   {"Input1DebounceTime", &R::Input1DebounceTime},
                                   {"Input1Polarity", &R::Input1Polarity},
                                   {"Input1ControlType", &R::Input1ControlType},
                                   {"Input2", &R::Input2},
                                   {"Input2DebounceTime", &R::Input2DebounceTime},
                                   {"Input2Polarity", &R::Input2Polarity},
                                   {"Input2ControlType", &R::Input2ControlType},
                                   {"Input3", &R::Input3},
                                   {"Input3DebounceTime", &R::Input3DebounceTime},
                                   {"Input3Polarity", &R::Input3Polarity},
                                   {"Input3ControlType", &R::Input3ControlType},
                                   {"Output", &R::Output},
                                   {"LogicType", &R::LogicType}},
                                  {{"OnDelay", &R::OnDelay}, {"OffDelay", &R::OffDelay}}};
    return schema;
}

template <> const Schema<VoltageInputRecord> &schemaOf()
{
    using R = VoltageInputRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"Input", &R::Input},
                                   {"DebounceTime", &R::DebounceTime},
                                   {"Output", &R::Output}},
                                  {{"OnDelay", &R::OnDelay}, {"OffDelay", &R::OffDelay}}};
    return schema;
}

template <> const Schema<EnergySavingRecord> &schemaOf()
{
    using R = EnergySavingRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"EnableDisable", &R::EnableDisable},
                                   {"Input", &R::Input},
                                   {"CardHolderDebounceTime", &R::CardHolderDebounceTime},
                                   {"ControlType", &R::ControlType},
                                   {"ContactType", &R::ContactType},
                                   {"PresenceEnableDisable", &R::PresenceEnableDisable},
                                   {"MotionSensorInput", &R::MotionSensorInput},
                                   {"MotionSensorContactType", &R::MotionSensorContactType},
                                   {"MotionSensorDebounceTime", &R::MotionSensorDebounceTime},
                                   {"DoorSensorInput", &R::DoorSensorInput},
                                   {"DoorSensorDebounceTime", &R::DoorSensorDebounceTime}},
                                  {{"MotionSensorPulseDuration", &R::MotionSensorPulseDuration},
                                   {"OnDelay", &R::OnDelay},
                                   {"OffDelay", &R::OffDelay}}};
    return schema;
}

template <> const Schema<AirConRecord> &schemaOf()
{
    using R = AirConRecord;
    static const Schema<R> schema{
        {{"name", &R::name},
         {"BalconySensorEnableDisable", &R::BalconySensorEnableDisable},
         {"Input", &R::Input},
         {"ContactType", &R::ContactType},
         {"BalconySensorDebounceTime", &R::BalconySensorDebounceTime},
         {"MotionSensorEnableDisable", &R::MotionSensorEnableDisable},
         {"MotionSensorInput", &R::MotionSensorInput},
         {"MotionSensorContactType", &R::MotionSensorContactType},
         {"MotionSensorDebounceTime", &R::MotionSensorDebounceTime},
         {"Output", &R::Output},
         {"OutputControlType", &R::OutputControlType},
         {"OutputContactType", &R::OutputContactType}},
        {{"PulseDelay", &R::PulseDelay}, {"OnDelay", &R::OnDelay}, {"OffDelay", &R::OffDelay}}};
    return schema;
}

template <> const Schema<DndMurRecord> &schemaOf()
{
    using R = DndMurRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"DndInput", &R::DndInput},
                                   {"DndDebounceTime", &R::DndDebounceTime},
                                   {"DndOutput", &R::DndOutput},
                                   {"MurInput", &R::MurInput},
                                   {"MurDebounceTime", &R::MurDebounceTime},
                                   {"MurOutput", &R::MurOutput},
                                   {"ControlType", &R::ControlType},
                                   {"ContactType", &R::ContactType},
                                   {"BellOutput", &R::BellOutput},
                                   {"OccupancyOutput", &R::OccupancyOutput}},
                                  {{"OnDelay", &R::OnDelay}, {"OffDelay", &R::OffDelay}}};
    return schema;
}

template <> const Schema<MasterOffRecord> &schemaOf()
{
    using R = MasterOffRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"Input", &R::Input},
                                   {"DebounceTime", &R::DebounceTime},
                                   {"LedOutput", &R::LedOutput},
                                   {"ControlOut-C1", &R::controlOutC1},
                                   {"ControlOut-C2", &R::controlOutC2},
                                   {"ControlOut-C3", &R::controlOutC3},
                                   {"ControlOut-C4", &R::controlOutC4},
                                   {"ControlOut-C5", &R::controlOutC5},
                                   {"ControlOut-C6", &R::controlOutC6},
                                   {"ControlOut-C7", &R::controlOutC7},
                                   {"ControlOut-C8", &R::controlOutC8}},
                                  {}};
    return schema;
}

template <> const Schema<WelcomeRecord> &schemaOf()
{
    using R = WelcomeRecord;
    static const Schema<R> schema{{{"name", &R::name},
                                   {"ControlOut-C1", &R::controlOutC1},
                                   {"ControlOut-C2", &R::controlOutC2},
                                   {"ControlOut-C3", &R::controlOutC3},
                                   {"ControlOut-C4", &R::controlOutC4},
                                   {"ControlOut-C5", &R::controlOutC5},
                                   {"ControlOut-C6", &R::controlOutC6},
                                   {"ControlOut-C7", &R::controlOutC7},
                                   {"ControlOut-C8", &R::controlOutC8}},
                                  {}};
    return schema;
}

template <typename Record> QJsonObject writeFields(const Record &record)
{
    QJsonObject element;
    for (const TextField<Record> &text : schemaOf<Record>().texts)
        element.insert(QLatin1String(text.key), record.*(text.field));
    for (const NumberField<Record> &number : schemaOf<Record>().numbers)
        element.insert(QLatin1String(number.key), record.*(number.field));
    return element;
}

// As a reader built on "32-bit integer or 0" sees it: anything that is not a
// whole number within 32 bits (a fraction, NaN, an infinity, text) reads as 0.
// The range is checked before the conversion, which would be undefined outside it.
qint32 readNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double number = value.toDouble();
    const bool inRange = number >= double(std::numeric_limits<qint32>::min()) &&
                         number <= double(std::numeric_limits<qint32>::max());
    if (!inRange)
        return 0;
    const auto whole = static_cast<qint32>(number);
    return double(whole) == number ? whole : 0;
}

template <typename Record> void readFields(const QJsonObject &element, Record &record)
{
    for (const TextField<Record> &text : schemaOf<Record>().texts)
        record.*(text.field) = element.value(QLatin1String(text.key)).toString();
    for (const NumberField<Record> &number : schemaOf<Record>().numbers)
        record.*(number.field) = readNumber(element.value(QLatin1String(number.key)));
}

QString controlOutKey(int n)
{
    return QStringLiteral("ControlOut-C") + QString::number(n);
}

QString outputName(int n)
{
    return QStringLiteral("C") + QString::number(n);
}

const QString enableText = QStringLiteral("ENABLE");
const QString disableText = QStringLiteral("DISABLE");

template <typename Record> QJsonArray arrayOf(const FunctionStore<Record> &store)
{
    QJsonArray elements;
    for (const Record &record : store)
        elements.append(toJson(record));
    return elements;
}

const char *const typeKeys[] = {"Welcome",        "MasterOff", "Lighting",     "Shutter",
                                "DigitalIO",      "Logic",     "VoltageInput", "EnergySaving",
                                "AirConditioner", "DNDMUR"};

// --- Import rules ---

InputEntry *findInput(const QString &name)
{
    return InputCatalogue::instance().find(name);
}

OutputEntry *findOutput(const QString &name)
{
    return OutputCatalogue::instance().find(name);
}

// The empty name is in no catalogue, so "known" also means "set".
bool knownInputs(std::initializer_list<QString> names)
{
    for (const QString &name : names) {
        if (!findInput(name))
            return false;
    }
    return true;
}

bool knownOutputs(std::initializer_list<QString> names)
{
    for (const QString &name : names) {
        if (!findOutput(name))
            return false;
    }
    return true;
}

bool unsetOrKnownInput(const QString &name)
{
    return name.isEmpty() || findInput(name);
}

bool unsetOrKnownOutput(const QString &name)
{
    return name.isEmpty() || findOutput(name);
}

bool hasAnyOutput(const LightingRecord &record)
{
    for (int n = 1; n <= 8; ++n) {
        if (!record.output(n).isEmpty())
            return true;
    }
    return false;
}

bool canImport(const ShutterRecord &r)
{
    return !r.name.isEmpty() && knownInputs({r.UpInput, r.DownInput}) &&
           knownOutputs({r.UpOutput, r.DownOutput});
}

bool canImport(const LogicRecord &r)
{
    return !r.name.isEmpty() && knownInputs({r.Input1, r.Input2}) && knownOutputs({r.Output});
}

bool canImport(const LightingRecord &r)
{
    return !r.name.isEmpty() && knownInputs({r.Input}) && hasAnyOutput(r);
}

bool canImport(const DigitalIORecord &r)
{
    return !r.name.isEmpty() && knownInputs({r.Input}) && knownOutputs({r.Output});
}

bool canImport(const DndMurRecord &r)
{
    return !r.name.isEmpty() && knownInputs({r.DndInput, r.MurInput}) &&
           knownOutputs({r.DndOutput, r.MurOutput}) && unsetOrKnownOutput(r.BellOutput) &&
           unsetOrKnownOutput(r.OccupancyOutput);
}

// Both sensors are optional: export writes an empty Input for a function without card holder.
bool canImport(const EnergySavingRecord &r)
{
    return !r.name.isEmpty() && unsetOrKnownInput(r.Input) && unsetOrKnownInput(r.DoorSensorInput);
}

// The balcony sensor is optional.
bool canImport(const AirConRecord &r)
{
    return !r.name.isEmpty() && unsetOrKnownInput(r.Input) && knownOutputs({r.Output});
}

bool canImport(const VoltageInputRecord &r)
{
    return !r.name.isEmpty() && knownInputs({r.Input}) && knownOutputs({r.Output});
}

bool canImport(const MasterOffRecord &r)
{
    return !r.name.isEmpty() && knownInputs({r.Input}) && unsetOrKnownOutput(r.LedOutput);
}

bool canImport(const WelcomeRecord &r)
{
    return !r.name.isEmpty();
}

// A repeated name is skipped before anything is claimed, so that store, list
// and claims stay in step.
template <typename Record>
void importElements(const QJsonObject &document, const char *key, FunctionStore<Record> &store,
                    QStringList &names)
{
    const QJsonValue member = document.value(QLatin1String(key));
    if (!member.isArray())
        return;
    const QJsonArray elements = member.toArray();
    for (const QJsonValue &value : elements) {
        Record record;
        fromJson(value.toObject(), record);
        if (store.contains(record.name) || !canImport(record))
            continue;
        claim(importClaimsOf(record));
        store.add(record);
        names.append(record.name);
    }
}

bool hasOversizedArray(const QJsonObject &document)
{
    for (const char *key : typeKeys) {
        const QJsonValue member = document.value(QLatin1String(key));
        if (member.isArray() && member.toArray().size() > maxElementsPerType)
            return true;
    }
    return false;
}

ProjectFileContent verdict(ProjectCheck check, const QString &errorText = QString())
{
    ProjectFileContent content;
    content.check = check;
    content.errorText = errorText;
    return content;
}

} // namespace

// --- Records <-> element objects ---

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

// --- Writing ---

QJsonObject buildProjectDocument(const QString &platformType, const QString &version,
                                 const QDateTime &createTime)
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
    document.insert(QStringLiteral("CreateTime"),
                    createTime.toString(QStringLiteral("dd-MM-yyyy HH:mm:ss")));
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

QString projectFilePath(const QString &chosenPath)
{
    const QString extension = QStringLiteral(".rccfg");
    return chosenPath.contains(extension) ? chosenPath : chosenPath + extension;
}

QString reportPdfPath(const QString &projectPath)
{
    return projectPath.chopped(5) + QStringLiteral("table.pdf");
}

// --- Reading ---

ProjectFileContent readProjectFile(const QString &path, const QString &expectedVersion)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return verdict(ProjectCheck::CannotOpen, file.errorString());
    if (file.size() > maxProjectFileSize)
        return verdict(ProjectCheck::NotValid);
    // One byte more than allowed tells a device without a size (a pipe, a
    // character device) that goes on and on.
    const QByteArray bytes = file.read(maxProjectFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return verdict(ProjectCheck::CannotOpen, file.errorString());
    return checkProjectBytes(bytes, expectedVersion);
}

// The decryption result is not consulted: a plain document whose length is
// not a whole number of blocks is read as it stands.
ProjectFileContent checkProjectBytes(QByteArray bytes, const QString &expectedVersion)
{
    if (bytes.size() > maxProjectFileSize)
        return verdict(ProjectCheck::NotValid);
    decryptProjectData(bytes);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject())
        return verdict(ProjectCheck::NotValid);
    const QJsonObject document = json.object();
    if (hasOversizedArray(document))
        return verdict(ProjectCheck::NotValid);

    const QString platformType = document.value(QStringLiteral("PlatformType")).toString();
    if (platformType.isEmpty())
        return verdict(ProjectCheck::NoPlatformType);
    if (document.value(QStringLiteral("Version")).toString() != expectedVersion)
        return verdict(ProjectCheck::WrongVersion);

    ProjectFileContent content = verdict(ProjectCheck::Accepted);
    content.platformType = platformType;
    content.document = document;
    return content;
}

Platform platformFromType(const QString &platformType)
{
    return platformType == QLatin1String("MV210") ? Platform::MV210 : Platform::MV211;
}

ImportedNames rebuildProject(const QJsonObject &document)
{
    ImportedNames names;
    importElements(document, "Shutter", shutterStore(), names.shutter);
    importElements(document, "Logic", logicStore(), names.logic);
    importElements(document, "Lighting", lightingStore(), names.lighting);
    importElements(document, "DigitalIO", digitalIOStore(), names.digitalIO);
    importElements(document, "DNDMUR", dndMurStore(), names.dndMur);
    importElements(document, "EnergySaving", energySavingStore(), names.energySaving);
    importElements(document, "AirConditioner", airConStore(), names.airCon);
    importElements(document, "VoltageInput", voltageInputStore(), names.voltageInput);
    importElements(document, "MasterOff", masterOffStore(), names.masterOff);
    importElements(document, "Welcome", welcomeStore(), names.welcome);
    return names;
}
