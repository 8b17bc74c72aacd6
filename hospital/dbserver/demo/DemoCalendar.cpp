#include "hospital/dbserver/demo/DemoCalendar.h"

namespace hospital::dbserver::demo {

Moment Moment::at(QDate date, int hour, int minute)
{
    return {date.toJulianDay() * minutesPerDay + hour * 60 + minute};
}

QDate Moment::date() const
{
    return QDate::fromJulianDay(minutes / minutesPerDay);
}

QString storedDateTime(Moment moment)
{
    const int minuteOfDay = static_cast<int>(moment.minutes % Moment::minutesPerDay);
    return QStringLiteral("%1 %2:%3:00")
        .arg(moment.date().toString(QStringLiteral("yyyy-MM-dd")))
        .arg(minuteOfDay / 60, 2, 10, QLatin1Char('0'))
        .arg(minuteOfDay % 60, 2, 10, QLatin1Char('0'));
}

QString storedDateTime(QDate date)
{
    return storedDateTime(Moment::at(date, 0));
}

} // namespace hospital::dbserver::demo
