#include "TranslatorTestSupport.h"

#include <gtest/gtest.h>

using hospital::dbserver::testing::refusalOf;

namespace {

TEST(Refusal, StatementsOtherThanQueriesAndDataChanges)
{
    for (const char *word : {"DECLARE @x int", "SET NOCOUNT ON", "IF 1 = 1 SELECT 1", "BEGIN TRANSACTION",
                             "CREATE TABLE t (a int)", "DROP TABLE t", "ALTER TABLE t ADD b int", "TRUNCATE TABLE t",
                             "USE PWO", "WITH c AS (SELECT 1 a) SELECT a FROM c"}) {
        const QString statement = QLatin1String(word);
        EXPECT_EQ(refusalOf(statement), QStringLiteral("unsupported statement ") + statement.section(u' ', 0, 0))
            << word;
    }
    EXPECT_EQ(refusalOf(QStringLiteral("declare @x int")), QStringLiteral("unsupported statement DECLARE"));
    EXPECT_EQ(refusalOf(QStringLiteral("(select 1)")), QStringLiteral("unexpected '('"));
}

TEST(Refusal, SelectIntoAndUpdateFrom)
{
    EXPECT_EQ(refusalOf(QStringLiteral("SELECT a INTO b FROM t")), QStringLiteral("SELECT ... INTO"));
    EXPECT_EQ(refusalOf(QStringLiteral("UPDATE t SET a = 1 FROM t JOIN u ON 1 = 1")), QStringLiteral("UPDATE ... FROM"));
    EXPECT_EQ(refusalOf(QStringLiteral("delete t from t join u on 1 = 1")),
              QStringLiteral("DELETE ... FROM with a joined table list"));
    EXPECT_EQ(refusalOf(QStringLiteral("update t set t.a = 1")), QStringLiteral("qualified column name in SET"));
    EXPECT_EQ(refusalOf(QStringLiteral("update top (1) t set a = 1")), QStringLiteral("UPDATE TOP"));
    EXPECT_EQ(refusalOf(QStringLiteral("insert into t exec sp_x")), QStringLiteral("unexpected 'exec'"));
}

TEST(Refusal, VariablesAndTemporaryTables)
{
    EXPECT_EQ(refusalOf(QStringLiteral("select * from t where a = @x")), QStringLiteral("variable '@x'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select @@identity")), QStringLiteral("variable '@@identity'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select * from #t")), QStringLiteral("temporary table '#t'"));
    EXPECT_EQ(refusalOf(QStringLiteral("insert into ##g values (1)")), QStringLiteral("temporary table '##g'"));
}

TEST(Refusal, UnknownFunctionsAreNamed)
{
    EXPECT_EQ(refusalOf(QStringLiteral("select foo(1) from t")), QStringLiteral("unknown function 'foo'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select dbo.fn(1)")), QStringLiteral("unknown function 'dbo.fn'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select scope_identity()")), QStringLiteral("unknown function 'scope_identity'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select left(a)")), QStringLiteral("wrong number of arguments to 'left'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select charindex('a', b, 2)")),
              QStringLiteral("wrong number of arguments to 'charindex'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select getdate(1)")), QStringLiteral("wrong number of arguments to 'getdate'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select sum(*) from t")), QStringLiteral("unexpected '*'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select dateadd(second, 1, d)")),
              QStringLiteral("date part 'second' not supported"));
    EXPECT_EQ(refusalOf(QStringLiteral("select datediff('day', a, b)")),
              QStringLiteral("date part ''day'' not supported"));
}

TEST(Refusal, UnknownDatabasesSchemasAndNames)
{
    EXPECT_EQ(refusalOf(QStringLiteral("select * from Payroll..t")), QStringLiteral("unknown database 'Payroll'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select Payroll..t.a from t")), QStringLiteral("unknown database 'Payroll'"));
    EXPECT_EQ(refusalOf(QStringLiteral("delete [Payroll].dbo.t")), QStringLiteral("unknown database 'Payroll'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select * from PWO.sales.t")), QStringLiteral("unknown schema 'sales'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select * from PWO.t")), QStringLiteral("unknown schema 'PWO'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select PWO.dbo.tbX.* from PWO..tbX")),
              QStringLiteral("database-qualified 'PWO.dbo.tbX.*'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select a.b.c from t")), QStringLiteral("name 'a.b.c' not understood"));
    EXPECT_EQ(refusalOf(QStringLiteral("select * from s.PWO.dbo.t")), QStringLiteral("name 's.PWO.dbo.t' not understood"));
    EXPECT_EQ(refusalOf(QStringLiteral("select PWO...c from t")), QStringLiteral("name 'PWO...c' not understood"));
    EXPECT_EQ(refusalOf(QStringLiteral("select a.b.c.d.e from t")), QStringLiteral("name 'a.b.c.d.' has too many parts"));
}

