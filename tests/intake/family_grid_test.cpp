#include "IntakeGridsTestSupport.h"
#include "TestPrinters.h"

#include "core/modGlobals.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "intake/FamilyCompositionTab.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

using namespace pwo;

namespace {

const QString incomplete =
    QStringLiteral("Family member row 2 is incomplete: fill in every column or empty the row.");

class FamilyGrid : public IntakePageTest {
protected:
    void SetUp() override
    {
        IntakePageTest::SetUp();
        tab = new FamilyCompositionTab(&host);
        (new QVBoxLayout(&host))->addWidget(tab);
        showHost();
        tab->setEditable(true);
        hospNum = firstValue(QStringLiteral("SELECT HospNum FROM PWO..tbPWOFamilyComposition ORDER BY HospNum"));
        ASSERT_FALSE(hospNum.isEmpty()) << "the demo has no stored family";
        storedBefore = storedMembers();
    }

    QTableWidget &grid() const { return *tab->FCFlexGrid(); }
    QLineEdit &txtFlxg() const { return *tab->findChild<QLineEdit *>(QStringLiteral("txtFlxg")); }
    QComboBox &cmbFlx() const { return *tab->findChild<QComboBox *>(QStringLiteral("cmbFlx")); }
    // Row 1 is the first member, as the grid counts them.
    QRect cellRect(int memberRow, int column) const
    {
        return grid().visualRect(grid().model()->index(memberRow - 1, column));
    }
    void clickCell(int memberRow, int column)
    {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, cellRect(memberRow, column).center());
    }
    void key(QWidget &editor, Qt::Key k) { QTest::keyClick(&editor, k); }
    // Types one member from the editor standing in its first column, each
    // cell finished with Enter as a worker does.
    void typeMember(const QStringList &cells)
    {
        for (int column = 0; column < 8; ++column) {
            if (column == 3) {
                cmbFlx().setCurrentIndex(cmbFlx().findText(cells[column]));
                key(cmbFlx(), Qt::Key_Return);
                continue;
            }
            QTest::keyClicks(&txtFlxg(), cells[column]);
            key(txtFlxg(), Qt::Key_Return);
        }
    }
    QStringList storedMembers() const
    {
        Recordset rows;
        rows.OpenReadOnly(QStringLiteral("SELECT FamilyMember, Occupation, Income, TotalIncome FROM "
                                         "PWO..tbPWOFamilyComposition WHERE HospNum = '%1' ORDER BY Number")
                              .arg(hospNum),
                          *globals().Connection);
        QStringList members;
        for (; !rows.Eof(); rows.MoveNext())
            members << QStringLiteral("%1/%2/%3/%4")
                           .arg(rows.value(QStringLiteral("FamilyMember")).text(),
                                rows.value(QStringLiteral("Occupation")).text(),
                                rows.value(QStringLiteral("Income")).text(),
                                rows.value(QStringLiteral("TotalIncome")).text());
        return members;
    }
    QStringList sentFamilyStatements() const { return sent().filter(QStringLiteral("..sp_PWO_")); }

    FamilyCompositionTab *tab = nullptr;
    QString hospNum;
    QStringList storedBefore;
};

