#include "frmReportDate2.h"

#include "core/ErrorPolicy.h"
#include "core/ProgramState.h"
#include "widgets/SearchIcon.h"
#include "widgets/WorkerLookup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pwo {

frmReportDate2::frmReportDate2(bool withWorkerRow)
    : ReportPeriodWindow(QStringLiteral("frmReportDate2"), QStringLiteral("Report Date Entry"),
                         QStringLiteral("Report Date")),
      period_(*this),
      lblpwow(new QLabel(QStringLiteral(" PWOW"), this)),
      txtPWOW(new QLineEdit(this)),
      cmdSearch(new QPushButton(this))
{
    lblpwow->setObjectName(QStringLiteral("lblpwow"));
    txtPWOW->setObjectName(QStringLiteral("txtPWOW"));
    txtPWOW->setReadOnly(true);  // filled only by the search
    txtPWOW->setMinimumWidth(txtPWOW->fontMetrics().averageCharWidth() * 30);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setIcon(searchIcon());
    cmdSearch->setToolTip(QStringLiteral("Find the social worker"));
    cmdSearch->setAutoDefault(false);
    addRow(lblpwow, {txtPWOW, cmdSearch});
    for (QWidget *control : std::initializer_list<QWidget *>{lblpwow, txtPWOW, cmdSearch})
        control->setVisible(withWorkerRow);
    connect(cmdSearch, &QPushButton::clicked, this, guardedSlot(this, &frmReportDate2::cmdSearch_Click));
    centreOnScreen();
}

void frmReportDate2::cmdSearch_Click()
{
    const LookedUpWorker worker = lookUpWorker();
    ReportDate2().WorkerCode = worker.code;
    if (worker.found)
        txtPWOW->setText(worker.name);
}

void frmReportDate2::Show(bool withWorkerRow)
{
    ReportPeriodChoice &choice = ReportDate2();
    frmReportDate2 window(withWorkerRow);
    if (window.runFor(choice))
        window.period_.copyInto(choice);
}

} // namespace pwo
