#include "TranslatorTestSupport.h"

#include <gtest/gtest.h>

using namespace hospital::dbserver;
using hospital::dbserver::testing::callOf;
using hospital::dbserver::testing::refusalOf;

namespace {

TEST(ProcedureCall, DatabaseQualifiedWithTextArgument)
{
    const ProcedureCall call = callOf(QStringLiteral("PWO..sp_PWO_GetEmployeeName 'x'"));
    EXPECT_EQ(call.database, QStringLiteral("PWO"));
    EXPECT_EQ(call.name, QStringLiteral("sp_PWO_GetEmployeeName"));
    EXPECT_EQ(call.arguments, std::vector<pwo::Value>{pwo::Value(QStringLiteral("x"))});
}

TEST(ProcedureCall, QuoteRightAfterTheName)
{
    const ProcedureCall call = callOf(QStringLiteral("sp_x'a'"));
    EXPECT_EQ(call.database, QString());
    EXPECT_EQ(call.name, QStringLiteral("sp_x"));
    EXPECT_EQ(call.arguments, std::vector<pwo::Value>{pwo::Value(QStringLiteral("a"))});
}

TEST(ProcedureCall, BareNameHasNoArguments)
{
    const ProcedureCall call = callOf(QStringLiteral("  PWO..sp_y  "));
    EXPECT_EQ(call.database, QStringLiteral("PWO"));
    EXPECT_EQ(call.name, QStringLiteral("sp_y"));
    EXPECT_TRUE(call.arguments.empty());
}

TEST(ProcedureCall, ArgumentsOfEveryLiteralKind)
{
    const ProcedureCall call = callOf(QStringLiteral("Billing..sp_z 'it''s' , 4,-2 ,3.5, NULL,N'n',-0.25, 1e2"));
    EXPECT_EQ(call.database, QStringLiteral("Billing"));
    EXPECT_EQ(call.name, QStringLiteral("sp_z"));
    const std::vector<pwo::Value> expected{pwo::Value(QStringLiteral("it's")), pwo::Value(std::int64_t{4}),
                                           pwo::Value(std::int64_t{-2}),       pwo::Value(3.5),
                                           pwo::Value(),                       pwo::Value(QStringLiteral("n")),
                                           pwo::Value(-0.25),                  pwo::Value(100.0)};
    EXPECT_EQ(call.arguments, expected);
    EXPECT_TRUE(call.arguments[1].isInteger());
    EXPECT_TRUE(call.arguments[3].isReal());
    EXPECT_TRUE(call.arguments[4].isNull());
}

TEST(ProcedureCall, ExecAndSchemaFormsGiveTheSameCall)
{
    for (const QString &batch : {QStringLiteral("EXEC PWO.dbo.sp_x 'a'"), QStringLiteral("execute PWO..sp_x 'a'"),
                                QStringLiteral("PWO.dbo.sp_x 'a'"), QStringLiteral("[PWO]..[sp_x] 'a'")}) {
        const ProcedureCall call = callOf(batch);
        EXPECT_EQ(call.database, QStringLiteral("PWO")) << batch.toStdString();
        EXPECT_EQ(call.name, QStringLiteral("sp_x")) << batch.toStdString();
        EXPECT_EQ(call.arguments.size(), 1u) << batch.toStdString();
    }
    const ProcedureCall schemaOnly = callOf(QStringLiteral("exec dbo.sp_x"));
    EXPECT_EQ(schemaOnly.database, QString());
    EXPECT_EQ(schemaOnly.name, QStringLiteral("sp_x"));
}

TEST(ProcedureCall, KeepsTheCaseOfNamesAsWritten)
{
    const ProcedureCall call = callOf(QStringLiteral("patient_data..SP_Lower_Mixed"));
    EXPECT_EQ(call.database, QStringLiteral("patient_data"));
    EXPECT_EQ(call.name, QStringLiteral("SP_Lower_Mixed"));
}

TEST(ProcedureCall, LargeWholeNumbersStayExact)
{
    const ProcedureCall call = callOf(QStringLiteral("sp_x 9223372036854775807, -9223372036854775808"));
    EXPECT_EQ(call.arguments[0], pwo::Value(std::int64_t{9223372036854775807}));
    EXPECT_EQ(call.arguments[1], pwo::Value(std::numeric_limits<std::int64_t>::min()));
    EXPECT_EQ(refusalOf(QStringLiteral("sp_x 9223372036854775808")),
              QStringLiteral("number 9223372036854775808 out of range"));
}

TEST(ProcedureCall, RefusesWhatIsNotAPlainLiteralList)
{
    EXPECT_EQ(refusalOf(QStringLiteral("sp_x @p='x'")), QStringLiteral("named argument '@p'"));
    EXPECT_EQ(refusalOf(QStringLiteral("sp_x 'a', @p")), QStringLiteral("variable '@p'"));
    EXPECT_EQ(refusalOf(QStringLiteral("sp_x 'a',,'b'")), QStringLiteral("empty argument"));
    EXPECT_EQ(refusalOf(QStringLiteral("sp_x 'a',")), QStringLiteral("empty argument"));
    EXPECT_EQ(refusalOf(QStringLiteral("sp_x ,'a'")), QStringLiteral("empty argument"));
    EXPECT_EQ(refusalOf(QStringLiteral("sp_x abc")),
              QStringLiteral("argument 'abc' is not quoted text, a number or NULL"));
    EXPECT_EQ(refusalOf(QStringLiteral("sp_x 'a' 'b'")), QStringLiteral("expected ',' before ''b''"));
    EXPECT_EQ(refusalOf(QStringLiteral("sp_x ('a')")),
              QStringLiteral("argument '(' is not quoted text, a number or NULL"));
    EXPECT_EQ(refusalOf(QStringLiteral("EXEC @r = sp_x")), QStringLiteral("variable '@r'"));
    EXPECT_EQ(refusalOf(QStringLiteral("EXEC")), QStringLiteral("expected a procedure name before end of statement"));
}

TEST(ProcedureCall, RefusesUnknownDatabasesAndSchemas)
{
    EXPECT_EQ(refusalOf(QStringLiteral("Payroll..sp_x")), QStringLiteral("unknown database 'Payroll'"));
    EXPECT_EQ(refusalOf(QStringLiteral("PWO.sales.sp_x")), QStringLiteral("unknown schema 'sales'"));
    EXPECT_EQ(refusalOf(QStringLiteral("srv.PWO.dbo.sp_x")), QStringLiteral("name 'srv.PWO.dbo.sp_x' not understood"));
}

} // namespace
