#include "hospital/dbserver/demo/DemoStayPlan.h"

#include "hospital/dbserver/demo/DemoDiagnoses.h"
#include "hospital/dbserver/demo/DemoRandom.h"

namespace hospital::dbserver::demo {

namespace {

constexpr int historyDays = 730;
// Past stays end this many days before today, clear of any current stay.
constexpr int historyGapDays = 30;
constexpr int longestPastStayDays = 14;

constexpr int currentInPatientsPerMille = 65;
constexpr int inEmergencyRoomPerMille = 10;
constexpr int sponsoredCurrentPerMille = 100;
constexpr int matchedCurrentPerMille = 200;
constexpr int sponsoredPastPercent = 6;
constexpr int matchedPastPercent = 15;
constexpr int sponsoredVisitPercent = 3;

struct CountShare {
    int count;
    int weight;
};

constexpr CountShare pastAdmissionCounts[] = {{0, 68}, {1, 22}, {2, 7}, {3, 3}};
constexpr CountShare outPatientVisitCounts[] = {{0, 35}, {1, 30}, {2, 18}, {3, 10}, {4, 7}};
constexpr CountShare pastErVisitCounts[] = {{0, 85}, {1, 12}, {2, 3}};

const QString payClass = QStringLiteral("P");
const QString serviceClass = QStringLiteral("S");

class StayPlanner {
public:
    StayPlanner(std::uint64_t seed, const std::vector<PatientFacts> &patients, const HospitalCodes &codes, QDate today)
        : random_(seed, DemoStream::Stays), patients_(patients), codes_(codes), today_(today)
    {
    }

    StayPlan plan()
    {
        const int count = static_cast<int>(patients_.size());
        const std::vector<bool> admittedNow = chooseMembers(random_, count, quota(count, currentInPatientsPerMille, 1));
        const std::vector<bool> inErNow = chooseAmongNotAdmitted(admittedNow);
        std::vector<std::size_t> currentAdmissions;
        for (int i = 0; i < count; ++i) {
            const QString usualClass = randomUsualClass(patients_[i]);
            planPastAdmissions(i, usualClass);
            if (admittedNow[i]) {
                currentAdmissions.push_back(plan_.admissions.size());
                planCurrentAdmission(i, usualClass);
            }
            planOutPatientVisits(i, usualClass);
            planErVisits(i, usualClass, inErNow[i]);
        }
        sponsorAndMatchCurrent(currentAdmissions);
        return std::move(plan_);
    }

private:
    std::vector<bool> chooseAmongNotAdmitted(const std::vector<bool> &admittedNow)
    {
        std::vector<int> candidates;
        for (int i = 0; i < static_cast<int>(admittedNow.size()); ++i)
            if (!admittedNow[i])
                candidates.push_back(i);
        const int candidateCount = static_cast<int>(candidates.size());
        const std::vector<bool> chosen = chooseMembers(
            random_, candidateCount, quota(static_cast<int>(admittedNow.size()), inEmergencyRoomPerMille, 2));
        std::vector<bool> inEr(admittedNow.size(), false);
        for (int k = 0; k < candidateCount; ++k)
            inEr[candidates[k]] = chosen[k];
        return inEr;
    }

    QString randomUsualClass(const PatientFacts &patient)
    {
        const int roll = random_.below(100);
        const int serviceShare = patient.pwoClient ? 85 : 58;
        if (roll < serviceShare)
            return serviceClass;
        return roll < 95 ? payClass : QString();
    }

    Moment randomMomentOn(QDate day, int firstHour, int lastHour)
    {
        const int hour = random_.between(firstHour, lastHour);
        return Moment::at(day, hour, random_.below(60));
    }

    WardKind randomWard(const PatientFacts &patient, QDate day, const QString &usualClass)
    {
        const int age = patient.ageOn(day);
        if (random_.percent(4))
            return WardKind::IntensiveCare;
        if (usualClass == payClass && random_.percent(35))
            return WardKind::Private;
        if (age < 15)
            return WardKind::Pediatrics;
        if (patient.sex == Sex::Female && age <= 45 && random_.percent(35))
            return WardKind::Obstetrics;
        return random_.percent(55) ? WardKind::Medicine : WardKind::Surgery;
    }

    PlannedAdmission admit(int patient, Moment admitted, const QString &usualClass)
    {
        PlannedAdmission stay;
        stay.patient = patient;
        stay.admitted = admitted;
        const WardKind kind = randomWard(patients_[patient], admitted.date(), usualClass);
        const Ward &ward = codes_.ward(kind);
        stay.roomId = random_.pick(ward.roomIds);
        stay.attendingDoctor = random_.pick(ward.attendingDoctors);
        if (random_.percent(55))
            stay.referringDoctor = random_.pick(codes_.doctors);
        stay.diagnosis = randomAdmittingDiagnosis(random_, kind);
        stay.patientClass = kind == WardKind::Private ? payClass : usualClass;
        return stay;
    }

