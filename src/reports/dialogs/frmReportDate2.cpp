#include "ReportDialogs.h"
#include "ReportPeriodWindow.h"

#include "patients/SearchIcon.h"
#include "patients/WorkerLookup.h"
#include "shell/ErrorPolicy.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pwo {

void frmReportDate2::Show(bool withWorkerRow)
{
    CloseForm = false;
    ReportPeriodWindow window(QStringLiteral("frmReportDate2"), QStringLiteral("Report Date Entry"),
                              QStringLiteral("Report Date"));
    const PeriodPickers period(window);

    auto *lblpwow = new QLabel(QStringLiteral(" PWOW"), &window);
    lblpwow->setObjectName(QStringLiteral("lblpwow"));
    auto *txtPWOW = new QLineEdit(&window);
    txtPWOW->setObjectName(QStringLiteral("txtPWOW"));
    txtPWOW->setReadOnly(true);  // filled only by the search
    txtPWOW->setMinimumWidth(txtPWOW->fontMetrics().averageCharWidth() * 30);
    auto *cmdSearch = new QPushButton(&window);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setIcon(searchIcon());
    cmdSearch->setToolTip(QStringLiteral("Find the social worker"));
    cmdSearch->setAutoDefault(false);
    window.addRow(lblpwow, {txtPWOW, cmdSearch});
    for (QWidget *control : std::initializer_list<QWidget *>{lblpwow, txtPWOW, cmdSearch})
        control->setVisible(withWorkerRow);

    QObject::connect(cmdSearch, &QPushButton::clicked, &window, [this, txtPWOW] {
        guarded([&] {
            const LookedUpWorker worker = lookUpWorker();
            WorkerCode = worker.code;
            if (worker.found)
                txtPWOW->setText(worker.name);
        });
    });

    window.centreOnScreen();
    CloseForm = !window.run();
    if (!CloseForm)
        period.copyInto(*this);
}

frmReportDate2 &ReportDate2()
{
    static frmReportDate2 dialog;
    return dialog;
}

} // namespace pwo
