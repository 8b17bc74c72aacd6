#include "LoggedInProgram.h"
#include "ModalWindows.h"
#include "TestPrinters.h"

#include "core/ProgramState.h"
#include "widgets/frmEmployeeListing.h"
#include "core/Twips.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace pwo;

namespace {

const QString list = QStringLiteral("frmEmployeeListing");
const QString searchAll = QStringLiteral("PWO..sp_PWO_GetEmployees ''");

QTableView &grid(QWidget &window)
{
    return child<QTableView>(window, QStringLiteral("GridListWorkers"));
}

QStringList codesShown(QWidget &window)
{
    const QAbstractItemModel *rows = grid(window).model();
    QStringList codes;
    for (int row = 0; row < rows->rowCount(); ++row)
        codes << rows->index(row, 1).data().toString();
    return codes;
}

QString recCount(QWidget &window)
{
    return child<QLineEdit>(window, QStringLiteral("txtRecCount")).text();
}

// Makes the grid row holding the code current, as a click on it does.
QModelIndex rowOf(QWidget &window, const QString &code)
{
    QTableView &view = grid(window);
    const int row = int(codesShown(window).indexOf(code));
    if (row < 0)
        throw std::logic_error(("no row for " + code).toStdString());
    const QModelIndex cell = view.model()->index(row, 2);
    view.setCurrentIndex(cell);
    return cell;
}

void selectRow(const QString &code)
{
    whenShown(list, [code](QWidget &window) {
        rowOf(window, code);
        click(window, QStringLiteral("cmdSelect"));
    });
    frmEmployeeListing::Show();
}

} // namespace

using EmployeeList = LoggedInProgram;

TEST_F(EmployeeList, OpensWithTheResultForEmptyTextFromItsFirstRow)
{
    whenShown(list, [](QWidget &window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Patient Welfare Office"));
        EXPECT_TRUE(child<QLineEdit>(window, QStringLiteral("txtSearch")).text().isEmpty());
        EXPECT_EQ(codesShown(window).size(), 12);
        EXPECT_EQ(recCount(window), QStringLiteral("1 of 12"));
        EXPECT_EQ(grid(window).currentIndex().row(), 0);
    });
    frmEmployeeListing::Show();
    ASSERT_EQ(sent(), QStringList{searchAll});
    EXPECT_EQ(trace().front().cursorType, 2);
    EXPECT_EQ(trace().front().lockType, 1);
    EXPECT_EQ(trace().front().options, -1);
}

