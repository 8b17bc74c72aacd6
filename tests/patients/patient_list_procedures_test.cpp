#include "DemoDatabase.h"
#include "TestPrinters.h"

#include "hospital/dbserver/StandInProvider.h"

#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/SqlText.h"

#include <gtest/gtest.h>

using namespace pwo;

namespace {

// The list procedures on a fresh demo hospital, with plain queries of the
// same tables to hold their answers against.
class ListProcedures : public ::testing::Test {
protected:
    void SetUp() override
    {
        hospital::dbserver::registerStandInProvider();
        connection.Open(hospital::dbserver::standInConnectionString(demo.folder()));
    }

    struct Row {
        QString idNum, hospNum, lastName, firstName, middleName, pwo, dcrDate, erNum;
    };

    std::vector<Row> list(const char *procedure, const QString &hospNum = {}, const QString &lastName = {},
                          const QString &idNum = {}, const QString &firstName = {}, const QString &middleName = {})
    {
        Recordset result;
        result.Open(QStringLiteral("PWO..%1 ").arg(QLatin1String(procedure)) +
                        sql::quotedList({hospNum, lastName, idNum, firstName, middleName}),
                    connection, 2, adLockReadOnly, -1);
        columns = result.columnNames();
        std::vector<Row> rows;
        for (; !result.Eof(); result.MoveNext())
            rows.push_back({result.value("IDNUM").text(), result.value("HospNum").text(),
                            result.value("LastName").text(), result.value("FirstName").text(),
                            result.value("MiddleName").text(), result.value("PWO").text(),
                            result.value("dcrdate").text(), result.value("ERNum").text()});
        result.Close();
        return rows;
    }

    QStringList idNumbers(const QString &select)
    {
        Recordset result;
        result.Open(select, connection);
        QStringList found;
        for (; !result.Eof(); result.MoveNext())
            found << result.valueAt(result.currentRow(), 0).text();
        result.Close();
        return found;
    }

    // Sorted, and with any row that comes twice kept twice.
    static QStringList idsOf(const std::vector<Row> &rows)
    {
        QStringList ids;
        for (const Row &r : rows)
            ids << r.idNum;
        ids.sort();
        return ids;
    }
    static QStringList sortedIds(QStringList ids)
    {
        ids.sort();
        return ids;
    }

    DemoDatabase demo;
    Connection connection;
    QStringList columns;
};

const QString currentAdmissions = QStringLiteral("SELECT IdNum FROM PATIENT_DATA..tbPatient2 WHERE DcrDate IS NULL");
const QString serviceStays = QStringLiteral(
    "SELECT IdNum FROM PATIENT_DATA..tbPatient2 WHERE DcrDate IS NULL AND PatientClass = 'S' "
    "UNION ALL SELECT IdNum FROM PATIENT_DATA..tbOutPatient WHERE PatientType = 'S' "
    "UNION ALL SELECT IdNum FROM PATIENT_DATA..tbERMaster WHERE PatientClassification = 'S'");

} // namespace

TEST_F(ListProcedures, EachGivesTheTwelveColumnsOfTheList)
{
    const QStringList twelve{"IDNUM", "HospNum", "AdmDate", "LastName", "FirstName", "MiddleName",
                             "RoomID", "PWO", "Address", "dcrdate", "BillingDate", "ERNum"};
    for (const char *procedure : {"sp_PWO_LoadInPatient", "sp_PWO_LoadOutPatient", "sp_PWO_LoadAllServicePatient",
                                  "sp_PWO_LoadERPatient", "sp_PWO_LoadPWOPatient"}) {
        EXPECT_FALSE(list(procedure).empty()) << procedure;
        EXPECT_EQ(columns, twelve) << procedure;
    }
}

TEST_F(ListProcedures, EmptyArgumentsListEveryStayOfTheirKind)
{
    EXPECT_EQ(idsOf(list("sp_PWO_LoadInPatient")), sortedIds(idNumbers(currentAdmissions)));
    EXPECT_EQ(idsOf(list("sp_PWO_LoadOutPatient")), sortedIds(idNumbers("SELECT IdNum FROM PATIENT_DATA..tbOutPatient")));
    EXPECT_EQ(idsOf(list("sp_PWO_LoadAllServicePatient")), sortedIds(idNumbers(serviceStays)));
    EXPECT_EQ(idsOf(list("sp_PWO_LoadPWOPatient")),
              sortedIds(idNumbers("SELECT a.IdNum FROM PATIENT_DATA..tbPatient2 a JOIN PATIENT_DATA..tbMaster m "
                              "ON m.HospNum = a.HospNum WHERE a.DcrDate IS NULL AND m.PWONum <> '' "
                              "UNION ALL SELECT o.IdNum FROM PATIENT_DATA..tbOutPatient o JOIN PATIENT_DATA..tbMaster m "
                              "ON m.HospNum = o.HospNum WHERE m.PWONum <> '' "
                              "UNION ALL SELECT e.IdNum FROM PATIENT_DATA..tbERMaster e JOIN PATIENT_DATA..tbMaster m "
                              "ON m.HospNum = e.HospNum WHERE m.PWONum <> ''")));

    const std::vector<Row> er = list("sp_PWO_LoadERPatient");
    EXPECT_EQ(idsOf(er), sortedIds(idNumbers("SELECT IdNum FROM PATIENT_DATA..tbERMaster")));
    for (const Row &r : er)
        EXPECT_EQ(r.erNum, r.idNum);
    for (const Row &r : list("sp_PWO_LoadInPatient")) {
        EXPECT_TRUE(r.dcrDate.isEmpty());
        EXPECT_TRUE(r.erNum.isEmpty());
    }
}

