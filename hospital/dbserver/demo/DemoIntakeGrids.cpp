#include "hospital/dbserver/demo/DemoIntakeGrids.h"

#include "hospital/dbserver/demo/DemoRandom.h"
#include "hospital/dbserver/demo/DemoStatements.h"
#include "hospital/dbserver/demo/FilipinoNames.h"

#include <algorithm>
#include <sqlite3.h>

#include <vector>

namespace hospital::dbserver::demo {

namespace {

struct Caption {
    const char *name;
    const char *group;
};

const Caption roles[] = {
    {"PARENT", "FAMILIAL ROLES"},
    {"SPOUSE", "FAMILIAL ROLES"},
    {"CHILD", "FAMILIAL ROLES"},
    {"SIBLING", "FAMILIAL ROLES"},
    {"OTHER FAMILY MEMBERS", "FAMILIAL ROLES"},
    {"SIGNIFICANT OTHERS", "FAMILIAL ROLES"},
    {"LOVER", "OTHER INTER PERSONAL ROLES"},
    {"FRIEND", "OTHER INTER PERSONAL ROLES"},
    {"NEIGHBOR", "OTHER INTER PERSONAL ROLES"},
    {"MEMBER", "OTHER INTER PERSONAL ROLES"},
    {"OTHERS", "OTHER INTER PERSONAL ROLES"},
    {"WORKER-PAID ECONOMY", "OCCUPATIONAL ROLES"},
    {"WORKER-HOME", "OCCUPATIONAL ROLES"},
    {"WORKER-VOLUNTEER", "OCCUPATIONAL ROLES"},
    {"STUDENT", "OCCUPATIONAL ROLES"},
    {"OTHERS", "OCCUPATIONAL ROLES"},
    {"CONSUMER", "SPECIAL LIFE SITUATION ROLES"},
    {"INPATIENT CLIENT", "SPECIAL LIFE SITUATION ROLES"},
    {"OUTPATIENT CLIENT", "SPECIAL LIFE SITUATION ROLES"},
    {"PRISONER", "SPECIAL LIFE SITUATION ROLES"},
    {"IMMIGRANT-LEGAL", "SPECIAL LIFE SITUATION ROLES"},
    {"IMMIGRANT-ILLEGAL", "SPECIAL LIFE SITUATION ROLES"},
    {"IMMIGRANT-REFUGEE", "SPECIAL LIFE SITUATION ROLES"},
    {"NO SOCIAL INTERACTION PROBLEM", "NONE"},
};

const Caption problems[] = {
    {"Lack of regular food supply", "FOOD AND NUTRITION"},
    {"Nutritionally inadequate food supply", "FOOD AND NUTRITION"},
    {"Documented malnutrition", "FOOD AND NUTRITION"},
    {"Others", "FOOD AND NUTRITION"},
    {"Absence of shelter", "SHELTER"},
    {"Substandard or inadequate shelter", "SHELTER"},
    {"Others", "SHELTER"},
    {"Unemployment, employment is not available in the community", "EMPLOYMENT"},
    {"Underemployment, adequate employment is not available in the community", "EMPLOYMENT"},
    {"Inappropriate employment", "EMPLOYMENT"},
    {"Insufficient community resources for basic sustenance", "ECONOMIC RESOURCES"},
    {"Insufficient resources for needed services beyond sustenance", "ECONOMIC RESOURCES"},
    {"Other", "ECONOMIC RESOURCES"},
    {"No personal or public transportation to job or needed services", "TRANSPORTATION"},
    {"Other", "TRANSPORTATION"},
    {"Absence of affectional support system", "AFFECTIONAL SUPPORT SYSTEM"},
    {"Support system inadequate to meet affectional needs", "AFFECTIONAL SUPPORT SYSTEM"},
    {"Excessively involved support system", "AFFECTIONAL SUPPORT SYSTEM"},
    {"Other", "AFFECTIONAL SUPPORT SYSTEM"},
};

// The scales keep to single-digit ids: the sheet orders them as text.
const QStringList interactionTypes{QStringLiteral("Power"),          QStringLiteral("Ambivalence"),
                                   QStringLiteral("Responsibility"), QStringLiteral("Dependency"),
                                   QStringLiteral("Loss"),           QStringLiteral("Isolation"),
                                   QStringLiteral("Victimization"),  QStringLiteral("Mixed"),
                                   QStringLiteral("Other")};
const QStringList severities{QStringLiteral("No problem"), QStringLiteral("Low"),       QStringLiteral("Moderate"),
                             QStringLiteral("High"),       QStringLiteral("Very high"), QStringLiteral("Catastrophic")};
const QStringList durations{QStringLiteral("More than five years"), QStringLiteral("One to five years"),
                            QStringLiteral("Six months to one year"), QStringLiteral("One to six months"),
                            QStringLiteral("Two weeks to one month"), QStringLiteral("Less than two weeks")};
const QStringList copings{QStringLiteral("Outstanding coping skills"), QStringLiteral("Above average coping skills"),
                          QStringLiteral("Adequate coping skills"),    QStringLiteral("Somewhat inadequate coping skills"),
                          QStringLiteral("Inadequate coping skills"),  QStringLiteral("No coping skills")};

// Role and problem ids are not their codes, as in the hospital's tables.
constexpr int roleIdBase = 101;
constexpr int problemIdBase = 201;

const QStringList schooling{QStringLiteral("Elementary Level"),   QStringLiteral("Elementary Graduate"),
                            QStringLiteral("High School Level"),  QStringLiteral("High School Graduate"),
                            QStringLiteral("Vocational"),         QStringLiteral("College Level"),
                            QStringLiteral("College Graduate")};
const QStringList earnerJobs{QStringLiteral("Tricycle Driver"), QStringLiteral("Vendor"),
                             QStringLiteral("Farmer"),          QStringLiteral("Fisherman"),
                             QStringLiteral("Construction Worker"), QStringLiteral("Sari-sari Store Owner"),
                             QStringLiteral("Laundrywoman"),    QStringLiteral("Security Guard"),
                             QStringLiteral("Jeepney Driver"),  QStringLiteral("Overseas Worker")};

struct AssessedPatient {
    QString hospNum;
    QString lastName;
    QString address;
    int age;  // at the latest assessment
};

std::vector<AssessedPatient> assessedPatients(sqlite3 *db)
{
    const char *const sql = R"sql(
SELECT DISTINCT m.HospNum, m.LastName,
       trim(ifnull(m.HouseStreet || ', ', '') || ifnull(m.Barangay || ', ', '') || ifnull(m.Municipality, ''), ', '),
       CAST((julianday(max(a.DateAssessed)) - julianday(m.BirthDate)) / 365.25 AS INTEGER)
  FROM PWO.tbPWOAssessment a JOIN PATIENT_DATA.tbMaster m ON m.HospNum = a.HospNum
 GROUP BY m.HospNum
 ORDER BY m.HospNum
)sql";
    sqlite3_stmt *statement = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    if (rc != SQLITE_OK)
        throwDemoError(db, rc, QStringLiteral("reading the assessed patients"));
    std::vector<AssessedPatient> patients;
    auto text = [&](int column) {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)));
    };
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
        patients.push_back({text(0), text(1), text(2), sqlite3_column_int(statement, 3)});
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        throwDemoError(db, rc, QStringLiteral("reading the assessed patients"));
    return patients;
}

