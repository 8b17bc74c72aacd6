#include "TranslatorTestSupport.h"

#include <gtest/gtest.h>

using namespace hospital::dbserver;
using hospital::dbserver::testing::refusalOf;

namespace {

QString sqliteAt(const std::vector<Statement> &statements, std::size_t i)
{
    return std::get<SqlStatement>(statements.at(i)).sqlite;
}

TEST(Batch, StatementsComeInOrder)
{
    const std::vector<Statement> statements = translateBatch(
        QStringLiteral(" PWO..sp_a 'x' ;select 1 from t;\n-- note\n; ;Billing..sp_b 2; delete t where a = 1;  "));
    ASSERT_EQ(statements.size(), 4u);
    EXPECT_EQ(std::get<ProcedureCall>(statements[0]).name, QStringLiteral("sp_a"));
    EXPECT_EQ(sqliteAt(statements, 1), QStringLiteral("SELECT 1 FROM t"));
    EXPECT_EQ(std::get<ProcedureCall>(statements[2]).database, QStringLiteral("Billing"));
    EXPECT_EQ(sqliteAt(statements, 3), QStringLiteral("DELETE FROM t WHERE a = 1"));
}

TEST(Batch, BlankOrCommentOnlyBatchHasNoStatements)
{
    EXPECT_TRUE(translateBatch(QString()).empty());
    EXPECT_TRUE(translateBatch(QStringLiteral("  ; /* x */ ; -- y")).empty());
}

TEST(Batch, InjectedTextStaysInsideItsLiteral)
{
    const std::vector<Statement> call = translateBatch(QStringLiteral("PWO..sp_x 'x''; DELETE FROM PWO..tbX; --'"));
    ASSERT_EQ(call.size(), 1u);
    EXPECT_EQ(std::get<ProcedureCall>(call[0]).arguments,
              std::vector<pwo::Value>{pwo::Value(QStringLiteral("x'; DELETE FROM PWO..tbX; --"))});

    const std::vector<Statement> query =
        translateBatch(QStringLiteral("select * from t where a = 'x''; DELETE FROM PWO..tbX; --'"));
    ASSERT_EQ(query.size(), 1u);
    EXPECT_EQ(sqliteAt(query, 0), QStringLiteral("SELECT * FROM t WHERE a = 'x''; DELETE FROM PWO..tbX; --'"));
}

TEST(Batch, OneBadStatementFailsTheWholeBatchQuotingOnlyItself)
{
    EXPECT_EQ(refusalOf(QStringLiteral("select 1; select foo(2) from t ; select 3"),
                        QStringLiteral("select foo(2) from t")),
              QStringLiteral("unknown function 'foo'"));
}

TEST(Batch, QuotedStatementKeepsItsInnerComments)
{
    EXPECT_EQ(refusalOf(QStringLiteral("-- lead\nselect /* why */ foo(1)"), QStringLiteral("select /* why */ foo(1)")),
              QStringLiteral("unknown function 'foo'"));
}

TEST(TranslationCache, RepeatedTextGivesTheSameResult)
{
    BatchTranslator translator;
    const QString batch = QStringLiteral("select isnull(a,'') from t");
    const std::vector<Statement> &first = translator.translate(batch);
    const std::vector<Statement> &again = translator.translate(QString(batch));
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(sqliteAt(again, 0), QStringLiteral("SELECT ifnull(a, '') FROM t"));
    EXPECT_NE(&translator.translate(batch + u' '), &first);
}

TEST(TranslationCache, EarlierResultsSurviveLaterTranslations)
{
    BatchTranslator translator;
    const std::vector<Statement> &first = translator.translate(QStringLiteral("select 0"));
    for (int i = 1; i < 1000; ++i)
        translator.translate(QStringLiteral("select %1").arg(i));
    EXPECT_EQ(sqliteAt(first, 0), QStringLiteral("SELECT 0"));
}

TEST(TranslationCache, StaysBoundedAndCorrectPastTheLimit)
{
    BatchTranslator translator;
    for (std::size_t i = 0; i <= BatchTranslator::CacheLimit + 10; ++i) {
        ASSERT_EQ(sqliteAt(translator.translate(QStringLiteral("select %1").arg(i)), 0),
                  QStringLiteral("SELECT %1").arg(i));
        ASSERT_LE(translator.cachedBatches(), BatchTranslator::CacheLimit);
    }
    EXPECT_EQ(sqliteAt(translator.translate(QStringLiteral("select 3")), 0), QStringLiteral("SELECT 3"));
}

TEST(TranslationCache, FailuresAreNotCached)
{
    BatchTranslator translator;
    const QString batch = QStringLiteral("select foo()");
    EXPECT_THROW(translator.translate(batch), TranslationError);
    EXPECT_THROW(translator.translate(batch), TranslationError);
}

} // namespace