    // Came in through a clinic visit the same day; the visit carries the stay's particulars.
    void matchToClinicVisit(PlannedAdmission &stay)
    {
        PlannedVisit visit;
        visit.patient = stay.patient;
        visit.arrived = stay.admitted.plusMinutes(-random_.between(60, 240));
        visit.patientType = stay.patientClass;
        visit.doctorId = stay.attendingDoctor;
        visit.diagnosis = stay.diagnosis;
        visit.accountNum = stay.accountNum;
        stay.outPatientVisit = static_cast<int>(plan_.outPatientVisits.size());
        plan_.outPatientVisits.push_back(visit);
    }

    int randomStayDays()
    {
        return random_.percent(75) ? random_.between(1, 4) : random_.between(5, longestPastStayDays);
    }

    void planPastAdmissions(int patient, const QString &usualClass)
    {
        const int count = pickWeighted(random_, pastAdmissionCounts).count;
        if (count == 0)
            return;
        // One stay per equal slice of the history, so stays never overlap.
        const int sliceDays = (historyDays - historyGapDays) / count;
        const QDate historyStart = today_.addDays(-historyDays);
        for (int k = 0; k < count; ++k) {
            const QDate day = historyStart.addDays(k * sliceDays + random_.below(sliceDays - longestPastStayDays));
            PlannedAdmission stay = admit(patient, randomMomentOn(day, 0, 23), usualClass);
            stay.discharged = randomMomentOn(day.addDays(randomStayDays()), 8, 17);
            if (random_.percent(sponsoredPastPercent))
                stay.accountNum = random_.pick(codes_.companies);
            if (random_.percent(matchedPastPercent))
                matchToClinicVisit(stay);
            plan_.admissions.push_back(std::move(stay));
        }
    }

    void planCurrentAdmission(int patient, const QString &usualClass)
    {
        const int daysAgo = random_.percent(60) ? random_.between(1, 4) : random_.between(5, 20);
        plan_.admissions.push_back(admit(patient, randomMomentOn(today_.addDays(-daysAgo), 0, 23), usualClass));
    }

    void sponsorAndMatchCurrent(const std::vector<std::size_t> &current)
    {
        const int count = static_cast<int>(current.size());
        const std::vector<bool> sponsored = chooseMembers(random_, count, quota(count, sponsoredCurrentPerMille, 1));
        const std::vector<bool> matched = chooseMembers(random_, count, quota(count, matchedCurrentPerMille, 1));
        for (int k = 0; k < count; ++k) {
            PlannedAdmission &stay = plan_.admissions[current[k]];
            if (sponsored[k])
                stay.accountNum = random_.pick(codes_.companies);
            if (matched[k])
                matchToClinicVisit(stay);
        }
    }

    void planOutPatientVisits(int patient, const QString &usualClass)
    {
        const int count = pickWeighted(random_, outPatientVisitCounts).count;
        for (int k = 0; k < count; ++k) {
            PlannedVisit visit;
            visit.patient = patient;
            visit.arrived = randomMomentOn(today_.addDays(-random_.between(1, historyDays)), 7, 15);
            visit.patientType = usualClass;
            visit.doctorId = random_.pick(codes_.clinicDoctors);
            visit.diagnosis = randomClinicDiagnosis(random_);
            if (random_.percent(sponsoredVisitPercent))
                visit.accountNum = random_.pick(codes_.companies);
            plan_.outPatientVisits.push_back(visit);
        }
    }

    PlannedErVisit erVisit(int patient, Moment arrived, const QString &usualClass)
    {
        PlannedErVisit visit;
        visit.patient = patient;
        visit.arrived = arrived;
        visit.classification = usualClass;
        visit.doctorId = random_.pick(codes_.emergencyDoctors);
        visit.complaint = randomChiefComplaint(random_);
        return visit;
    }

    void planErVisits(int patient, const QString &usualClass, bool stillInEr)
    {
        const int count = pickWeighted(random_, pastErVisitCounts).count;
        for (int k = 0; k < count; ++k) {
            const Moment arrived = randomMomentOn(today_.addDays(-random_.between(1, historyDays)), 0, 23);
            PlannedErVisit visit = erVisit(patient, arrived, usualClass);
            visit.left = arrived.plusMinutes(random_.between(60, 720));
            plan_.erVisits.push_back(visit);
        }
        if (stillInEr) {
            const Moment arrived = Moment::at(today_, 6).plusMinutes(-random_.between(0, 720));
            plan_.erVisits.push_back(erVisit(patient, arrived, usualClass));
        }
    }

    DemoRandom random_;
    const std::vector<PatientFacts> &patients_;
    const HospitalCodes &codes_;
    const QDate today_;
    StayPlan plan_;
};

} // namespace

StayPlan planStays(std::uint64_t seed, const std::vector<PatientFacts> &patients, const HospitalCodes &codes,
                   QDate today)
{
    return StayPlanner(seed, patients, codes, today).plan();
}

} // namespace hospital::dbserver::demo
