#include "frmReportDateCategory.h"

#include "core/ProgramState.h"
#include "data/Recordset.h"

#include <QComboBox>

namespace pwo {

frmReportDateCategory::frmReportDateCategory()
    : ReportPeriodWindow(QStringLiteral("frmReportDateCategory"), QStringLiteral("Report "),
                         QStringLiteral("Search NBB Report")),
      period_(*this),
      cmbCategory(new QComboBox(this))
{
    cmbCategory->setObjectName(QStringLiteral("cmbCategory"));
    addRow(QStringLiteral("Category :"), cmbCategory);
    fillCategories();
    centreOnScreen();
}

void frmReportDateCategory::fillCategories()
{
    Recordset categories;
    categories.Open(QStringLiteral("select category from tbPwoCaseCategory"), *globals().CurrentUser->sqlconnection(),
                    adOpenDynamic, adLockOptimistic, -1);
    while (!categories.Eof()) {
        cmbCategory->addItem(categories.Fields(QStringLiteral("category")).Value().text());
        categories.MoveNext();
    }
    categories.Close();
    cmbCategory->setCurrentIndex(-1);
}

void frmReportDateCategory::Show()
{
    ReportPeriodChoice &choice = ReportDateCategory();
    frmReportDateCategory window;
    if (!window.runFor(choice))
        return;
    window.period_.copyInto(choice);
    choice.category = window.cmbCategory->currentText();
}

} // namespace pwo
