#include "hospital/dbserver/demo/DemoNumbering.h"

#include <algorithm>
#include <numeric>

namespace hospital::dbserver::demo {

namespace {

constexpr int firstHospitalNumber = 10001;

QString twoDigitYear(int year)
{
    return QStringLiteral("%1").arg(year % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

std::vector<std::size_t> chronologicalOrder(const std::vector<Moment> &when)
{
    std::vector<std::size_t> order(when.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&when](std::size_t a, std::size_t b) {
        return when[a] != when[b] ? when[a] < when[b] : a < b;
    });
    return order;
}

std::vector<YearSequence> numberWithinYears(const std::vector<Moment> &when)
{
    std::vector<YearSequence> numbers(when.size());
    int year = 0;
    int sequence = 0;
    for (std::size_t index : chronologicalOrder(when)) {
        const int eventYear = when[index].date().year();
        if (eventYear != year) {
            year = eventYear;
            sequence = 0;
        }
        numbers[index] = {year, ++sequence};
    }
    return numbers;
}

QString hospitalNumber(int patientIndex)
{
    return QStringLiteral("%1").arg(firstHospitalNumber + patientIndex, 8, 10, QLatin1Char('0'));
}

QString admissionNumber(YearSequence number)
{
    return twoDigitYear(number.year) + QStringLiteral("%1").arg(number.sequence, 7, 10, QLatin1Char('0'));
}

QString outPatientNumber(YearSequence number)
{
    return admissionNumber(number) + QLatin1Char('B');
}

QString emergencyNumber(YearSequence number)
{
    return QStringLiteral("ER%1-%2").arg(twoDigitYear(number.year)).arg(number.sequence, 6, 10, QLatin1Char('0'));
}

QString pwoCaseNumber(YearSequence number)
{
    return QStringLiteral("%1-%2").arg(number.year).arg(number.sequence, 5, 10, QLatin1Char('0'));
}

} // namespace hospital::dbserver::demo