TEST_F(FamilyGrid, EditorsFollowTheKeysAndNeverChangeTheCellTheyMoveTo)
{
    clickCell(1, 0);
    ASSERT_TRUE(txtFlxg().isVisible());
    EXPECT_EQ(txtFlxg().geometry(), cellRect(1, 0));
    QTest::keyClicks(&txtFlxg(), QStringLiteral("JUAN SANTOS"));
    EXPECT_EQ(tab->cellText(1, 0), QStringLiteral("JUAN SANTOS"));

    key(txtFlxg(), Qt::Key_Down);  // one member only: nowhere to go
    key(txtFlxg(), Qt::Key_Left);
    EXPECT_EQ(grid().currentRow(), 0);
    EXPECT_EQ(grid().currentColumn(), 0);

    key(txtFlxg(), Qt::Key_Right);
    EXPECT_EQ(grid().currentColumn(), 1);
    EXPECT_EQ(txtFlxg().text(), QString());
    key(txtFlxg(), Qt::Key_Return);
    QTest::keyClicks(&txtFlxg(), QStringLiteral("41"));
    key(txtFlxg(), Qt::Key_Return);

    // Civil status is chosen from its list, which only then writes the cell.
    EXPECT_TRUE(cmbFlx().isVisible());
    EXPECT_FALSE(txtFlxg().isVisible());
    EXPECT_TRUE(cmbFlx().hasFocus());
    EXPECT_EQ(tab->cellText(1, 3), QString());
    cmbFlx().setCurrentIndex(cmbFlx().findText(QStringLiteral("MARRIED")));
    key(cmbFlx(), Qt::Key_Return);
    EXPECT_EQ(tab->cellText(1, 3), QStringLiteral("MARRIED"));
    EXPECT_EQ(tab->cellText(1, 4), QString());
    EXPECT_FALSE(cmbFlx().isVisible());
    EXPECT_EQ(grid().currentColumn(), 4);

    for (int i = 0; i < 4; ++i)
        key(txtFlxg(), Qt::Key_Right);
    EXPECT_EQ(grid().currentColumn(), 7);  // the income is the last column typed

    QTest::keyClicks(&txtFlxg(), QStringLiteral("abc"));
    key(txtFlxg(), Qt::Key_Return);
    ASSERT_EQ(program.prompter().texts(), QStringList{QStringLiteral("Please Enter Numeric Values")});
    EXPECT_EQ(program.prompter().asked().last().prompt.icon, QMessageBox::Information);
    EXPECT_EQ(tab->cellText(1, 7), QString());
    EXPECT_EQ(tab->memberRowCount(), 2);
    EXPECT_EQ(grid().currentRow(), 1);
    EXPECT_EQ(grid().currentColumn(), 0);
    EXPECT_EQ(txtFlxg().geometry(), cellRect(2, 0));

    key(txtFlxg(), Qt::Key_Up);
    EXPECT_EQ(txtFlxg().text(), QStringLiteral("JUAN SANTOS"));
    key(txtFlxg(), Qt::Key_Down);
    EXPECT_EQ(grid().currentRow(), 1);
    EXPECT_EQ(tab->cellText(1, 0), QStringLiteral("JUAN SANTOS"));
    EXPECT_EQ(tab->cellText(2, 0), QString());

    // Leaving the grid puts the editor away and totals the incomes typed.
    clickCell(1, 7);
    QTest::keyClicks(&txtFlxg(), QStringLiteral("2500.5"));
    tab->cmdAdd()->setFocus();
    EXPECT_FALSE(txtFlxg().isVisible());
    EXPECT_EQ(tab->txtTotFamIncome()->text(), QStringLiteral("2500.5"));
}

TEST_F(FamilyGrid, ThreeMembersTypedReplaceTheStoredFamily)
{
    ASSERT_FALSE(storedBefore.isEmpty());
    clickCell(1, 0);
    typeMember({QStringLiteral("ROSA O'NEIL"), QStringLiteral("Wife"), QStringLiteral("38"), QStringLiteral("MARRIED"),
                QStringLiteral("High School Graduate"), QStringLiteral("Purok 2, Bagong Silang"),
                QStringLiteral("Vendor"), QStringLiteral("5000")});
    typeMember({QStringLiteral("PEDRO REYES"), QStringLiteral("Son"), QStringLiteral("17"), QStringLiteral("SINGLE"),
                QStringLiteral("High School Level"), QStringLiteral("Purok 2, Bagong Silang"),
                QStringLiteral("Student"), QStringLiteral("0")});
    typeMember({QStringLiteral("LITO REYES"), QStringLiteral("Brother"), QStringLiteral("45"),
                QStringLiteral("WIDOWER"), QStringLiteral("College Level"), QStringLiteral("Calamba"),
                QStringLiteral("Driver"), QStringLiteral("1234.5")});
    EXPECT_EQ(tab->memberRowCount(), 4);  // the row the last Enter added
    EXPECT_EQ(tab->txtTotFamIncome()->text(), QStringLiteral("6234.5"));

    ASSERT_TRUE(tab->checkRowsBeforeSave());
    tab->Save_FamilyComposition(QStringLiteral(" %1 ").arg(hospNum), hospNum);

    const QString save = QStringLiteral("PWO..sp_PWO_SaveFamilyComposition '%1',").arg(hospNum);
    EXPECT_EQ(sentFamilyStatements(),
              (QStringList{QStringLiteral("PWO..sp_PWO_ClearFamilyComposition '%1'").arg(hospNum),
                           save + QStringLiteral("'ROSA O''NEIL','Wife','38','MARRIED','High School Graduate',"
                                                 "'Purok 2, Bagong Silang','Vendor','5000','6234.5'"),
                           save + QStringLiteral("'PEDRO REYES','Son','17','SINGLE','High School Level',"
                                                 "'Purok 2, Bagong Silang','Student','0','6234.5'"),
                           save + QStringLiteral("'LITO REYES','Brother','45','WIDOWER','College Level','Calamba',"
                                                 "'Driver','1234.5','6234.5'")}));
    EXPECT_EQ(storedMembers(), (QStringList{QStringLiteral("ROSA O'NEIL/Vendor/5000/6234.5"),
                                            QStringLiteral("PEDRO REYES/Student/0/6234.5"),
                                            QStringLiteral("LITO REYES/Driver/1234.5/6234.5")}));
}

