#include "WorkerLookup.h"

#include "frmEmployeeListing.h"
#include "core/ProgramState.h"

#include "data/Recordset.h"
#include "data/SqlText.h"
#include "core/Prompter.h"
#include "core/modGlobals.h"

namespace pwo {

LookedUpWorker lookUpWorker()
{
    frmEmployeeListing::Show();
    LookedUpWorker worker;
    worker.code = EmployeeListing().WorkerCode;

    Recordset employee;
    employee.OpenReadOnly(QStringLiteral("PWO..sp_PWO_GetEmployeeName ") + sql::quoted(worker.code),
                          *globals().CurrentUser->sqlconnection());
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
