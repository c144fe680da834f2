#pragma once

#include "model/records.h"

#include <QString>
#include <functional>

// The room has one motion sensor, used by the Energy Saving function and by
// every Air Conditioner function. Each of them stores its own copy of the
// sensor's debounce time and contact type; saving one of them brings the
// copies of all the others in step with the page being saved.
namespace MotionSensor
{

struct Settings {
    QString debounceTime;
    QString contactType;
};

enum class Owner { EnergySaving, AirCon };

// The function uses the sensor: Energy Saving with its presence sensor on, an
// Air Conditioner with its motion sensor on (which needs its balcony sensor).
bool usesSensor(const EnergySavingRecord &record);
bool usesSensor(const AirConRecord &record);
// The settings the function keeps for the sensor.
template <typename Record> Settings settingsOf(const Record &record)
{
    return {record.MotionSensorDebounceTime, record.MotionSensorContactType};
}
// Two copies disagree when a setting is set in both and differs.
bool disagree(const QString &stored, const QString &page);

// Copies the page's settings into every other saved function whose copy
// differs: a stored text differs when it and the page's are both set and
// unequal. The function being saved (owner type, name) is not examined.
// When some differ, confirm is asked first; when it declines, nothing
// changes and false is returned.
bool keepOthersInStep(Owner owner, const QString &name, const Settings &page,
                      const std::function<bool()> &confirm);

} // namespace MotionSensor
