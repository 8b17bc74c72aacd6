#pragma once

#include "hospital/dbserver/demo/CodeTables.h"
#include "hospital/dbserver/demo/DemoCalendar.h"
#include "hospital/dbserver/demo/DemoPatients.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace hospital::dbserver::demo {

// Texts are null where the column stays NULL.
struct PlannedAdmission {
    int patient = 0;
    Moment admitted;
    std::optional<Moment> discharged;  // none while still admitted
    QString roomId;
    QString attendingDoctor;
    QString referringDoctor;
    QString diagnosis;
    QString patientClass;
    QString accountNum;
    int outPatientVisit = -1;  // index of the visit the admission came from, or -1
};

struct PlannedVisit {
    int patient = 0;
    Moment arrived;
    QString patientType;
    QString doctorId;
    QString diagnosis;
    QString accountNum;
};

struct PlannedErVisit {
    int patient = 0;
    Moment arrived;
    std::optional<Moment> left;  // none while still in the ER
    QString classification;
    QString doctorId;
    QString complaint;
};

// Every stay of every patient, before numbers are given out. A patient's
// admissions never overlap, and only his last may still be open.
struct StayPlan {
    std::vector<PlannedAdmission> admissions;
    std::vector<PlannedVisit> outPatientVisits;
    std::vector<PlannedErVisit> erVisits;
};

StayPlan planStays(std::uint64_t seed, const std::vector<PatientFacts> &patients, const HospitalCodes &codes,
                   QDate today);

} // namespace hospital::dbserver::demo
