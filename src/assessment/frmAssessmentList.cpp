#include "frmAssessmentList.h"

#include "core/GeneralDate.h"
#include "data/Recordset.h"

#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace pwo {

namespace {
constexpr int shownColumns = 7;

// A bound grid shows a date column in the general date form.
QString cellText(const Value &value)
{
    return value.isDateTime() ? generalDateText(value) : value.text();
}
} // namespace

frmAssessmentList::frmAssessmentList(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
    connect(ui.cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void frmAssessmentList::Show(QWidget *parent, Recordset &previousAssessments)
{
    frmAssessmentList list(parent);
    list.showRows(previousAssessments);
    list.exec();
}

void frmAssessmentList::Form_Load()
{
    ui.GridAssessment->setRowCount(0);
    ui.formatGrid();
}

void frmAssessmentList::showRows(Recordset &previousAssessments)
{
    const int columns = std::min<int>(shownColumns, int(previousAssessments.columnNames().size()));
    ui.GridAssessment->setRowCount(int(previousAssessments.RecordCount()));
    for (long row = 0; row < previousAssessments.RecordCount(); ++row)
        for (int column = 0; column < columns; ++column)
            ui.GridAssessment->setItem(int(row), column + 1,
                                       new QTableWidgetItem(cellText(previousAssessments.valueAt(row, column))));
}

} // namespace pwo
