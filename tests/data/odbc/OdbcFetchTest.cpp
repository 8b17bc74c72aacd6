#include "SqliteOdbcTest.h"

namespace pwo {
namespace {

class OdbcFetchTest : public SqliteOdbcTest {
protected:
    void SetUp() override
    {
        session_->run(QStringLiteral(
            "CREATE TABLE patient (id INTEGER, big BIGINT, small SMALLINT, flag BIT, weight REAL, "
            "height DOUBLE, fee NUMERIC(10,2), name VARCHAR(50), note TEXT, born DATE, "
            "admitted TIMESTAMP, photo BLOB)"));
    }
};

TEST_F(OdbcFetchTest, EachColumnTypeBecomesItsValueKind)
{
    session_->run(QStringLiteral("INSERT INTO patient VALUES (7, 9000000000, -3, 1, 61.5, 1.75, 1234.25, "
                                 "'Peña', 'Ñandú café ü 日本', '1980-02-29', '2024-05-06 07:08:09.250', "
                                 "X'00FF10')"));

    const ResultSet result = onlyResultSet(QStringLiteral("SELECT * FROM patient"));

    EXPECT_EQ(result.columns, QStringList({"id", "big", "small", "flag", "weight", "height", "fee", "name", "note",
                                           "born", "admitted", "photo"}));
    ASSERT_EQ(result.rowCount(), 1u);
    std::vector<Value> row;
    for (int column = 0; column < result.columns.size(); ++column)
        row.push_back(result.value(0, column));
    EXPECT_EQ(row[0], Value(std::int64_t{7}));
    EXPECT_EQ(row[1], Value(std::int64_t{9000000000}));
    EXPECT_EQ(row[2], Value(std::int64_t{-3}));
    EXPECT_EQ(row[3], Value(std::int64_t{1}));
    EXPECT_EQ(row[4], Value(61.5));
    EXPECT_EQ(row[5], Value(1.75));
    EXPECT_EQ(row[6], Value(1234.25));
    EXPECT_EQ(row[7], Value(QStringLiteral("Peña")));
    EXPECT_EQ(row[8], Value(QStringLiteral("Ñandú café ü 日本")));
    EXPECT_EQ(row[9], Value(QDateTime(QDate(1980, 2, 29), QTime(0, 0))));
    EXPECT_EQ(row[10], Value(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 250))));
    EXPECT_EQ(row[11], Value(QStringLiteral("00FF10")));
}

TEST_F(OdbcFetchTest, NullInEveryTypeIsNullAndEmptyTextIsNot)
{
    session_->run(QStringLiteral("INSERT INTO patient (name) VALUES (NULL)"));
    session_->run(QStringLiteral("INSERT INTO patient (name, note) VALUES ('', '')"));

    const ResultSet result = onlyResultSet(QStringLiteral("SELECT * FROM patient ORDER BY name"));

    ASSERT_EQ(result.rowCount(), 2u);
    for (int column = 0; column < result.columns.size(); ++column)
        EXPECT_TRUE(result.value(0, column).isNull()) << ::testing::PrintToString(result.value(0, column));
    EXPECT_EQ(result.value(1, 7), Value(QString()));
    EXPECT_FALSE(result.value(1, 7).isNull());
    EXPECT_FALSE(result.value(1, 8).isNull());
}

TEST_F(OdbcFetchTest, CharactersBeyondLatinAndInColumnNamesSurvive)
{
    const QString text = QStringLiteral("Ελληνικά Кириллица 中文 €‰ end");

    const ResultSet result =
        onlyResultSet(QStringLiteral("SELECT '%1' AS \"Año\", 'Peña' AS \"Niño\"").arg(text));

    EXPECT_EQ(result.columns, QStringList({"Año", "Niño"}));
    ASSERT_EQ(result.rowCount(), 1u);
    EXPECT_EQ(result.value(0, 0).toText(), text);
    EXPECT_EQ(result.value(0, 1).toText(), QStringLiteral("Peña"));
}

TEST_F(OdbcFetchTest, LongTextAndBinaryArriveWhole)
{
    // Characters of one, two and three UTF-8 bytes, so that wherever the value is
    // split into pieces some split falls inside a multi-byte character.
    const QString longText = QStringLiteral("Peña 日本 ").repeated(12500);
    ASSERT_EQ(longText.size(), 100000);
    session_->run(QStringLiteral("INSERT INTO patient (id, note) VALUES (1, '%1')").arg(longText));
    session_->run(QStringLiteral("INSERT INTO patient (id, photo) VALUES (2, randomblob(70000))"));

    const ResultSet result = onlyResultSet(
        QStringLiteral("SELECT id, note, photo, hex(photo) AS expected FROM patient ORDER BY id"));

    ASSERT_EQ(result.rowCount(), 2u);
    EXPECT_EQ(result.value(0, 1).toText().size(), longText.size());
    EXPECT_TRUE(result.value(0, 1).toText() == longText);
    EXPECT_EQ(result.value(1, 2).toText().size(), 140000);
    EXPECT_TRUE(result.value(1, 2).toText() == result.value(1, 3).toText());
}

TEST_F(OdbcFetchTest, EmptyResultKeepsItsColumns)
{
    const ResultSet result = onlyResultSet(QStringLiteral("SELECT id, name AS patient_name FROM patient"));

    EXPECT_EQ(result.columns, QStringList({"id", "patient_name"}));
    EXPECT_EQ(result.rowCount(), 0u);
}

} // namespace
} // namespace pwo
