#include "hospital/dbserver/demo/DemoPatients.h"

#include "hospital/dbserver/demo/CodeTables.h"
#include "hospital/dbserver/demo/DemoAddresses.h"
#include "hospital/dbserver/demo/DemoCalendar.h"
#include "hospital/dbserver/demo/DemoNumbering.h"
#include "hospital/dbserver/demo/DemoStatements.h"

#include "data/SqlText.h"

namespace hospital::dbserver::demo {

namespace {

constexpr int pwoClientsPerMille = 120;
constexpr int classificationDaysBack = 730;

struct AgeBand {
    int youngest;
    int oldest;
    int weight;
};

// Age bands of a provincial hospital's registry, in years.
constexpr AgeBand ageBands[] = {
    {0, 4, 10}, {5, 14, 10}, {15, 29, 20}, {30, 44, 20}, {45, 59, 20}, {60, 74, 14}, {75, 95, 6},
};

int randomAge(DemoRandom &random)
{
    const AgeBand &band = pickWeighted(random, ageBands);
    return random.between(band.youngest, band.oldest);
}

constexpr Weighted classificationShares[] = {
    {"A", 4}, {"B", 8}, {"C1", 14}, {"C2", 20}, {"C3", 22}, {"D", 32},
};

// The department's case file of a patient, as its master row carries it.
struct PwoCase {
    QString number;
    QString classification;  // null once a classification has lapsed and been cleared
    QDate validFrom;
    QDate expiry;
};

// Case numbers count in the order the cases were opened, so they are drawn
// before the master rows are written.
std::vector<PwoCase> openPwoCases(std::uint64_t seed, int patients, QDate today)
{
    DemoRandom random(seed, DemoStream::PwoCases);
    const std::vector<bool> clients = chooseMembers(random, patients, quota(patients, pwoClientsPerMille, 5));
    std::vector<PwoCase> cases(static_cast<std::size_t>(patients));
    std::vector<Moment> opened;
    std::vector<std::size_t> owners;
    for (int i = 0; i < patients; ++i) {
        if (!clients[i])
            continue;
        PwoCase &file = cases[i];
        file.validFrom = today.addDays(-random.below(classificationDaysBack));
        file.expiry = file.validFrom.addMonths(random.percent(50) ? 6 : 12);
        if (!random.percent(10))
            file.classification = QString::fromLatin1(pickWeighted(random, classificationShares).value);
        opened.push_back(Moment::at(file.validFrom, 9));
        owners.push_back(static_cast<std::size_t>(i));
    }
    const std::vector<YearSequence> numbers = numberWithinYears(opened);
    for (std::size_t k = 0; k < owners.size(); ++k)
        cases[owners[k]].number = pwoCaseNumber(numbers[k]);
    return cases;
}

class MasterWriter {
public:
    explicit MasterWriter(sqlite3 *db)
        : rows_(db, QStringLiteral("PATIENT_DATA.tbMaster"),
                {QStringLiteral("HospNum"), QStringLiteral("LastName"), QStringLiteral("FirstName"),
                 QStringLiteral("MiddleName"), QStringLiteral("Sex"), QStringLiteral("BirthDate"),
                 QStringLiteral("BirthPlace"), QStringLiteral("CivilStatus"), QStringLiteral("Religion"),
                 QStringLiteral("Occupation"), QStringLiteral("TelNumber"), QStringLiteral("Employer"),
                 QStringLiteral("HouseStreet"), QStringLiteral("Barangay"), QStringLiteral("Municipality"),
                 QStringLiteral("Province"), QStringLiteral("PWONum"), QStringLiteral("PWOClassification"),
                 QStringLiteral("PWODiscountExpiry"), QStringLiteral("PWODiscountValidity")})
    {
    }

    PatientFacts write(DemoRandom &random, int index, QDate today, const PwoCase &file)
    {
        PatientFacts facts;
        facts.sex = randomSex(random);
        const int age = randomAge(random);
        facts.birthDate = today.addYears(-age).addDays(-random.below(365));
        facts.pwoClient = !file.number.isNull();

        PersonName name = randomPersonName(random, facts.sex);
        if (index == obrienPatientIndex)
            name.last = QStringLiteral("O'BRIEN");
        const QString birthPlace = randomBirthPlace(random);
        const QString civilStatus = randomCivilStatusCode(random, age);
        const QString religion = randomReligionCode(random);
        const QString occupation = randomOccupation(random, age);
        const QString telephone = randomTelephone(random);
        const QString employer = randomEmployer(random, occupation);
        const Address address = randomAddress(random);

        const bool classified = facts.pwoClient && !file.classification.isNull();
        rows_.insert({hospitalNumber(index), name.last, name.first, textOrNull(name.middle), sexCode(facts.sex),
                      storedDateTime(facts.birthDate), birthPlace, civilStatus, religion, textOrNull(occupation),
                      textOrNull(telephone), textOrNull(employer), address.houseStreet, address.barangay,
                      address.municipality, address.province, textOrNull(file.number),
                      textOrNull(file.classification),
                      classified ? pwo::Value(storedDateTime(file.expiry)) : pwo::Value(),
                      facts.pwoClient ? pwo::Value(pwo::sql::dateText(file.validFrom))
                                      : pwo::Value()});
        return facts;
    }

private:
    RowInserter rows_;
};

} // namespace

int PatientFacts::ageOn(QDate day) const
{
    int age = day.year() - birthDate.year();
    if (day.month() < birthDate.month() || (day.month() == birthDate.month() && day.day() < birthDate.day()))
        --age;
    return age;
}

std::vector<PatientFacts> writePatients(sqlite3 *db, std::uint64_t seed, int count, QDate today)
{
    const std::vector<PwoCase> cases = openPwoCases(seed, count, today);
    DemoRandom random(seed, DemoStream::Persons);
    MasterWriter master(db);
    std::vector<PatientFacts> patients;
    patients.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        patients.push_back(master.write(random, i, today, cases[i]));
    return patients;
}

} // namespace hospital::dbserver::demo