void writeScale(sqlite3 *db, const QString &table, const QString &nameColumn, const QStringList &names)
{
    RowInserter rows(db, table, {QStringLiteral("id"), nameColumn});
    for (qsizetype i = 0; i < names.size(); ++i)
        rows.insert({int(i) + 1, names[i]});
}

template <std::size_t N>
void writeCodes(sqlite3 *db, const QString &table, const QString &nameColumn, const QString &groupColumn,
                const Caption (&captions)[N], int idBase)
{
    RowInserter rows(db, table, {QStringLiteral("ID"), QStringLiteral("Code"), nameColumn, groupColumn});
    for (std::size_t code = 0; code < N; ++code)
        rows.insert({idBase + int(code), int(code), QString::fromUtf8(captions[code].name),
                     QString::fromUtf8(captions[code].group)});
}

struct Member {
    QString relationship;
    Sex sex;
    int age;
    QString civilStatus;
};

Member relative(DemoRandom &random, const char *male, const char *female, int youngest, int oldest,
                const QString &civilStatus)
{
    const Sex sex = randomSex(random);
    return {QString::fromLatin1(sex == Sex::Male ? male : female), sex, random.between(youngest, oldest), civilStatus};
}

// The patient's household, as the patient's age allows: a spouse and
// children, or a parent and brothers and sisters.
std::vector<Member> household(DemoRandom &random, int patientAge)
{
    std::vector<Member> members;
    if (patientAge >= 20 && random.percent(65)) {
        members.push_back(relative(random, "Husband", "Wife", std::max(18, patientAge - 8), patientAge + 8,
                                   QStringLiteral("MARRIED")));
        const int eldest = std::max(1, patientAge - 19);
        for (int child = random.between(1, 4); child > 0; --child)
            members.push_back(relative(random, "Son", "Daughter", std::max(1, eldest - 15), eldest,
                                       QStringLiteral("SINGLE")));
        return members;
    }
    // Brothers and sisters are born while the mother is between 16 and 45.
    int youngest = std::max(1, patientAge - 10);
    int eldest = patientAge + 10;
    if (patientAge + 18 <= 85) {
        const int motherAge = random.between(patientAge + 18, std::min(85, patientAge + 35));
        members.push_back({QStringLiteral("Mother"), Sex::Female, motherAge,
                           random.percent(30) ? QStringLiteral("WIDOW") : QStringLiteral("MARRIED")});
        youngest = std::max(youngest, motherAge - 45);
        eldest = std::min(eldest, motherAge - 16);
    }
    for (int sibling = random.between(1, 3); sibling > 0 && youngest <= eldest; --sibling) {
        Member member = relative(random, "Brother", "Sister", youngest, eldest, QStringLiteral("SINGLE"));
        if (member.age >= 18 && random.percent(50)) {
            const bool widowed = random.percent(20);
            member.civilStatus = widowed ? (member.sex == Sex::Male ? QStringLiteral("WIDOWER") : QStringLiteral("WIDOW"))
                                         : QStringLiteral("MARRIED");
        }
        members.push_back(member);
    }
    return members;
}

