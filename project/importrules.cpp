#include "project/importrules.h"

#include "model/catalogue.h"
#include "model/stores.h"
#include "project/recordjson.h"

#include <QJsonArray>
#include <initializer_list>

namespace
{

InputEntry *findInput(const QString &name)
{
    return InputCatalogue::instance().find(name);
}

OutputEntry *findOutput(const QString &name)
{
    return OutputCatalogue::instance().find(name);
}

// Each rule gives the reason an element is skipped, or nothing when it holds.
QString requiredInput(const char *field, const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("%1 is empty").arg(QLatin1String(field));
    return findInput(name)
               ? QString()
               : QStringLiteral("%1 \"%2\" is no input").arg(QLatin1String(field), name);
}

QString requiredOutput(const char *field, const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("%1 is empty").arg(QLatin1String(field));
    return findOutput(name)
               ? QString()
               : QStringLiteral("%1 \"%2\" is no output").arg(QLatin1String(field), name);
}

QString optionalInput(const char *field, const QString &name)
{
    return name.isEmpty() ? QString() : requiredInput(field, name);
}

QString optionalOutput(const char *field, const QString &name)
{
    return name.isEmpty() ? QString() : requiredOutput(field, name);
}

QString firstReason(std::initializer_list<QString> reasons)
{
    for (const QString &reason : reasons) {
        if (!reason.isEmpty())
            return reason;
    }
    return QString();
}

QString skipReason(const ShutterRecord &r)
{
    return firstReason({requiredInput("UpInput", r.UpInput), requiredOutput("UpOutput", r.UpOutput),
                        requiredInput("DownInput", r.DownInput),
                        requiredOutput("DownOutput", r.DownOutput)});
}

// The third input is optional, and an unknown one is kept as text.
QString skipReason(const LogicRecord &r)
{
    return firstReason({requiredInput("Input1", r.Input1), requiredInput("Input2", r.Input2),
                        requiredOutput("Output", r.Output)});
}

QString skipReason(const LightingRecord &r)
{
    for (int n = 1; n <= 8; ++n) {
        if (!r.output(n).isEmpty())
            return requiredInput("Input", r.Input);
    }
    return QStringLiteral("no output is enabled");
}

QString skipReason(const DigitalIORecord &r)
{
    return firstReason({requiredInput("Input", r.Input), requiredOutput("Output", r.Output)});
}

QString skipReason(const DndMurRecord &r)
{
    return firstReason(
        {requiredInput("DndInput", r.DndInput), requiredOutput("DndOutput", r.DndOutput),
         requiredInput("MurInput", r.MurInput), requiredOutput("MurOutput", r.MurOutput),
         optionalOutput("BellOutput", r.BellOutput),
         optionalOutput("OccupancyOutput", r.OccupancyOutput)});
}

// Both sensors are optional: export writes an empty Input for a function without card holder.
QString skipReason(const EnergySavingRecord &r)
{
    return firstReason(
        {optionalInput("Input", r.Input), optionalInput("DoorSensorInput", r.DoorSensorInput)});
}

// The balcony sensor is optional.
QString skipReason(const AirConRecord &r)
{
    return firstReason({optionalInput("Input", r.Input), requiredOutput("Output", r.Output)});
}

QString skipReason(const VoltageInputRecord &r)
{
    return firstReason({requiredInput("Input", r.Input), requiredOutput("Output", r.Output)});
}

QString skipReason(const MasterOffRecord &r)
{
    return firstReason({requiredInput("Input", r.Input), optionalOutput("LedOutput", r.LedOutput)});
}

QString skipReason(const WelcomeRecord &)
{
    return QString();
}

// A repeated name is skipped before anything is claimed, so that store, list
// and claims stay in step.
template <typename Record>
QString skipReason(const FunctionStore<Record> &store, const Record &record)
{
    if (record.name.isEmpty())
        return QStringLiteral("name is empty");
    if (store.contains(record.name))
        return QStringLiteral("repeats the name of an earlier element");
    return skipReason(record);
}

template <typename Record>
void importElements(const QJsonObject &document, const char *key, FunctionStore<Record> &store,
                    QStringList &names, QVector<SkippedElement> *skipped)
{
    const QJsonValue member = document.value(QLatin1String(key));
    if (!member.isArray())
        return;
    const QJsonArray elements = member.toArray();
    for (int index = 0; index < elements.size(); ++index) {
        Record record;
        fromJson(elements.at(index).toObject(), record);
        const QString reason = skipReason(store, record);
        if (!reason.isEmpty()) {
            if (skipped)
                skipped->append({QLatin1String(key), index, record.name, reason});
            continue;
        }
        addClaims(record);
        store.add(record);
        names.append(record.name);
    }
}

} // namespace

ImportedNames rebuildProject(const QJsonObject &document, QVector<SkippedElement> *skipped)
{
    ImportedNames names;
    importElements(document, "Shutter", shutterStore(), names.shutter, skipped);
    importElements(document, "Logic", logicStore(), names.logic, skipped);
    importElements(document, "Lighting", lightingStore(), names.lighting, skipped);
    importElements(document, "DigitalIO", digitalIOStore(), names.digitalIO, skipped);
    importElements(document, "DNDMUR", dndMurStore(), names.dndMur, skipped);
    importElements(document, "EnergySaving", energySavingStore(), names.energySaving, skipped);
    importElements(document, "AirConditioner", airConStore(), names.airCon, skipped);
    importElements(document, "VoltageInput", voltageInputStore(), names.voltageInput, skipped);
    importElements(document, "MasterOff", masterOffStore(), names.masterOff, skipped);
    importElements(document, "Welcome", welcomeStore(), names.welcome, skipped);
    return names;
}