TEST_F(EmployeeList, ShowsTheDescribedControlsAndGrid)
{
    whenShown(list, [](QWidget &window) {
        QStringList labels;
        for (const QLabel *label : window.findChildren<QLabel *>())
            labels << label->text();
        EXPECT_TRUE(labels.contains(QStringLiteral("List of PWO Employees")));
        EXPECT_EQ(child<QAbstractButton>(window, QStringLiteral("cmdSelect")).text(), QStringLiteral("&Select"));
        EXPECT_EQ(child<QAbstractButton>(window, QStringLiteral("cmdClose")).text(), QStringLiteral("&Close"));
        EXPECT_FALSE(child<QAbstractButton>(window, QStringLiteral("btnSearch")).icon().isNull());
        EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtRecCount")).font().family(), QStringLiteral("Courier New"));

        QTableView &view = grid(window);
        const QAbstractItemModel &rows = *view.model();
        EXPECT_EQ(rows.headerData(0, Qt::Horizontal).toString(), QString());
        EXPECT_EQ(rows.headerData(1, Qt::Horizontal).toString(), QStringLiteral("EmployeeID"));
        EXPECT_EQ(rows.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Employee Name"));
        EXPECT_EQ(view.columnWidth(0), twipsToPixelsX(100, &view));
        // the described width, or the caption's whole when that is wider
        EXPECT_GE(view.columnWidth(1), twipsToPixelsX(1100, &view));
        EXPECT_GE(view.columnWidth(1), view.horizontalHeader()->fontMetrics().horizontalAdvance(
                                           QStringLiteral("EmployeeID")));
        EXPECT_GE(view.columnWidth(2), twipsToPixelsX(3000, &view));
        // Code in column 1, name in column 2, as the procedure returns them.
        const int demoRow = int(codesShown(window).indexOf(QStringLiteral("demo")));
        ASSERT_GE(demoRow, 0);
        EXPECT_EQ(rows.index(demoRow, 2).data().toString(), QStringLiteral("REYES, ANA MARIE CRUZ"));
        EXPECT_EQ(rows.index(demoRow, 0).data().toString(), QString());
    });
    frmEmployeeListing::Show();
}

TEST_F(EmployeeList, EachKeySearchesTheTextAsItWasBeforeTheKey)
{
    whenShown(list, [](QWidget &window) {
        auto &txtSearch = child<QLineEdit>(window, QStringLiteral("txtSearch"));
        QTest::keyClicks(&txtSearch, QStringLiteral("AB"));
        EXPECT_EQ(txtSearch.text(), QStringLiteral("AB"));
        QTest::keyClick(&txtSearch, Qt::Key_Left);  // types nothing, so searches nothing
        QTest::keyClick(&txtSearch, Qt::Key_Return);
        EXPECT_EQ(txtSearch.text(), QStringLiteral("AB"));
        EXPECT_TRUE(window.isVisible()) << "Enter in the search box pressed a button";
    });
    frmEmployeeListing::Show();
    EXPECT_EQ(sent(), (QStringList{searchAll, searchAll, QStringLiteral("PWO..sp_PWO_GetEmployees 'A'"),
                                   QStringLiteral("PWO..sp_PWO_GetEmployees 'AB'")}));
}

TEST_F(EmployeeList, TheSearchIsSentUntrimmedAndFillsTheGrid)
{
    whenShown(list, [](QWidget &window) {
        auto &txtSearch = child<QLineEdit>(window, QStringLiteral("txtSearch"));
        txtSearch.setText(QStringLiteral("rey "));
        click(window, QStringLiteral("btnSearch"));
        EXPECT_EQ(recCount(window), QStringLiteral("1 of 0"));
        QTest::keyClick(&txtSearch, Qt::Key_Backspace);
        EXPECT_EQ(txtSearch.text(), QStringLiteral("rey"));
        QTest::keyClick(&txtSearch, Qt::Key_Return);
        EXPECT_EQ(codesShown(window), (QStringList{"demo", "10008"}));
        EXPECT_EQ(recCount(window), QStringLiteral("1 of 2"));
    });
    frmEmployeeListing::Show();
    EXPECT_EQ(sent(), (QStringList{searchAll, "PWO..sp_PWO_GetEmployees 'rey '", "PWO..sp_PWO_GetEmployees 'rey '",
                                   "PWO..sp_PWO_GetEmployees 'rey'"}));
}

TEST_F(EmployeeList, ASearchThatFindsNobodyLeavesTheRowsStanding)
{
    whenShown(list, [](QWidget &window) {
        child<QLineEdit>(window, QStringLiteral("txtSearch")).setText(QStringLiteral("REYES"));
        click(window, QStringLiteral("btnSearch"));
        rowOf(window, QStringLiteral("10008"));
        EXPECT_EQ(recCount(window), QStringLiteral("1 of 2")) << "the count follows only searches";

        child<QLineEdit>(window, QStringLiteral("txtSearch")).setText(QStringLiteral("NOBODY BY THIS NAME"));
        click(window, QStringLiteral("btnSearch"));
        EXPECT_EQ(codesShown(window), (QStringList{"demo", "10008"}));
        EXPECT_EQ(recCount(window), QStringLiteral("2 of 0"));
        click(window, QStringLiteral("cmdSelect"));
    });
    frmEmployeeListing::Show();
    EXPECT_EQ(EmployeeListing().WorkerCode, QStringLiteral("10008"));
}

TEST_F(EmployeeList, ADoubleClickSelectsAsSelectDoes)
{
    selectRow(QStringLiteral("10003"));
    const QString bySelect = EmployeeListing().WorkerCode;
    ASSERT_EQ(bySelect, QStringLiteral("10003"));

    bool closedByTheDoubleClick = false;
    whenShown(list, [&closedByTheDoubleClick](QWidget &window) {
        QTableView &view = grid(window);
        ASSERT_EQ(view.currentIndex().row(), 0);
        const QModelIndex cell = view.model()->index(int(codesShown(window).indexOf(QStringLiteral("demo"))), 2);
        // The platform's sequence: a click, then the second press as a double-click.
        const QPoint centre = view.visualRect(cell).center();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, centre);
        closedByTheDoubleClick = !window.isVisible();
    });
    frmEmployeeListing::Show();
    EXPECT_TRUE(closedByTheDoubleClick);
    EXPECT_EQ(EmployeeListing().WorkerCode, QStringLiteral("demo"));
}

