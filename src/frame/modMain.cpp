#include "modMain.h"

#include "ProgramLifetime.h"
#include "mdiPWO.h"
#include "core/modGlobals.h"
#include "patients/clsPatientSearch.h"

#include "data/Connection.h"
#include "data/Recordset.h"

#include <QCoreApplication>
#include <QDir>

namespace pwo {

namespace {

void readHospitalIdentity(Globals &g)
{
    Recordset info;
    info.OpenReadOnly(QStringLiteral("Select * from PATIENT_DATA..tbHospitalInfo"), *g.CurrentUser->sqlconnection());
    // The first row returned is the hospital; a null here is a fault of the table.
    g.Company = info.Fields(QStringLiteral("Company")).Value().toText();
    g.Address1 = info.Fields(QStringLiteral("Address1")).Value().toText();
    g.Title = info.Fields(QStringLiteral("Title")).Value().toText();
    g.TinNo = info.Fields(QStringLiteral("TinNo")).Value().toText();
    g.MTSServerName = info.Fields(QStringLiteral("MTSServerName")).Value().toText();
    info.Close();
}

void createComponents(Globals &g)
{
    ComponentFactory &factory = *g.Components;
    g.KeyFilter = factory.createKeyFilter();
    g.PatientRegistry = factory.createPatientRegistry(QString());
    g.CodeSearch = factory.createCodeSearch(g.MTSServerName);
    g.BillingConnection = factory.createBillingConnection(g.MTSServerName);
    g.BillingStatement = factory.createBillingStatement(g.MTSServerName);

    g.CodeSearch->setMTS_Server(g.MTSServerName);
    g.CodeSearch->setSearchMode(true);
    g.CodeSearch->Initialize_Classes();
    g.CodeSearch->setCompanyName(g.Company);
    g.CodeSearch->setSearchTitle(QStringLiteral("Patient Welfare Office"));
    g.CodeSearch->setConnection(g.CurrentUser->sqlconnection());
}

// Everything between a successful login and the main window.
void startSession(Globals &g)
{
    const std::shared_ptr<Connection> userConnection = g.CurrentUser->sqlconnection();
    userConnection->setDefaultDatabase(QStringLiteral("PWO"));
    readHospitalIdentity(g);
    createComponents(g);

    const QString connectionString = userConnection->ConnectionString();
    if (!g.PatientSearch)
        g.PatientSearch = std::make_shared<clsPatientSearch>();
    if (!g.PatientSearch->InitConnection(connectionString, g.MTSServerName))
        return;

    g.Connection = userConnection;
    g.Connection->setCursorLocation(adUseClient);
    g.PatientRegistry->OpenConnection(g.Connection->ConnectionString());
    g.RegistryAdmission = g.PatientRegistry->clsAdmission();
    g.RegistryPatientMaster = g.PatientRegistry->clsPatientMaster();

    showMainWindow();
}

} // namespace

void RunStartup()
{
    const ProgramLifetime::StartupGuard startingUp;
    Globals &g = globals();
    g.ReportFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QStringLiteral("/REPORTS/"));
    g.CurrentUser = g.Components->createCurrentUser();
    g.CurrentUser->setPasswordDeptCode(QStringLiteral("PWO"));
    g.CurrentUser->ShowMain();
    if (g.CurrentUser->Connected())
        startSession(g);
    g.EmployeeCode = g.CurrentUser->employeecode();
}

} // namespace pwo
