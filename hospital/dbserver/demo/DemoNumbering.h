#pragma once

#include "hospital/dbserver/demo/DemoCalendar.h"

#include <QString>

#include <cstddef>
#include <vector>

namespace hospital::dbserver::demo {

// A number as a registration desk hands them out: counted from 1 each year.
struct YearSequence {
    int year = 0;
    int sequence = 0;
};

// Indexes of the events in the order they happened (ties by index).
std::vector<std::size_t> chronologicalOrder(const std::vector<Moment> &when);
// Each event's number, in the order of `when`, counting in the order they happened.
std::vector<YearSequence> numberWithinYears(const std::vector<Moment> &when);

QString hospitalNumber(int patientIndex);      // '00010001'
QString admissionNumber(YearSequence number);  // '260000123'
QString outPatientNumber(YearSequence number); // '260000123B'
QString emergencyNumber(YearSequence number);  // 'ER26-000123'
QString pwoCaseNumber(YearSequence number);    // '2026-00123'

} // namespace hospital::dbserver::demo