TEST_F(EmployeeList, CloseKeepsTheLastSelectionAndTheNextShowingStartsAfresh)
{
    EXPECT_TRUE(EmployeeListing().WorkerCode.isEmpty());
    selectRow(QStringLiteral("demo"));
    whenShown(list, [](QWidget &window) {
        EXPECT_TRUE(child<QLineEdit>(window, QStringLiteral("txtSearch")).text().isEmpty());
        EXPECT_EQ(recCount(window), QStringLiteral("1 of 12"));
        rowOf(window, QStringLiteral("10005"));
        click(window, QStringLiteral("cmdClose"));
    });
    frmEmployeeListing::Show();
    EXPECT_EQ(EmployeeListing().WorkerCode, QStringLiteral("demo"));
    EXPECT_EQ(sent(), (QStringList{searchAll, searchAll}));
}

TEST_F(EmployeeList, WithNobodyListedSelectDoesNothing)
{
    program.database().sqlite(QStringLiteral("UPDATE BUILD_FILE.tbCoEmployee SET DeptCode = 'NUR'"));
    whenShown(list, [](QWidget &window) {
        EXPECT_EQ(recCount(window), QStringLiteral("0 of 0"));
        click(window, QStringLiteral("cmdSelect"));
        EXPECT_TRUE(window.isVisible());
    });
    frmEmployeeListing::Show();
    EXPECT_TRUE(EmployeeListing().WorkerCode.isEmpty());
}

TEST_F(EmployeeList, AQuoteInTheSearchIsSentDoubledAndHarmsNothing)
{
    whenShown(list, [](QWidget &window) {
        auto &txtSearch = child<QLineEdit>(window, QStringLiteral("txtSearch"));
        txtSearch.setText(QStringLiteral("O'Brien'; DELETE FROM BUILD_FILE..tbCoEmployee --"));
        click(window, QStringLiteral("btnSearch"));
        EXPECT_EQ(recCount(window), QStringLiteral("1 of 0"));
        // Wildcards are text too: no employee's name holds a percent sign.
        txtSearch.setText(QStringLiteral("%"));
        click(window, QStringLiteral("btnSearch"));
        EXPECT_EQ(recCount(window), QStringLiteral("1 of 0"));
    });
    frmEmployeeListing::Show();
    EXPECT_EQ(sent().value(1),
              QStringLiteral("PWO..sp_PWO_GetEmployees 'O''Brien''; DELETE FROM BUILD_FILE..tbCoEmployee --'"));
    EXPECT_TRUE(program.prompter().asked().isEmpty()) << qPrintable(program.prompter().texts().join("\n"));

    whenShown(list, [](QWidget &window) { EXPECT_EQ(recCount(window), QStringLiteral("1 of 12")); });
    frmEmployeeListing::Show();
}
