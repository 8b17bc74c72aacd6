#include "DemoDatabase.h"
#include "TestPrinters.h"

#include "hospital/dbserver/StandInProvider.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/Recordset.h"
#include "patients/ListSplitterLayout.h"
#include "patients/PatientListColumns.h"
#include "patients/PatientListModel.h"
#include "patients/TextRows.h"

#include <QItemSelectionModel>

#include <gtest/gtest.h>

using namespace pwo;

namespace {

TextRows rowsOf(const std::vector<QStringList> &texts)
{
    TextRows rows(int(patientListColumns.size()));
    for (const QStringList &row : texts)
        for (int c = 0; c < rows.columnCount(); ++c)
            rows.append(c < row.size() ? row[c] : QString());
    return rows;
}

QStringList column(const PatientListModel &model, int c)
{
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r)
        texts << model.text(r, c);
    return texts;
}

} // namespace

TEST(TextRows, KeepsEveryCellIncludingEmptyOnes)
{
    TextRows rows(3);
    for (const char *text : {"a", "", "ccc", "", "", "ÑAÑO"})
        rows.append(QString::fromUtf8(text));
    rows.squeeze();
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.cell(0, 0).toString(), QStringLiteral("a"));
    EXPECT_EQ(rows.cell(0, 1).toString(), QString());
    EXPECT_EQ(rows.cell(0, 2).toString(), QStringLiteral("ccc"));
    EXPECT_EQ(rows.cell(1, 0).toString(), QString());
    EXPECT_EQ(rows.cell(1, 2).toString(), QStringLiteral("ÑAÑO"));
}

TEST(PatientListModel, SortsByTextIgnoringCaseAndKeepsTiesInOrder)
{
    PatientListModel model;
    model.setRows(rowsOf({{"1", "b"}, {"2", "A"}, {"3", "a"}, {"4", "10"}, {"5", "9"}}));
    model.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(column(model, 0), (QStringList{"4", "5", "2", "3", "1"}));  // text order: "10" before "9"
    model.sort(1, Qt::DescendingOrder);
    EXPECT_EQ(column(model, 1), (QStringList{"b", "A", "a", "9", "10"}));

    // ties keep their order also in a list long enough to be sorted in pieces
    std::vector<QStringList> many;
    for (int i = 0; i < 300; ++i)
        many.push_back({QString::number(i), i % 2 ? QStringLiteral("B") : QStringLiteral("A")});
    model.setRows(rowsOf(many));
    model.sort(1, Qt::AscendingOrder);
    for (int r = 1; r < 150; ++r)
        ASSERT_LT(model.text(r - 1, 0).toInt(), model.text(r, 0).toInt()) << r;

    // new rows come in the order in force
    model.sort(1, Qt::DescendingOrder);
    model.setRows(rowsOf({{"1", "x"}, {"2", "z"}, {"3", "y"}}));
    EXPECT_EQ(column(model, 1), (QStringList{"z", "y", "x"}));
}

TEST(PatientListModel, TheSelectedRowFollowsItsPatientThroughASort)
{
    PatientListModel model;
    model.setRows(rowsOf({{"1", "C"}, {"2", "A"}, {"3", "B"}}));
    QItemSelectionModel selection(&model);
    selection.setCurrentIndex(model.index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    model.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(selection.currentIndex().row(), 2);
    ASSERT_EQ(selection.selectedRows().size(), 1);
    EXPECT_EQ(model.text(selection.selectedRows().first().row(), 0), QStringLiteral("1"));
}

TEST(ListSplitterLayout, FollowsTheSplitterAndKeepsItOffTheEdges)
{
    const ListSplitterLayout at = listSplitterLayout(15000, 4500);
    EXPECT_EQ(at.x, 4500);
    EXPECT_EQ(at.searchWidth, 4440);
    EXPECT_EQ(at.searchBoxWidth, 3750);
    EXPECT_EQ(at.cmdSearchLeft, 3050);
    EXPECT_EQ(at.splitterLeft, 4500);
    EXPECT_EQ(at.listFrameLeft, 4580);
    EXPECT_EQ(at.listFrameWidth, 15000 - (4440 + 240));
    EXPECT_EQ(at.listWidth, at.listFrameWidth - 150);
    // the search button ends where the search boxes end
    EXPECT_EQ(at.cmdSearchLeft + 820, searchBoxLeft + at.searchBoxWidth);

    EXPECT_EQ(listSplitterLayout(15000, 100).x, 750);
    EXPECT_EQ(listSplitterLayout(15000, 14900).x, 15000 - 750);
    const ListSplitterLayout cramped = listSplitterLayout(1000, 900);
    EXPECT_EQ(cramped.x, 750);
    EXPECT_GE(cramped.listFrameWidth, 0);
    EXPECT_GE(cramped.listWidth, 0);
    EXPECT_GE(cramped.cmdSearchLeft, searchBoxLeft);

    EXPECT_EQ(boundedSplitterDrag(15000, 200), 500);
    EXPECT_EQ(boundedSplitterDrag(15000, 14800), 14500);
    EXPECT_EQ(boundedSplitterDrag(15000, 7000), 7000);
}

class ListRowsFromAResult : public ::testing::Test {
protected:
    void SetUp() override
    {
        hospital::dbserver::registerStandInProvider();
        connection.Open(hospital::dbserver::standInConnectionString(demo.folder()));
    }
    DemoDatabase demo;
    Connection connection;
};

TEST_F(ListRowsFromAResult, ReadsColumnsByNameShowsNullsEmptyAndLeavesUnfilledColumnsEmpty)
{
    Recordset result;
    result.Open(QStringLiteral("SELECT 'E1' AS ERNum, NULL AS BillingDate, 'D' AS dcrdate, 'ADDR' AS Address, "
                               "'P1' AS PWO, 'R1' AS RoomID, NULL AS MiddleName, 'JUAN' AS FirstName, "
                               "'CRUZ' AS LastName, '2026-01-02 03:04:05' AS AdmDate, '00010001' AS hospnum, "
                               "'260000001' AS idnum"),
                connection);
    std::vector<int> progress;
    const TextRows full = readPatientListRows(result, 12, [&](int n) { progress.push_back(n); });
    ASSERT_EQ(full.rowCount(), 1);
    EXPECT_EQ(progress, std::vector<int>{1});
    EXPECT_EQ(full.cell(0, 0).toString(), QStringLiteral("260000001"));
    EXPECT_EQ(full.cell(0, 1).toString(), QStringLiteral("00010001"));
    EXPECT_EQ(full.cell(0, 3).toString(), QStringLiteral("CRUZ"));
    EXPECT_EQ(full.cell(0, 5).toString(), QString());
    EXPECT_EQ(full.cell(0, 11).toString(), QStringLiteral("E1"));

    const TextRows department = readPatientListRows(result, departmentListFilledColumns, [](int) {});
    EXPECT_EQ(department.cell(0, 9).toString(), QStringLiteral("D"));
    EXPECT_EQ(department.cell(0, 10).toString(), QString());
    EXPECT_EQ(department.cell(0, 11).toString(), QString());
}

TEST_F(ListRowsFromAResult, AResultWithoutAListColumnIsReported)
{
    Recordset result;
    result.Open(QStringLiteral("SELECT '1' AS IDNUM, '2' AS HospNum"), connection);
    try {
        readPatientListRows(result, 12, [](int) { FAIL() << "no row may be read"; });
        FAIL() << "no error";
    } catch (const DatabaseError &error) {
        EXPECT_EQ(error.number(), GatewayError::ItemNotFound);
        EXPECT_TRUE(error.description().contains(QLatin1String("AdmDate")));
    }
}
