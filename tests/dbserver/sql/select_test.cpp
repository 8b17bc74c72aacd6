#include "TranslatorTestSupport.h"

#include <gtest/gtest.h>

using hospital::dbserver::testing::sqliteOf;

namespace {

TEST(SelectNames, DatabaseQualifiedTablesLoseTheSchema)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("Select * from PATIENT_DATA..tbHospitalInfo")),
              QStringLiteral("SELECT * FROM PATIENT_DATA.tbHospitalInfo"));
    EXPECT_EQ(sqliteOf(QStringLiteral("select a.Code from pwo.dbo.tbX a")),
              QStringLiteral("SELECT a.Code FROM pwo.tbX AS a"));
    EXPECT_EQ(sqliteOf(QStringLiteral("select * from dbo.tbX")), QStringLiteral("SELECT * FROM tbX"));
}

TEST(SelectNames, EveryDatabaseInAnyCaseKeepsItsSpelling)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select * from Patient_Data..a, BILLING..b, build_File..c, Radiology..d, pwo..e")),
              QStringLiteral("SELECT * FROM Patient_Data.a, BILLING.b, build_File.c, Radiology.d, pwo.e"));
}

TEST(SelectNames, QualifiedColumnsAndStars)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select a.*, PWO..tbX.Code, tbX.* from PWO..tbX a")),
              QStringLiteral("SELECT a.*, PWO.tbX.Code, tbX.* FROM PWO.tbX AS a"));
}

TEST(SelectNames, BracketsBecomeDoubleQuotes)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("SELECT isnull(Code,'') [Code], isnull(Classification,'') [Classification] "
                                      "FROM PWO..tbPWOClassificationScheme")),
              QStringLiteral("SELECT ifnull(Code, '') AS \"Code\", ifnull(Classification, '') AS \"Classification\" "
                             "FROM PWO.tbPWOClassificationScheme"));
    EXPECT_EQ(sqliteOf(QStringLiteral("select [Full Name] from [PWO]..[tb X] where [Type] = 'A'")),
              QStringLiteral("SELECT \"Full Name\" FROM \"PWO\".\"tb X\" WHERE \"Type\" = 'A'"));
}

TEST(SelectNames, WordsOnlySqliteReservesAreQuoted)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select Limit, t.Using, count(*) IsNull from Billing..Returning t where notnull = 1")),
              QStringLiteral("SELECT \"Limit\", t.\"Using\", count(*) AS \"IsNull\" FROM Billing.\"Returning\" AS t "
                             "WHERE \"notnull\" = 1"));
}

TEST(SelectNames, ColumnAliasesOfEveryForm)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select 1 'One', 2 as \"Two\", 3 AS three, 4 four from t")),
              QStringLiteral("SELECT 1 AS \"One\", 2 AS \"Two\", 3 AS three, 4 AS four FROM t"));
}

TEST(SelectClauses, JoinedListingFromTheClient)
{
    EXPECT_EQ(sqliteOf(QStringLiteral(
                  "Select b.Code as codeIndex, isnull(cast(c.id as varchar(3)) + '. ' + c.types,'')   as "
                  "SocialInteractValue,  * from pwo..tbPWOSocialFunctioning a left outer join tbPWORoles b  on "
                  "a.Description = b.ID left outer join build_file..tbcoPWOTypesSocialInteract c on  c.id = "
                  "a.Interaction where a.hospnum ='123'       and b.code = '4' order by b.code asc")),
              QStringLiteral(
                  "SELECT b.Code AS codeIndex, ifnull(tsql_add(tsql_add(tsql_to_text(c.id, NULL, 3), '. '), c.types), "
                  "'') AS SocialInteractValue, * FROM pwo.tbPWOSocialFunctioning AS a LEFT OUTER JOIN tbPWORoles AS b "
                  "ON a.Description = b.ID LEFT OUTER JOIN build_file.tbcoPWOTypesSocialInteract AS c ON c.id = "
                  "a.Interaction WHERE a.hospnum = '123' AND b.code = '4' ORDER BY b.code ASC"));
}

TEST(SelectClauses, EveryJoinForm)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select * from a join b on a.x=b.x inner join c on 1=1 right join d on d.y=a.y "
                                      "full outer join e on e.z = a.z left join f on (f.k = a.k) cross join g, h")),
              QStringLiteral("SELECT * FROM a JOIN b ON a.x = b.x INNER JOIN c ON 1 = 1 RIGHT JOIN d ON d.y = a.y "
                             "FULL OUTER JOIN e ON e.z = a.z LEFT JOIN f ON (f.k = a.k) CROSS JOIN g, h"));
}