TEST_F(ListProcedures, ArgumentsArePrefixesWhateverTheirCase)
{
    struct Case {
        QString hospNum, lastName, idNum, firstName, middleName;
    };
    for (const char *procedure : {"sp_PWO_LoadInPatient", "sp_PWO_LoadOutPatient", "sp_PWO_LoadAllServicePatient",
                                  "sp_PWO_LoadERPatient", "sp_PWO_LoadPWOPatient"}) {
        const std::vector<Row> all = list(procedure);
        ASSERT_GT(all.size(), 10u) << procedure;
        const Row &someone = all[all.size() / 2];
        // one case for each argument that can lead the search, then some together
        const std::vector<Case> cases{
            {someone.hospNum.left(6), {}, {}, {}, {}},
            {{}, someone.lastName.left(2).toLower(), {}, {}, {}},
            {{}, {}, someone.idNum.left(5), {}, {}},
            {{}, {}, {}, someone.firstName.left(3).toLower(), {}},
            {{}, {}, {}, {}, someone.middleName.left(1)},
            {{}, someone.lastName, {}, someone.firstName.left(1), {}},
            {someone.hospNum, {}, someone.idNum, {}, {}},
            {someone.hospNum.left(7), {}, {}, someone.firstName, {}},
            {someone.hospNum.left(7), someone.lastName.left(1), {}, {}, {}},
            {{}, someone.lastName.left(1), someone.idNum.left(6), {}, {}},
            {{}, {}, someone.idNum.left(6), someone.firstName.left(1), someone.middleName},
        };
        for (const Case &c : cases) {
            std::vector<Row> expected;
            for (const Row &r : all)
                if (r.hospNum.startsWith(c.hospNum, Qt::CaseInsensitive) &&
                    r.lastName.startsWith(c.lastName, Qt::CaseInsensitive) &&
                    r.idNum.startsWith(c.idNum, Qt::CaseInsensitive) &&
                    r.firstName.startsWith(c.firstName, Qt::CaseInsensitive) &&
                    r.middleName.startsWith(c.middleName, Qt::CaseInsensitive))
                    expected.push_back(r);
            const QStringList found = idsOf(list(procedure, c.hospNum, c.lastName, c.idNum, c.firstName, c.middleName));
            EXPECT_EQ(found, idsOf(expected))
                << procedure << " " << c.hospNum.toStdString() << "|" << c.lastName.toStdString() << "|"
                << c.idNum.toStdString() << "|" << c.firstName.toStdString() << "|" << c.middleName.toStdString();
            EXPECT_TRUE(found.contains(someone.idNum)) << procedure;
        }
    }
}

TEST_F(ListProcedures, TheBacktickOfTheKeyboardFindsTheStoredApostrophe)
{
    const std::vector<Row> found = list("sp_PWO_LoadOutPatient", {}, QStringLiteral("O`BRI"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].lastName, QStringLiteral("O'BRIEN"));
    EXPECT_EQ(list("sp_PWO_LoadOutPatient", {}, QStringLiteral("O'BRI")).size(), 1u);
    EXPECT_TRUE(list("sp_PWO_LoadOutPatient", {}, QStringLiteral("O`BRIX")).empty());
}

TEST_F(ListProcedures, RowsComeInNameOrder)
{
    for (const char *procedure : {"sp_PWO_LoadInPatient", "sp_PWO_LoadAllServicePatient", "sp_PWO_LoadPWOPatient"}) {
        const std::vector<Row> rows = list(procedure);
        for (size_t i = 1; i < rows.size(); ++i) {
            const int byLastName = QString::compare(rows[i - 1].lastName, rows[i].lastName, Qt::CaseInsensitive);
            const int byFirstName = QString::compare(rows[i - 1].firstName, rows[i].firstName, Qt::CaseInsensitive);
            ASSERT_TRUE(byLastName < 0 || (byLastName == 0 && byFirstName <= 0)) << procedure << " row " << i;
        }
    }
}

TEST_F(ListProcedures, TheDepartmentListHoldsOnlyPatientsWithACaseNumber)
{
    const std::vector<Row> rows = list("sp_PWO_LoadPWOPatient");
    ASSERT_FALSE(rows.empty());
    for (const Row &r : rows)
        EXPECT_FALSE(r.pwo.isEmpty()) << r.idNum.toStdString();
}
