#include "ScratchDatabase.h"

#include "hospital/dbserver/SqlProcedure.h"
#include "hospital/dbserver/StandInSession.h"

#include "data/Recordset.h"

#include <gtest/gtest.h>

using namespace pwo;
using hospital::dbserver::ProcedureRegistry;
using hospital::dbserver::SqlProcedure;

namespace {

ProcedureRegistry echoRegistry()
{
    ProcedureRegistry registry;
    registry.add(QStringLiteral("PWO"), QStringLiteral("sp_PWO_Echo"),
                 std::make_unique<SqlProcedure>(
                     QStringLiteral("sp_PWO_Echo"),
                     std::vector<SqlProcedure::Parameter>{{QStringLiteral("@Text"), QStringLiteral("varchar")},
                                                          {QStringLiteral("@Count"), QStringLiteral("int"), true, Value(std::int64_t{0})},
                                                          {QStringLiteral("@Tail"), QStringLiteral("varchar"), true, Value(QString())},
                                                          {QStringLiteral("@When"), QStringLiteral("datetime"), true, Value()}},
                     QStringLiteral("SELECT @Text AS Text, @Count AS Count, @Tail AS Tail, @When AS [When]")));
    registry.add(QStringLiteral("BILLING"), QStringLiteral("sp_Billing_Bare"),
                 std::make_unique<SqlProcedure>(QStringLiteral("sp_Billing_Bare"), std::vector<SqlProcedure::Parameter>{},
                                                QStringLiteral("SELECT 'bare' AS Answer")));
    return registry;
}

class ProcedureCalls : public ::testing::Test {
protected:
    ProcedureCalls()
    {
        connection.Open(std::make_unique<hospital::dbserver::StandInSession>(
                            db.folder(), std::make_shared<const ProcedureRegistry>(echoRegistry())),
                        QString());
    }

    // The one row of a call's answer.
    QStringList answer(const QString &batch)
    {
        Recordset rs;
        rs.Open(batch, connection, 2, adLockReadOnly, -1);
        EXPECT_EQ(rs.RecordCount(), 1) << batch.toStdString();
        QStringList values;
        for (const QString &column : rs.columnNames()) {
            const Value v = rs.Fields(column).Value();
            values << (v.isNull() ? QStringLiteral("<null>") : v.toText());
        }
        return values;
    }

    long errorOf(const QString &batch)
    {
        try {
            connection.Execute(batch);
        } catch (const DatabaseError &e) {
            return e.number();
        }
        ADD_FAILURE() << "no error for " << batch.toStdString();
        return 0;
    }

    ScratchDatabase db;
    Connection connection;
};

} // namespace

TEST_F(ProcedureCalls, EveryWrittenFormReachesTheProcedure)
{
    EXPECT_EQ(answer(QStringLiteral("PWO..sp_PWO_Echo 'x'")), (QStringList{"x", "0", "", "<null>"}));
    EXPECT_EQ(answer(QStringLiteral("PWO..sp_PWO_Echo'x'")), (QStringList{"x", "0", "", "<null>"}));
    EXPECT_EQ(answer(QStringLiteral("pwo..SP_PWO_ECHO 'x','4','y'")), (QStringList{"x", "4", "y", "<null>"}));
    EXPECT_EQ(answer(QStringLiteral("PWO..sp_PWO_Echo 'x',4,1")), (QStringList{"x", "4", "1", "<null>"}));
    EXPECT_EQ(answer(QStringLiteral("sp_PWO_Echo 'O''Brien' , -2")), (QStringList{"O'Brien", "-2", "", "<null>"}));
    EXPECT_EQ(answer(QStringLiteral("EXEC PWO.dbo.sp_PWO_Echo 'x'")), (QStringList{"x", "0", "", "<null>"}));
    EXPECT_EQ(answer(QStringLiteral("Billing..sp_Billing_Bare")), (QStringList{"bare"}));
}

TEST_F(ProcedureCalls, DatesArriveInTheServersForm)
{
    EXPECT_EQ(answer(QStringLiteral("PWO..sp_PWO_Echo 'x',0,'','08/15/2018'")).last(), QStringLiteral("2018-08-15 00:00:00"));
    EXPECT_EQ(answer(QStringLiteral("PWO..sp_PWO_Echo 'x',0,'','2018-08-15 14:05'")).last(), QStringLiteral("2018-08-15 14:05:00"));
    EXPECT_EQ(answer(QStringLiteral("PWO..sp_PWO_Echo 'x',0,'',''")).last(), QStringLiteral("1900-01-01 00:00:00"));
}

TEST_F(ProcedureCalls, WrongCallsFailAsTheServerDoes)
{
    EXPECT_EQ(errorOf(QStringLiteral("PWO..sp_PWO_Missing 'x'")), 2812);
    EXPECT_EQ(errorOf(QStringLiteral("BILLING..sp_PWO_Echo 'x'")), 2812);  // right name, wrong database
    EXPECT_EQ(errorOf(QStringLiteral("PWO..sp_PWO_Echo")), 201);
    EXPECT_EQ(errorOf(QStringLiteral("PWO..sp_PWO_Echo 'a',1,'b',NULL,'e'")), 8144);
    EXPECT_EQ(errorOf(QStringLiteral("PWO..sp_PWO_Echo 'a','many'")), 8114);
    EXPECT_EQ(errorOf(QStringLiteral("PWO..sp_PWO_Echo 'a',0,'','02/30/2018'")), 8114);
    EXPECT_EQ(connection.Errors().front().number, 8114);
}

TEST_F(ProcedureCalls, UnqualifiedNamesUseTheDefaultDatabase)
{
    EXPECT_EQ(connection.DefaultDatabase(), QStringLiteral("PWO"));
    connection.setDefaultDatabase(QStringLiteral("billing"));
    EXPECT_EQ(connection.DefaultDatabase(), QStringLiteral("BILLING"));
    EXPECT_EQ(answer(QStringLiteral("sp_Billing_Bare")), (QStringList{"bare"}));
    EXPECT_EQ(errorOf(QStringLiteral("sp_PWO_Echo 'x'")), 2812);
    EXPECT_THROW(connection.setDefaultDatabase(QStringLiteral("NOPE")), DatabaseError);
    EXPECT_EQ(connection.Errors().front().number, 911);
}

TEST(StandardProcedures, EveryProcedureFileIsReadable)
{
    const QStringList names = ProcedureRegistry::standard().names();
    EXPECT_TRUE(names.contains(QStringLiteral("PATIENT_DATA..sp_adm_loadinpatient")));
    EXPECT_TRUE(names.contains(QStringLiteral("BILLING..sp_pars_checkcompany")));
    EXPECT_TRUE(names.contains(QStringLiteral("BILLING..sp_billing_search_matching_opdnumber_at_tbpatient")));
}
