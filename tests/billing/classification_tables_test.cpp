#include "LoggedInProgram.h"
#include "TestPrinters.h"

#include "billing/ClassificationTables.h"
#include "core/modGlobals.h"

using namespace pwo;

namespace {

QStringList codes(const std::vector<ClassificationEntry> &entries)
{
    QStringList result;
    for (const ClassificationEntry &entry : entries)
        result << entry.code;
    return result;
}

std::vector<double> all(const DiscountFractions &f)
{
    return {f.procedures, f.supplies, f.medicines, f.room, f.procedures2, f.supplies2, f.medicines2};
}

} // namespace

class ClassificationTables : public LoggedInProgram {
protected:
    Connection &connection() { return *globals().Connection; }
};

TEST_F(ClassificationTables, TheAssessmentListIsSortedTheIntakeListInTheServersOrder)
{
    // Added last, so the server's order and the sorted order differ.
    program.database().sqlite(
        QStringLiteral("INSERT INTO PWO.tbPWOClassificationScheme (Code, Classification) VALUES ('AA', 'Added')"));
    const std::vector<ClassificationEntry> sorted = classificationsByCode(connection());
    const std::vector<ClassificationEntry> asStored = classificationsInServerOrder(connection());
    EXPECT_EQ(codes(sorted), (QStringList{"A", "AA", "B", "C1", "C2", "C3", "D", "SC"}));
    EXPECT_EQ(codes(asStored), (QStringList{"A", "B", "C1", "C2", "C3", "D", "SC", "AA"}));
    EXPECT_EQ(sorted[1].name, QStringLiteral("Added"));
    EXPECT_EQ(sent(), (QStringList{"SELECT isnull(Code,'') [Code], isnull(Classification,'') [Classification] "
                                   "FROM PWO..tbPWOClassificationScheme ORDER BY Code",
                                   "SELECT isnull(Code,'') [Code], isnull(Classification,'') [Classification] "
                                   "FROM PWO..tbPWOClassificationScheme"}));
}

TEST_F(ClassificationTables, NullCodesAndNamesReadAsEmptyText)
{
    program.database().sqlite(
        QStringLiteral("INSERT INTO PWO.tbPWOClassificationScheme (Code, Classification) VALUES (NULL, NULL)"));
    const std::vector<ClassificationEntry> asStored = classificationsInServerOrder(connection());
    ASSERT_EQ(asStored.size(), 8u);
    EXPECT_EQ(asStored.back().code, QString());
    EXPECT_EQ(asStored.back().name, QString());
    EXPECT_FALSE(asStored.back().code.isNull());
    EXPECT_EQ(classificationsByCode(connection()).front().code, QString());
}

TEST_F(ClassificationTables, EachFractionComesFromItsOwnColumn)
{
    program.database().sqlite(QStringLiteral(
        "INSERT INTO PWO.tbPWOClassification VALUES ('ZZ', 0.11, 0.12, 0.13, 0.14, 0.15, 0.16, 0.17)"));
    EXPECT_EQ(all(discountFractions(connection(), QStringLiteral("ZZ"))),
              (std::vector<double>{0.11, 0.12, 0.13, 0.14, 0.15, 0.16, 0.17}));
    EXPECT_EQ(sent(), QStringList{"SELECT * FROM PWO..tbPWOClassification where Type = 'ZZ'"});
}

TEST_F(ClassificationTables, AClassWithoutFractionsGetsNoDiscount)
{
    ASSERT_TRUE(codes(classificationsInServerOrder(connection())).contains(QStringLiteral("SC")));
    EXPECT_EQ(all(discountFractions(connection(), QStringLiteral("SC"))), std::vector<double>(7, 0.0));
    EXPECT_EQ(all(discountFractions(connection(), QStringLiteral("O'X"))), std::vector<double>(7, 0.0));
    EXPECT_EQ(sent().last(), QStringLiteral("SELECT * FROM PWO..tbPWOClassification where Type = 'O''X'"));
    EXPECT_EQ(all(discountFractions(connection(), QStringLiteral("D"))), std::vector<double>(7, 1.0));
}
