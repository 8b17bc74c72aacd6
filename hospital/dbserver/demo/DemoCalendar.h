#pragma once

#include <QDate>
#include <QString>

#include <cstdint>

namespace hospital::dbserver::demo {

// A point in time to the minute, free of time zones and daylight saving,
// so that the same --today gives the same rows on every machine.
struct Moment {
    std::int64_t minutes = 0;  // since the start of Julian day 0

    static Moment at(QDate date, int hour, int minute = 0);
    QDate date() const;
    Moment plusMinutes(std::int64_t count) const { return {minutes + count}; }
    Moment plusDays(std::int64_t count) const { return {minutes + count * minutesPerDay}; }
    auto operator<=>(const Moment &) const = default;

    static constexpr std::int64_t minutesPerDay = 24 * 60;
};

// 'yyyy-mm-dd hh:mm:ss', the stored form of every DATETIME column.
QString storedDateTime(Moment moment);
QString storedDateTime(QDate date);

} // namespace hospital::dbserver::demo
