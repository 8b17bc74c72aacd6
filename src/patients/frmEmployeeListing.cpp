#include "frmEmployeeListing.h"

#include "EmployeeListingWindow.h"

#include <QApplication>

namespace pwo {

void frmEmployeeListing::Show()
{
    QWidget *caller = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                        : QApplication::activeWindow();
    EmployeeListingWindow window(caller);
    window.exec();
    if (window.selectedCode())
        workerCode_ = *window.selectedCode();
}

frmEmployeeListing &EmployeeListing()
{
    static frmEmployeeListing list;
    return list;
}

} // namespace pwo
