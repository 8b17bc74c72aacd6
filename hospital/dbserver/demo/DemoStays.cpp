#include "hospital/dbserver/demo/DemoStays.h"

#include "hospital/dbserver/demo/DemoNumbering.h"
#include "hospital/dbserver/demo/DemoStatements.h"
#include "hospital/dbserver/demo/DemoStayPlan.h"

namespace hospital::dbserver::demo {

namespace {

template<typename Stay>
std::vector<Moment> startsOf(const std::vector<Stay> &stays, Moment Stay::*start)
{
    std::vector<Moment> moments;
    moments.reserve(stays.size());
    for (const Stay &stay : stays)
        moments.push_back(stay.*start);
    return moments;
}

pwo::Value momentOrNull(const std::optional<Moment> &moment)
{
    return moment ? pwo::Value(storedDateTime(*moment)) : pwo::Value();
}

std::vector<QString> writeOutPatientVisits(sqlite3 *db, const std::vector<PlannedVisit> &visits)
{
    RowInserter rows(db, QStringLiteral("PATIENT_DATA.tbOutPatient"),
                     {QStringLiteral("IdNum"), QStringLiteral("HospNum"), QStringLiteral("AdmDate"),
                      QStringLiteral("PatientType"), QStringLiteral("DoctorID"), QStringLiteral("Diagnosis"),
                      QStringLiteral("AccountNum")});
    const std::vector<Moment> arrivals = startsOf(visits, &PlannedVisit::arrived);
    const std::vector<YearSequence> numbers = numberWithinYears(arrivals);
    std::vector<QString> idNums(visits.size());
    for (std::size_t index : chronologicalOrder(arrivals)) {
        const PlannedVisit &visit = visits[index];
        idNums[index] = outPatientNumber(numbers[index]);
        rows.insert({idNums[index], hospitalNumber(visit.patient), storedDateTime(visit.arrived),
                     textOrNull(visit.patientType), visit.doctorId, visit.diagnosis, textOrNull(visit.accountNum)});
    }
    return idNums;
}

int writeAdmissions(sqlite3 *db, const std::vector<PlannedAdmission> &admissions,
                    const std::vector<QString> &outPatientIdNums)
{
    RowInserter rows(db, QStringLiteral("PATIENT_DATA.tbPatient2"),
                     {QStringLiteral("IdNum"), QStringLiteral("HospNum"), QStringLiteral("AdmDate"),
                      QStringLiteral("DcrDate"), QStringLiteral("RoomID"), QStringLiteral("AttendingDoctor"),
                      QStringLiteral("ReferringDoctor"), QStringLiteral("AdmittingDiagnosis"),
                      QStringLiteral("PatientClass"), QStringLiteral("AccountNum"), QStringLiteral("OPDIdNum")});
    const std::vector<Moment> admitted = startsOf(admissions, &PlannedAdmission::admitted);
    const std::vector<YearSequence> numbers = numberWithinYears(admitted);
    int current = 0;
    for (std::size_t index : chronologicalOrder(admitted)) {
        const PlannedAdmission &stay = admissions[index];
        const QString opdIdNum = stay.outPatientVisit < 0 ? QString() : outPatientIdNums.at(stay.outPatientVisit);
        rows.insert({admissionNumber(numbers[index]), hospitalNumber(stay.patient), storedDateTime(stay.admitted),
                     momentOrNull(stay.discharged), stay.roomId, stay.attendingDoctor,
                     textOrNull(stay.referringDoctor), stay.diagnosis, textOrNull(stay.patientClass),
                     textOrNull(stay.accountNum), textOrNull(opdIdNum)});
        if (!stay.discharged)
            ++current;
    }
    return current;
}

int writeErVisits(sqlite3 *db, const std::vector<PlannedErVisit> &visits)
{
    RowInserter rows(db, QStringLiteral("PATIENT_DATA.tbERMaster"),
                     {QStringLiteral("IdNum"), QStringLiteral("HospNum"), QStringLiteral("AdmDate"),
                      QStringLiteral("DischargeDate"), QStringLiteral("PatientClassification"),
                      QStringLiteral("DoctorID"), QStringLiteral("ChiefComplaint")});
    const std::vector<Moment> arrivals = startsOf(visits, &PlannedErVisit::arrived);
    const std::vector<YearSequence> numbers = numberWithinYears(arrivals);
    int stillIn = 0;
    for (std::size_t index : chronologicalOrder(arrivals)) {
        const PlannedErVisit &visit = visits[index];
        rows.insert({emergencyNumber(numbers[index]), hospitalNumber(visit.patient), storedDateTime(visit.arrived),
                     momentOrNull(visit.left), textOrNull(visit.classification), visit.doctorId, visit.complaint});
        if (!visit.left)
            ++stillIn;
    }
    return stillIn;
}

} // namespace

StayCounts writeStays(sqlite3 *db, std::uint64_t seed, const std::vector<PatientFacts> &patients,
                      const HospitalCodes &codes, QDate today)
{
    const StayPlan plan = planStays(seed, patients, codes, today);
    StayCounts counts;
    const std::vector<QString> outPatientIdNums = writeOutPatientVisits(db, plan.outPatientVisits);
    counts.outPatientVisits = static_cast<int>(plan.outPatientVisits.size());
    counts.currentInPatients = writeAdmissions(db, plan.admissions, outPatientIdNums);
    counts.admissions = static_cast<int>(plan.admissions.size());
    counts.inEmergencyRoom = writeErVisits(db, plan.erVisits);
    counts.erVisits = static_cast<int>(plan.erVisits.size());
    return counts;
}

} // namespace hospital::dbserver::demo