TEST_F(FamilyGrid, AnIncompleteRowAboveOthersStopsTheSaveBeforeAnythingIsCleared)
{
    clickCell(1, 0);
    typeMember({QStringLiteral("ANA CRUZ"), QStringLiteral("Mother"), QStringLiteral("60"), QStringLiteral("WIDOW"),
                QStringLiteral("Elementary Graduate"), QStringLiteral("Tanauan"), QStringLiteral("None"),
                QStringLiteral("0")});
    typeMember({QStringLiteral("BEN CRUZ"), QStringLiteral("Brother"), QStringLiteral("30"), QStringLiteral("SINGLE"),
                QStringLiteral("Vocational"), QStringLiteral("Tanauan"), QString(), QStringLiteral("3000")});
    typeMember({QStringLiteral("CORA CRUZ"), QStringLiteral("Sister"), QStringLiteral("25"), QStringLiteral("SINGLE"),
                QStringLiteral("College Graduate"), QStringLiteral("Tanauan"), QStringLiteral("Teacher"),
                QStringLiteral("15000")});

    EXPECT_FALSE(tab->checkRowsBeforeSave());
    EXPECT_EQ(program.prompter().texts(), QStringList{incomplete});
    // Even a caller that skipped the check clears nothing.
    EXPECT_ANY_THROW(tab->Save_FamilyComposition(hospNum, hospNum));
    EXPECT_TRUE(sentFamilyStatements().isEmpty());
    EXPECT_EQ(storedMembers(), storedBefore);

    // Emptied, the row is left out and the rest is stored.
    for (int column = 0; column < 8; ++column) {
        if (QTableWidgetItem *cell = grid().item(1, column))
            cell->setText(QString());
    }
    ASSERT_TRUE(tab->checkRowsBeforeSave());
    tab->Save_FamilyComposition(hospNum, hospNum);
    EXPECT_EQ(storedMembers().size(), 2);
}

TEST_F(FamilyGrid, AStoredFamilyShowsAndStoresBackUnchanged)
{
    Recordset rows;
    rows.setCursorLocation(adUseClient);
    rows.Open(QStringLiteral("PWO..sp_PWO_LoadExistFamilyComposition '%1'").arg(hospNum), *globals().Connection,
              adOpenForwardOnly, adLockReadOnly, -1);
    tab->showStoredFamily(rows);
    rows.Close();

    EXPECT_EQ(tab->memberRowCount(), storedBefore.size());
    EXPECT_EQ(tab->txtTotFamIncome()->text(), storedBefore.first().section(QLatin1Char('/'), 3));
    EXPECT_EQ(grid().horizontalHeaderItem(0)->text(), QStringLiteral("Family Members"));
    EXPECT_EQ(grid().horizontalHeaderItem(1)->text(), QStringLiteral("Rel. to Patient"));
    EXPECT_FALSE(tab->cmdAdd()->isEnabled());
    for (int column = 8; column < grid().columnCount(); ++column)
        EXPECT_TRUE(grid().isColumnHidden(column)) << column;

    ASSERT_TRUE(tab->checkRowsBeforeSave());
    tab->Save_FamilyComposition(hospNum, hospNum);
    EXPECT_EQ(storedMembers(), storedBefore);
}

TEST_F(FamilyGrid, AFailingStatementLeavesTheStoredFamilyAsItWas)
{
    clickCell(1, 0);
    typeMember({QStringLiteral("ANA CRUZ"), QStringLiteral("Mother"), QStringLiteral("60"), QStringLiteral("WIDOW"),
                QStringLiteral("Elementary Graduate"), QStringLiteral("Tanauan"), QStringLiteral("None"),
                QStringLiteral("0")});
    program.failNextStatementMatching(QStringLiteral("sp_PWO_SaveFamilyComposition"), 8152,
                                      QStringLiteral("String or binary data would be truncated."));
    EXPECT_ANY_THROW(tab->Save_FamilyComposition(hospNum, hospNum));
    EXPECT_FALSE(globals().Connection->inTransaction());
    EXPECT_EQ(storedMembers(), storedBefore);
}

} // namespace
