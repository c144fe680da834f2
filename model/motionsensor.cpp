#include "model/motionsensor.h"

#include "model/editorrules.h"
#include "model/projectchange.h"
#include "model/stores.h"

#include <QVector>

namespace
{

using MotionSensor::Settings;

// The records of a store whose copy differs from the page; saving holds the
// name of the record being saved when it is of this store's type.
template <typename Record>
QVector<Record *> differing(FunctionStore<Record> &store, const QString *saving,
                            const Settings &page)
{
    QVector<Record *> found;
    for (const Record &record : store) {
        if (saving && record.name == *saving)
            continue;
        if (MotionSensor::disagree(record.MotionSensorDebounceTime, page.debounceTime) ||
            MotionSensor::disagree(record.MotionSensorContactType, page.contactType))
            found.append(store.find(record.name));
    }
    return found;
}

template <typename Record> void copyInto(const QVector<Record *> &records, const Settings &page)
{
    for (Record *record : records) {
        record->MotionSensorDebounceTime = page.debounceTime;
        record->MotionSensorContactType = page.contactType;
    }
}

} // namespace

bool MotionSensor::keepOthersInStep(Owner owner, const QString &name, const Settings &page,
                                    const std::function<bool()> &confirm)
{
    const QVector<EnergySavingRecord *> energySaving =
        differing(energySavingStore(), owner == Owner::EnergySaving ? &name : nullptr, page);
    const QVector<AirConRecord *> airCon =
        differing(airConStore(), owner == Owner::AirCon ? &name : nullptr, page);
    if (energySaving.isEmpty() && airCon.isEmpty())
        return true;
    if (!confirm())
        return false;
    copyInto(energySaving, page);
    copyInto(airCon, page);
    ProjectChange::announce();
    return true;
}

bool MotionSensor::usesSensor(const EnergySavingRecord &record)
{
    return record.PresenceEnableDisable == QLatin1String("ENABLE");
}

bool MotionSensor::usesSensor(const AirConRecord &record)
{
    return record.MotionSensorEnableDisable == QLatin1String("ENABLE") &&
           EditorRules::motionSensorUsable(record.BalconySensorEnableDisable ==
                                           QLatin1String("ENABLE"));
}

bool MotionSensor::disagree(const QString &stored, const QString &page)
{
    return !stored.isEmpty() && !page.isEmpty() && stored != page;
}
