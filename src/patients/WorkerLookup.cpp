#include "WorkerLookup.h"

#include "frmEmployeeListing.h"

#include "data/Recordset.h"
#include "data/SqlText.h"
#include "shell/Prompter.h"
#include "shell/modGlobals.h"

namespace pwo {

LookedUpWorker lookUpWorker()
{
    EmployeeListing().Show();
    LookedUpWorker worker;
    worker.code = EmployeeListing().WorkerCode();

    Recordset employee;
    employee.setCursorLocation(adUseClient);
    employee.Open(QStringLiteral("PWO..sp_PWO_GetEmployeeName ") + sql::quoted(worker.code),
                  *globals().CurrentUser->sqlconnection(), 2, adLockReadOnly, -1);
    if (employee.RecordCount() < 1) {
        showMessage(QStringLiteral("Employee No Longer Exists."), QMessageBox::Ok, QMessageBox::Warning,
                    QStringLiteral("MESSAGE"));
    } else {
        worker.found = true;
        worker.name = employee.Fields(QStringLiteral("EmployeeName")).Value().text();
        worker.licenceNumber = employee.Fields(QStringLiteral("licensenumber")).Value().text();
    }
    employee.Close();
    return worker;
}

} // namespace pwo
