#include "ReportDialogs.h"
#include "ReportPeriodWindow.h"

#include "data/Recordset.h"
#include "shell/modGlobals.h"

#include <QComboBox>

namespace pwo {

namespace {

void fillCategories(QComboBox &cmbCategory)
{
    Recordset categories;
    categories.Open(QStringLiteral("select category from tbPwoCaseCategory"), *globals().CurrentUser->sqlconnection(),
                    2, adLockOptimistic, -1);
    while (!categories.Eof()) {
        cmbCategory.addItem(categories.Fields(QStringLiteral("category")).Value().text());
        categories.MoveNext();
    }
    categories.Close();
    cmbCategory.setCurrentIndex(-1);
}

} // namespace

void frmReportDateCategory::Show()
{
    CloseForm = false;
    ReportPeriodWindow window(QStringLiteral("frmReportDateCategory"), QStringLiteral("Report "),
                              QStringLiteral("Search NBB Report"));
    const PeriodPickers period(window);
    auto *cmbCategory = new QComboBox(&window);
    cmbCategory->setObjectName(QStringLiteral("cmbCategory"));
    window.addRow(QStringLiteral("Category :"), cmbCategory);
    fillCategories(*cmbCategory);

    window.centreOnScreen();
    CloseForm = !window.run();
    if (CloseForm)
        return;
    period.copyInto(*this);
    category = cmbCategory->currentText();
}

frmReportDateCategory &ReportDateCategory()
{
    static frmReportDateCategory dialog;
    return dialog;
}

} // namespace pwo