// The schooling a pupil of that age is in.
QString schoolingAt(int age)
{
    if (age < 12)
        return QStringLiteral("Elementary Level");
    if (age < 16)
        return QStringLiteral("High School Level");
    return QStringLiteral("College Level");
}

void writeFamily(RowInserter &rows, DemoRandom &random, const AssessedPatient &patient, int &number)
{
    struct Row {
        Member member;
        QString name, education, occupation;
        int income;
    };
    std::vector<Row> family;
    int total = 0;
    for (const Member &member : household(random, patient.age)) {
        const QString given = randomGivenName(random, member.sex);
        const bool toddler = member.age < 6;
        const bool student = !toddler && member.age < 22;
        const bool earns = !student && random.percent(70);
        const int income = earns ? random.between(6, 30) * 500 : 0;
        total += income;
        QString occupation = QStringLiteral("None");
        if (student)
            occupation = QStringLiteral("Student");
        else if (earns)
            occupation = random.pick(earnerJobs);
        family.push_back({member, given + QLatin1Char(' ') + patient.lastName,
                          toddler ? QStringLiteral("None") : student ? schoolingAt(member.age) : random.pick(schooling),
                          occupation, income});
    }
    for (const Row &row : family)
        rows.insert({++number, patient.hospNum, row.name, row.member.relationship, QString::number(row.member.age),
                     row.member.civilStatus, row.education, patient.address, row.occupation, row.income, total});
}

// A few roles and problems rated, the others stored unrated as a save leaves them.
void writeRatings(RowInserter &roleRows, RowInserter &problemRows, DemoRandom &random, const QString &hospNum)
{
    auto rating = [&](const QStringList &scale, bool rated) {
        return rated ? QString::number(random.between(1, int(scale.size()))) : QString();
    };
    for (int code = 0; code < int(std::size(roles)); ++code) {
        const bool rated = code != 23 && random.percent(20);
        roleRows.insert({hospNum, roleIdBase + code, rating(interactionTypes, rated), rating(severities, rated),
                         rating(durations, rated), rating(copings, rated)});
    }
    for (int code = 0; code < int(std::size(problems)); ++code) {
        const bool rated = random.percent(25);
        problemRows.insert({hospNum, problemIdBase + code, rating(severities, rated), rating(durations, rated)});
    }
}

} // namespace

int writeIntakeGrids(sqlite3 *db, std::uint64_t seed)
{
    writeScale(db, QStringLiteral("BUILD_FILE.tbcoPWOTypesSocialInteract"), QStringLiteral("types"), interactionTypes);
    writeScale(db, QStringLiteral("BUILD_FILE.tbcoPWOSeverityIndex"), QStringLiteral("type"), severities);
    writeScale(db, QStringLiteral("BUILD_FILE.tbcoPWODurationIndex"), QStringLiteral("type"), durations);
    writeScale(db, QStringLiteral("BUILD_FILE.tbcoPWOCopingIndex"), QStringLiteral("type"), copings);
    writeCodes(db, QStringLiteral("PWO.tbPWORoles"), QStringLiteral("Role"), QStringLiteral("RoleGroup"), roles,
               roleIdBase);
    writeCodes(db, QStringLiteral("PWO.tbPWOProblems"), QStringLiteral("Problem"), QStringLiteral("ProblemGroup"),
               problems, problemIdBase);

    DemoRandom random(seed, DemoStream::IntakeGrids);
    RowInserter familyRows(db, QStringLiteral("PWO.tbPWOFamilyComposition"),
                           {QStringLiteral("Number"), QStringLiteral("HospNum"), QStringLiteral("FamilyMember"),
                            QStringLiteral("Relationship"), QStringLiteral("Age"), QStringLiteral("CivilStatus"),
                            QStringLiteral("Education"), QStringLiteral("Address"), QStringLiteral("Occupation"), QStringLiteral("Income"),
                            QStringLiteral("TotalIncome")});
    RowInserter roleRows(db, QStringLiteral("PWO.tbPWOSocialFunctioning"),
                         {QStringLiteral("HospNum"), QStringLiteral("Description"), QStringLiteral("Interaction"),
                          QStringLiteral("SeverityIndex"), QStringLiteral("DurationIndex"),
                          QStringLiteral("CopingIndex")});
    RowInserter problemRows(db, QStringLiteral("PWO.tbPWOEnvironmentProblems"),
                            {QStringLiteral("HospNum"), QStringLiteral("Description"),
                             QStringLiteral("SeverityIndex"), QStringLiteral("DurationIndex")});
    int families = 0;
    int memberNumber = 0;
    for (const AssessedPatient &patient : assessedPatients(db)) {
        if (!random.percent(50))
            continue;
        writeFamily(familyRows, random, patient, memberNumber);
        ++families;
        if (random.percent(50))
            writeRatings(roleRows, problemRows, random, patient.hospNum);
    }
    return families;
}

} // namespace hospital::dbserver::demo