TEST(Refusal, ConversionsOutsideTheKnownTypes)
{
    EXPECT_EQ(refusalOf(QStringLiteral("select cast(x as xml)")), QStringLiteral("data type 'xml' not supported"));
    EXPECT_EQ(refusalOf(QStringLiteral("select convert(datetime, x, 103)")),
              QStringLiteral("CONVERT style on a conversion to a type other than text"));
    EXPECT_EQ(refusalOf(QStringLiteral("select cast(x as int(4))")),
              QStringLiteral("size '4' of data type 'int' not understood"));
    EXPECT_EQ(refusalOf(QStringLiteral("select cast(x as varchar(a))")),
              QStringLiteral("size 'a' of data type 'varchar' not understood"));
}

TEST(Refusal, TopThatLimitWouldChange)
{
    EXPECT_EQ(refusalOf(QStringLiteral("select top 1 a from t union select b from u")),
              QStringLiteral("TOP in a query with UNION"));
    EXPECT_EQ(refusalOf(QStringLiteral("select a from t union all select top 1 b from u")),
              QStringLiteral("TOP in a query with UNION"));
    EXPECT_EQ(refusalOf(QStringLiteral("select top 10 percent * from t")), QStringLiteral("TOP ... PERCENT"));
    EXPECT_EQ(refusalOf(QStringLiteral("select top 1 with ties * from t order by a")),
              QStringLiteral("TOP ... WITH TIES"));
    EXPECT_EQ(refusalOf(QStringLiteral("select top 1.5 * from t")), QStringLiteral("TOP needs a whole number, not '1.5'"));
}

TEST(Refusal, HintsAndPatternsWithAnotherMeaning)
{
    EXPECT_EQ(refusalOf(QStringLiteral("select * from t with (updlock)")), QStringLiteral("table hint 'updlock'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select * from t (nolock, index(i))")), QStringLiteral("table hint 'index'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select * from t where a like '[A-C]%'")),
              QStringLiteral("LIKE pattern with [ ] character sets"));
}

TEST(Refusal, ValuesAndConditionsInTheWrongPlace)
{
    EXPECT_EQ(refusalOf(QStringLiteral("select total = a + b from t")),
              QStringLiteral("alias = expression in the select list"));
    EXPECT_EQ(refusalOf(QStringLiteral("select (a = 1) from t")), QStringLiteral("a condition where a value is expected"));
    EXPECT_EQ(refusalOf(QStringLiteral("select 1 from t where a")), QStringLiteral("a value where a condition is expected"));
    EXPECT_EQ(refusalOf(QStringLiteral("select 1 from t where (a = 1) + 1 = 2")),
              QStringLiteral("a condition where a value is expected"));
    EXPECT_EQ(refusalOf(QStringLiteral("select 1 from t where not a")),
              QStringLiteral("a value where a condition is expected"));
    EXPECT_EQ(refusalOf(QStringLiteral("select case when 1 then 2 end")),
              QStringLiteral("a value where a condition is expected"));
}

TEST(Refusal, SyntaxTheTranslatorDoesNotKnow)
{
    EXPECT_EQ(refusalOf(QStringLiteral("select a from t select b from u")), QStringLiteral("unexpected 'select'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select a from t except select b from u")), QStringLiteral("unexpected 'except'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select * from t where a = b collate Latin1_General_CI_AS")),
              QStringLiteral("unexpected 'collate'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select * from t where a !< 1")), QStringLiteral("operator '!<'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select a & 1 from t")), QStringLiteral("unexpected '&'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select {fn now()}")), QStringLiteral("unexpected character '{'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select a from")), QStringLiteral("expected a table name before end of statement"));
    EXPECT_EQ(refusalOf(QStringLiteral("select a as from t")), QStringLiteral("expected an alias after AS before 'from'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select case a end")), QStringLiteral("CASE without WHEN"));
    EXPECT_EQ(refusalOf(QStringLiteral("select 1 where exists (1)")), QStringLiteral("EXISTS without a subquery"));
    EXPECT_EQ(refusalOf(QStringLiteral("select a from t order a")), QStringLiteral("expected BY before 'a'"));
    EXPECT_EQ(refusalOf(QStringLiteral("select count(*) over () from t")), QStringLiteral("unexpected 'over'"));
}

TEST(Refusal, UnterminatedTextQuotesItsStatementToTheEnd)
{
    EXPECT_EQ(refusalOf(QStringLiteral("select 1; select 'abc; select 2"), QStringLiteral("select 'abc; select 2")),
              QStringLiteral("unterminated string literal"));
    EXPECT_EQ(refusalOf(QStringLiteral("select [a from t")), QStringLiteral("unterminated quoted name"));
    EXPECT_EQ(refusalOf(QStringLiteral("sp_x 'a' /* b")), QStringLiteral("unterminated comment"));
}

} // namespace
