#include "LoggedInProgram.h"
#include "ModalWindows.h"

#include "assessment/frmAssessmentList.h"
#include "core/ProgramState.h"
#include "frame/mdiPWO.h"
#include "data/Recordset.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTest>

using namespace pwo;

namespace {

class AssessmentList : public LoggedInProgram {};

QStringList rowTexts(const QTableWidget &grid, int row)
{
    QStringList texts;
    for (int column = 0; column < grid.columnCount(); ++column)
        texts << (grid.item(row, column) ? grid.item(row, column)->text() : QString());
    return texts;
}

TEST_F(AssessmentList, ShowsThePatientsAssessmentsNewestFirstInColumnsOneToSeven)
{
    program.database().sqlite(QStringLiteral(
        "INSERT INTO PWO.tbPWOAssessment (IDNUM, HospNum, Code, CaseCategory, PWODiscountExpiry, REMARKS, "
        "DateAssessed) VALUES "
        "('269999901', '99999999', 'C2', '01', '2026-06-01 00:00:00', 'Home visit done.', '2026-03-04 09:30:00'), "
        "('269999902', '99999999', NULL, NULL, NULL, NULL, '2026-11-20 10:00:00')"));
    Recordset previous;
    previous.OpenReadOnly(QStringLiteral("PWO..sp_PWO_GetPreviousAssessment '99999999'"), *globals().Connection);
    ASSERT_EQ(previous.RecordCount(), 2);

    whenShown(QStringLiteral("frmAssessmentList"), [&](QWidget &window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Patient Welfare Office"));
        auto &grid = child<QTableWidget>(window, QStringLiteral("GridAssessment"));
        QStringList header;
        for (int column = 0; column < grid.columnCount(); ++column)
            header << grid.horizontalHeaderItem(column)->text();
        EXPECT_EQ(header, (QStringList{"", "Adm. Num.", "Code", "Classification", "Category", "AssessDate", "Remarks",
                                       "ExpiryDate"}));
        ASSERT_EQ(grid.rowCount(), 2);
        EXPECT_EQ(rowTexts(grid, 0), (QStringList{"", "269999902", "", "", "", "11/20/2026", "", ""}));
        EXPECT_EQ(rowTexts(grid, 1),
                  (QStringList{"", "269999901", "C2", "Financially limited (50% discount)", "Medical Assistance",
                               "03/04/2026", "Home visit done.", "06/01/2026"}));
        EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
        QTest::keyClick(&grid, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
    });
    frmAssessmentList::Show(program.mainWindow(), previous);
}

} // namespace
