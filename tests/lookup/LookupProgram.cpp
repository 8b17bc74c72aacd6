#include "LookupProgram.h"

#include "patients/frmEmployeeListing.h"
#include "reports/dialogs/ReportDialogs.h"

#include "data/StatementTrace.h"

using namespace pwo;

void LookupProgram::SetUp()
{
    EmployeeListing() = frmEmployeeListing{};
    ReportDate() = frmReportDate{};
    ReportDateRange() = frmReportDateRange{};
    ReportDate2() = frmReportDate2{};
    ReportDateCategory() = frmReportDateCategory{};
    program.startAs();
    ASSERT_NE(program.mainWindow(), nullptr);
    StatementTrace::instance().clear();
}
