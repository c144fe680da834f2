#include "model/clock.h"

namespace
{
QDateTime &fixedMoment()
{
    static QDateTime moment;
    return moment;
}
} // namespace

QDateTime Clock::now()
{
    return fixedMoment().isValid() ? fixedMoment() : QDateTime::currentDateTime();
}

void Clock::fix(const QDateTime &moment)
{
    fixedMoment() = moment;
}

void Clock::release()
{
    fixedMoment() = QDateTime();
}
