#include "hospital/dbserver/demo/CodeTables.h"

#include "hospital/dbserver/demo/DemoStatements.h"
#include "hospital/dbserver/demo/FilipinoNames.h"

#include "data/DatabaseError.h"

#include <map>

namespace hospital::dbserver::demo {

namespace {

struct Code {
    const char *code;
    const char *description;
};

constexpr Code civilStatuses[] = {
    {"S", "SINGLE"}, {"M", "MARRIED"}, {"W", "WIDOWED"}, {"SP", "SEPARATED"}, {"CL", "COMMON-LAW"},
};

constexpr Code religions[] = {
    {"RC", "ROMAN CATHOLIC"},  {"INC", "IGLESIA NI CRISTO"}, {"ISL", "ISLAM"},
    {"BA", "BORN AGAIN CHRISTIAN"}, {"AGL", "AGLIPAYAN"},   {"SDA", "SEVENTH-DAY ADVENTIST"},
    {"BAP", "BAPTIST"},        {"JW", "JEHOVAH'S WITNESS"},  {"OTH", "OTHERS"},
};
constexpr Weighted religionShares[] = {
    {"RC", 80}, {"INC", 6}, {"ISL", 4}, {"BA", 3}, {"AGL", 2}, {"SDA", 2}, {"BAP", 1}, {"JW", 1}, {"OTH", 1},
};

constexpr Code relationships[] = {
    {"F", "FATHER"},   {"MO", "MOTHER"},   {"SP", "SPOUSE"},      {"SO", "SON"},
    {"DA", "DAUGHTER"}, {"BR", "BROTHER"}, {"SI", "SISTER"},      {"GP", "GRANDPARENT"},
    {"GC", "GRANDCHILD"}, {"UN", "UNCLE"}, {"AU", "AUNT"},        {"NN", "NEPHEW/NIECE"},
    {"CO", "COUSIN"},  {"IL", "IN-LAW"},   {"GU", "GUARDIAN"},    {"FR", "FRIEND"},
    {"OT", "OTHERS"},
};

struct Specialty {
    const char *name;
    int doctors;
};

constexpr Specialty internalMedicine{"INTERNAL MEDICINE", 9};
constexpr Specialty surgery{"GENERAL SURGERY", 6};
constexpr Specialty orthopedics{"ORTHOPEDICS", 2};
constexpr Specialty pediatrics{"PEDIATRICS", 6};
constexpr Specialty obstetrics{"OBSTETRICS AND GYNECOLOGY", 5};
constexpr Specialty familyMedicine{"FAMILY MEDICINE", 5};
constexpr Specialty emergencyMedicine{"EMERGENCY MEDICINE", 4};

constexpr const Specialty *specialties[] = {&internalMedicine, &surgery,        &orthopedics,      &pediatrics,
                                            &obstetrics,       &familyMedicine, &emergencyMedicine};

struct WardPlan {
    WardKind kind;
    const char *station;
    const char *roomPrefix;
    const char *roomWord;  // "BED" in open wards, "ROOM" where patients have one
    int rooms;
    double dailyRate;
    std::vector<const Specialty *> attending;
};

const std::vector<WardPlan> &wardPlans()
{
    static const std::vector<WardPlan> plans{
        {WardKind::Medicine, "MEDICINE WARD", "MW", "BED", 24, 300.0, {&internalMedicine}},
        {WardKind::Surgery, "SURGERY WARD", "SW", "BED", 18, 300.0, {&surgery, &orthopedics}},
        {WardKind::Pediatrics, "PEDIATRIC WARD", "PW", "BED", 18, 300.0, {&pediatrics}},
        {WardKind::Obstetrics, "OB-GYNE WARD", "OB", "BED", 14, 300.0, {&obstetrics}},
        {WardKind::IntensiveCare, "INTENSIVE CARE UNIT", "ICU", "BED", 6, 2500.0, {&internalMedicine}},
        {WardKind::Private, "PRIVATE WING", "PV", "ROOM", 12, 1500.0,
         {&internalMedicine, &surgery, &pediatrics, &obstetrics}},
    };
    return plans;
}

struct CompanyRow {
    const char *company;
    const char *address;
};

// Fictional sponsors of the kinds that pay for stays in a public hospital.
constexpr CompanyRow companyRows[] = {
    {"BAYANIHAN MULTI-PURPOSE COOPERATIVE", "MAHARLIKA HWY., SANTA ROSA, NUEVA ECIJA"},
    {"OFFICE OF THE PROVINCIAL GOVERNOR", "CAPITOL COMPOUND, PALAYAN CITY, NUEVA ECIJA"},
    {"LINGAP SA MAMAMAYAN FOUNDATION INC.", "BURGOS AVE., CABANATUAN CITY, NUEVA ECIJA"},
    {"GITNANG LUZON BUILDERS CORP.", "DEL PILAR ST., GAPAN CITY, NUEVA ECIJA"},
    {"PAG-ASA HEALTH CARE PLAN INC.", "QUEZON BLVD., QUEZON CITY, METRO MANILA"},
    {"BAYANIHAN RICE MILLS INC.", "RIZAL ST., TALAVERA, NUEVA ECIJA"},
    {"TALA SECURITY AGENCY", "MABINI ST., CABANATUAN CITY, NUEVA ECIJA"},
    {"HIYAS ELECTRIC COOPERATIVE", "SAN ISIDRO, SAN LEONARDO, NUEVA ECIJA"},
    {"MABUHAY GARMENTS INC.", "LUNA ST., SAN MIGUEL, BULACAN"},
    {"OFFICE OF THE CONGRESSMAN, 3RD DISTRICT", "POBLACION, SANTA ROSA, NUEVA ECIJA"},
    {"SAMAHAN NG MAGSASAKA NG JAEN", "POBLACION, JAEN, NUEVA ECIJA"},
    {"PEÑARANDA WATER DISTRICT", "RIZAL ST., PEÑARANDA, NUEVA ECIJA"},
};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

template<std::size_t N>
int writeCodeList(sqlite3 *db, const QString &table, const QString &idColumn, const Code (&codes)[N])
{
    RowInserter rows(db, table, {QStringLiteral("Code"), QStringLiteral("Description"), idColumn});
    int id = 0;
    for (const Code &code : codes)
        rows.insert({text(code.code), text(code.description), ++id});
    return static_cast<int>(N);
}

int writeHospitalInfo(sqlite3 *db)
{
    RowInserter rows(db, QStringLiteral("PATIENT_DATA.tbHospitalInfo"),
                     {QStringLiteral("Company"), QStringLiteral("Address1"), QStringLiteral("Title"),
                      QStringLiteral("TinNo"), QStringLiteral("MTSServerName")});
    rows.insert({QStringLiteral("DOÑA REMEDIOS PROVINCIAL HOSPITAL"),
                 QStringLiteral("MAHARLIKA HIGHWAY, BRGY. SAN ISIDRO, SANTA ROSA, NUEVA ECIJA"),
                 QStringLiteral("PROVINCIAL GOVERNMENT OF NUEVA ECIJA"), QStringLiteral("000-421-387-000"),
                 QString()});
    return 1;
}

using DoctorsBySpecialty = std::map<const Specialty *, QStringList>;

DoctorsBySpecialty writeDoctors(sqlite3 *db, DemoRandom &random, HospitalCodes &codes)
{
    RowInserter rows(db, QStringLiteral("BUILD_FILE.tbCoDoctor"),
                     {QStringLiteral("DoctorID"), QStringLiteral("LastName"), QStringLiteral("FirstName"),
                      QStringLiteral("MiddleName"), QStringLiteral("Specialty")});
    DoctorsBySpecialty bySpecialty;
    for (const Specialty *specialty : specialties) {
        for (int i = 0; i < specialty->doctors; ++i) {
            const QString id = QStringLiteral("DR%1").arg(codes.doctors.size() + 1, 3, 10, QLatin1Char('0'));
            const PersonName name = randomPersonName(random, randomSex(random));
            rows.insert({id, name.last, name.first, textOrNull(name.middle), text(specialty->name)});
            codes.doctors << id;
            bySpecialty[specialty] << id;
        }
    }
    codes.clinicDoctors = bySpecialty[&familyMedicine] + bySpecialty[&internalMedicine] + bySpecialty[&pediatrics] +
                          bySpecialty[&obstetrics];
    codes.emergencyDoctors = bySpecialty[&emergencyMedicine] + bySpecialty[&familyMedicine];
    return bySpecialty;
}

int writeRooms(sqlite3 *db, const DoctorsBySpecialty &doctors, HospitalCodes &codes)
{
    RowInserter rows(db, QStringLiteral("BUILD_FILE.tbCoRoom"),
                     {QStringLiteral("RoomID"), QStringLiteral("Description"), QStringLiteral("Station"),
                      QStringLiteral("RoomRate")});
    int count = 0;
    for (const WardPlan &plan : wardPlans()) {
        Ward ward{plan.kind, {}, {}};
        for (int number = 1; number <= plan.rooms; ++number) {
            const QString id = QStringLiteral("%1-%2").arg(text(plan.roomPrefix)).arg(number, 2, 10, QLatin1Char('0'));
            rows.insert({id, QStringLiteral("%1 %2 %3").arg(text(plan.station), text(plan.roomWord)).arg(number),
                         text(plan.station), plan.dailyRate});
            ward.roomIds << id;
            ++count;
        }
        for (const Specialty *specialty : plan.attending)
            ward.attendingDoctors += doctors.at(specialty);
        codes.wards.push_back(std::move(ward));
    }
    return count;
}

int writeCompanies(sqlite3 *db, HospitalCodes &codes)
{
    RowInserter rows(db, QStringLiteral("BILLING.tbCompany"),
                     {QStringLiteral("AccountNum"), QStringLiteral("Company"), QStringLiteral("Address")});
    for (const CompanyRow &company : companyRows) {
        const QString accountNum = QStringLiteral("CO%1").arg(codes.companies.size() + 1, 3, 10, QLatin1Char('0'));
        rows.insert({accountNum, text(company.company), text(company.address)});
        codes.companies << accountNum;
    }
    return static_cast<int>(codes.companies.size());
}

} // namespace

const Ward &HospitalCodes::ward(WardKind kind) const
{
    for (const Ward &candidate : wards)
        if (candidate.kind == kind)
            return candidate;
    throw pwo::DatabaseError(0, QStringLiteral("The demo hospital has no ward of kind %1").arg(static_cast<int>(kind)),
                             QStringLiteral("Demo hospital"));
}

HospitalCodes writeCodeTables(sqlite3 *db, std::uint64_t seed)
{
    DemoRandom random(seed, DemoStream::CodeTables);
    HospitalCodes codes;
    codes.rowCount += writeHospitalInfo(db);
    codes.rowCount += writeCodeList(db, QStringLiteral("BUILD_FILE.tbCoCivilStatus"), QStringLiteral("CivilStatusID"),
                                    civilStatuses);
    codes.rowCount += writeCodeList(db, QStringLiteral("BUILD_FILE.tbCoReligion"), QStringLiteral("ReligionID"),
                                    religions);
    codes.rowCount += writeCodeList(db, QStringLiteral("BUILD_FILE.tbCoRelationship"),
                                    QStringLiteral("RelationshipID"), relationships);
    const DoctorsBySpecialty doctors = writeDoctors(db, random, codes);
    codes.rowCount += static_cast<int>(codes.doctors.size());
    codes.rowCount += writeRooms(db, doctors, codes);
    codes.rowCount += writeCompanies(db, codes);
    return codes;
}

QString randomReligionCode(DemoRandom &random)
{
    return text(pickWeighted(random, religionShares).value);
}

QString randomCivilStatusCode(DemoRandom &random, int ageYears)
{
    if (ageYears < 18)
        return QStringLiteral("S");
    if (ageYears < 26) {
        static constexpr Weighted young[] = {{"S", 70}, {"M", 24}, {"CL", 6}};
        return text(pickWeighted(random, young).value);
    }
    if (ageYears < 60) {
        static constexpr Weighted adult[] = {{"S", 18}, {"M", 64}, {"SP", 6}, {"CL", 9}, {"W", 3}};
        return text(pickWeighted(random, adult).value);
    }
    static constexpr Weighted elder[] = {{"M", 55}, {"W", 40}, {"S", 5}};
    return text(pickWeighted(random, elder).value);
}

} // namespace hospital::dbserver::demo