TEST(SelectClauses, UnionsWithOneOrderBy)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select a from t union select b from u union all select c from v order by 1")),
              QStringLiteral("SELECT a FROM t UNION SELECT b FROM u UNION ALL SELECT c FROM v ORDER BY 1"));
}

TEST(SelectClauses, SubqueriesInEveryPlace)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select (select max(x) from t) m, * from (select a from u) d where a in (select "
                                      "a from w) and exists (select 1 from v where v.a = d.a) and a not in (1, 2)")),
              QStringLiteral("SELECT (SELECT max(x) FROM t) AS m, * FROM (SELECT a FROM u) AS d WHERE a IN (SELECT a "
                             "FROM w) AND EXISTS (SELECT 1 FROM v WHERE v.a = d.a) AND a NOT IN (1, 2)"));
}

TEST(SelectClauses, SearchedAndSimpleCase)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select case when a is null then 'n' when a between 1 and 5 then 'low' else "
                                      "'high' end as band, case Sex when 'M' then 'Male' end from t")),
              QStringLiteral("SELECT CASE WHEN a IS NULL THEN 'n' WHEN a BETWEEN 1 AND 5 THEN 'low' ELSE 'high' END "
                             "AS band, CASE Sex WHEN 'M' THEN 'Male' END FROM t"));
}

TEST(SelectClauses, DistinctGroupHavingOrder)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select distinct Type, count(*) n from t group by Type having count(*) > 1 "
                                      "order by Type desc, n")),
              QStringLiteral("SELECT DISTINCT Type, count(*) AS n FROM t GROUP BY Type HAVING count(*) > 1 ORDER BY "
                             "Type DESC, n"));
}

TEST(SelectClauses, TopBecomesLimitAfterOrderBy)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select top 5 * from t order by a")),
              QStringLiteral("SELECT * FROM t ORDER BY a LIMIT 5"));
    EXPECT_EQ(sqliteOf(QStringLiteral("select distinct top (2) a from t")),
              QStringLiteral("SELECT DISTINCT a FROM t LIMIT 2"));
}

TEST(SelectClauses, TopInASubqueryLimitsOnlyTheSubquery)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select * from t where id in (select top 1 id from u order by d desc) and x = 1")),
              QStringLiteral("SELECT * FROM t WHERE id IN (SELECT id FROM u ORDER BY d DESC LIMIT 1) AND x = 1"));
    EXPECT_EQ(sqliteOf(QStringLiteral("select (select top 1 n from u) from t")),
              QStringLiteral("SELECT (SELECT n FROM u LIMIT 1) FROM t"));
}

TEST(SelectClauses, NolockHintsAreDropped)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select * from PWO..t with (nolock) join u (NOLOCK) on u.a = t.a "
                                      "join v x WITH (NOLOCK, nolock) on 1=1")),
              QStringLiteral("SELECT * FROM PWO.t JOIN u ON u.a = t.a JOIN v AS x ON 1 = 1"));
}

TEST(SelectClauses, ComparisonsAndPredicatesPassUnchanged)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select * from t where a != 1 and b <> 2 and c % 3 = 0 and d like 'A%' and e "
                                      "not like '%z' escape '\\' and f is not null and not (g = 1 or h >= 2) and i <= "
                                      "3 and j < 4 and k > 5 and l not between 1 and 2 and not exists (select 1)")),
              QStringLiteral("SELECT * FROM t WHERE a != 1 AND b <> 2 AND c % 3 = 0 AND d LIKE 'A%' AND e NOT LIKE "
                             "'%z' ESCAPE '\\' AND f IS NOT NULL AND NOT (g = 1 OR h >= 2) AND i <= 3 AND j < 4 AND "
                             "k > 5 AND l NOT BETWEEN 1 AND 2 AND NOT EXISTS (SELECT 1)"));
}

TEST(SelectClauses, AndBindsTighterThanOr)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select 1 from t where a = 1 or b = 2 and not c = 3")),
              QStringLiteral("SELECT 1 FROM t WHERE a = 1 OR b = 2 AND NOT c = 3"));
}

TEST(SelectLiterals, StringsNumbersAndNull)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select N'x', 'it''s', -1, 1.5, .5e1, NULL")),
              QStringLiteral("SELECT 'x', 'it''s', -1, 1.5, .5e1, NULL"));
}

TEST(SelectLiterals, CommentsAreDropped)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select /* c */ a -- x\nfrom t")), QStringLiteral("SELECT a FROM t"));
}

} // namespace
