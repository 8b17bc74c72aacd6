#include "PatientListProcedures.h"

#include "hospital/dbserver/SqlProcedure.h"

#include <QStringList>

namespace hospital::dbserver {

namespace {

// Where a list's stays come from: the stem of a pair of views,
// PATIENT_DATA.vwList<stem>ByStay and …ByPatient (the same rows, walked from
// the stay table or from the patient master).
enum class Stays { Admission, Visit, ERVisit };

QString stemOf(Stays stays)
{
    switch (stays) {
    case Stays::Admission: return QStringLiteral("Admission");
    case Stays::Visit: return QStringLiteral("Visit");
    case Stays::ERVisit: return QStringLiteral("ERVisit");
    }
    return {};
}

// A prefix range: char(65535) sorts after every continuation of a prefix
// under HOSPITAL. A typed apostrophe arrives as a backtick.
QString prefixOf(const QString &column, const QString &parameter)
{
    return QStringLiteral("%1 >= %2 AND %1 < %2 || char(65535)").arg(column, parameter);
}
const QString lastNameParameter = QStringLiteral("replace(@LastName, '`', '''')");

// Which table an unnarrowed search walks first: the one the list's filter
// reads, so that the filter throws rows out early.
enum class Walk { ByStay, ByPatient };

// The arms of one source. Only the arm whose guard holds runs, starting from
// the index of the most telling argument given.
QStringList armsOf(const QString &stem, Walk unnarrowed)
{
    const QString byStay = QStringLiteral("SELECT * FROM %1ByStay").arg(stem);
    const QString byPatient = QStringLiteral("SELECT * FROM %1ByPatient").arg(stem);
    return {
        byStay + QStringLiteral(" WHERE @IdNum <> '' AND ") + prefixOf(QStringLiteral("IDNUM"), QStringLiteral("@IdNum")),
        byStay + QStringLiteral(" WHERE @IdNum = '' AND @HospNum <> '' AND ") +
            prefixOf(QStringLiteral("HospNum"), QStringLiteral("@HospNum")),
        byPatient + QStringLiteral(" WHERE @IdNum = '' AND @HospNum = '' AND @LastName <> '' AND ") +
            prefixOf(QStringLiteral("LastName"), lastNameParameter),
        byPatient + QStringLiteral(" WHERE @IdNum = '' AND @HospNum = '' AND @LastName = '' AND @FirstName <> '' AND ") +
            prefixOf(QStringLiteral("FirstName"), QStringLiteral("@FirstName")),
        (unnarrowed == Walk::ByStay ? byStay : byPatient) +
            QStringLiteral(" WHERE @IdNum = '' AND @HospNum = '' AND @LastName = '' AND @FirstName = ''"),
    };
}

// The whole list: the stays of every source narrowed by `filter` (SQL on
// the views' columns, or empty), searched, and checked against every
// argument. The outer check's OR terms can use no index, so they do not
// steer the plan.
QString listBody(std::initializer_list<Stays> sources, const QString &filter, Walk unnarrowed)
{
    const QString where = filter.isEmpty() ? QString() : QStringLiteral(" WHERE ") + filter;
    QStringList views;
    QStringList arms;
    for (Stays source : sources) {
        const QString stem = stemOf(source);
        for (const char *walk : {"ByStay", "ByPatient"})
            views << QStringLiteral("%1%2 AS NOT MATERIALIZED (SELECT * FROM PATIENT_DATA.vwList%1%2%3)")
                         .arg(stem, QLatin1String(walk), where);
        arms << armsOf(stem, unnarrowed);
    }
    const auto optional = [](const QString &parameter, const QString &range) {
        return QStringLiteral("(%1 = '' OR %2)").arg(parameter, range);
    };
    return QStringLiteral("WITH ") + views.join(QStringLiteral(",\n     ")) +
           QStringLiteral("\nSELECT IDNUM, HospNum, AdmDate, LastName, FirstName, MiddleName, RoomID, PWO,\n"
                          "       substr(ifnull(', ' || HouseStreet, '') || ifnull(', ' || Barangay, '')"
                          " || ifnull(', ' || Municipality, '') || ifnull(', ' || Province, ''), 3) AS Address,\n"
                          "       dcrdate, NULL AS BillingDate, ERNum\n  FROM (") +
           arms.join(QStringLiteral("\n        UNION ALL\n        ")) + QStringLiteral(")\n WHERE ") +
           QStringList{optional(QStringLiteral("@IdNum"), prefixOf(QStringLiteral("IDNUM"), QStringLiteral("@IdNum"))),
                       optional(QStringLiteral("@HospNum"), prefixOf(QStringLiteral("HospNum"), QStringLiteral("@HospNum"))),
                       optional(QStringLiteral("@LastName"), prefixOf(QStringLiteral("LastName"), lastNameParameter)),
                       optional(QStringLiteral("@FirstName"), prefixOf(QStringLiteral("FirstName"), QStringLiteral("@FirstName"))),
                       optional(QStringLiteral("@MiddleName"),
                                prefixOf(QStringLiteral("MiddleName"), QStringLiteral("@MiddleName")))}
               .join(QStringLiteral("\n   AND ")) +
           QStringLiteral("\n ORDER BY LastName, FirstName, MiddleName, IDNUM;");
}

std::vector<SqlProcedure::Parameter> listParameters()
{
    std::vector<SqlProcedure::Parameter> parameters;
    for (const char *name : {"@HospNum", "@LastName", "@IdNum", "@FirstName", "@MiddleName"})
        parameters.push_back({QString::fromLatin1(name), QStringLiteral("varchar"), false, {}});
    return parameters;
}

void addList(ProcedureRegistry &registry, const QString &name, std::initializer_list<Stays> sources,
             const QString &filter = {}, Walk unnarrowed = Walk::ByStay)
{
    registry.add(QStringLiteral("PWO"), name,
                 std::make_unique<SqlProcedure>(name, listParameters(), listBody(sources, filter, unnarrowed)));
}

} // namespace

void addPatientListProcedures(ProcedureRegistry &registry)
{
    // current in-patients, out-patient visits, emergency-room visits: every class
    addList(registry, QStringLiteral("sp_PWO_LoadInPatient"), {Stays::Admission});
    addList(registry, QStringLiteral("sp_PWO_LoadOutPatient"), {Stays::Visit});
    addList(registry, QStringLiteral("sp_PWO_LoadERPatient"), {Stays::ERVisit});
    // the service patients (class S, a stay's) of all three
    addList(registry, QStringLiteral("sp_PWO_LoadAllServicePatient"), {Stays::Admission, Stays::Visit, Stays::ERVisit},
            QStringLiteral("Class = 'S'"));
    // the department's own patients: those with a case number (the master's)
    addList(registry, QStringLiteral("sp_PWO_LoadPWOPatient"), {Stays::Admission, Stays::Visit, Stays::ERVisit},
            QStringLiteral("PWO <> ''"), Walk::ByPatient);
}

} // namespace hospital::dbserver
