#pragma once

#include "SiblingComponents.h"

#include <QString>

#include <memory>

namespace pwo {

class Connection;
class clsPatientSearch;
class Report;

// The process-wide state of a logged-in session; start-up fills it.
struct Globals {
    std::unique_ptr<CurrentUserComponent> CurrentUser;
    // The same object as CurrentUser->sqlconnection() once start-up succeeded.
    std::shared_ptr<pwo::Connection> Connection;
    std::unique_ptr<PatientRegistryComponent> PatientRegistry;
    std::shared_ptr<AdmissionObject> RegistryAdmission;
    std::shared_ptr<PatientMasterObject> RegistryPatientMaster;
    std::unique_ptr<KeyFilterComponent> KeyFilter;
    std::unique_ptr<CodeSearchComponent> CodeSearch;
    std::shared_ptr<clsPatientSearch> PatientSearch;
    std::unique_ptr<BillingConnectionComponent> BillingConnection;
    std::unique_ptr<BillingStatementComponent> BillingStatement;
    // The report of the last OpenReport; emptied when a viewer closes.
    std::shared_ptr<Report> CurrentReport;

    QString ReportFolder;
    QString Company;
    QString Address1;
    QString Title;
    QString TinNo;
    QString MTSServerName;
    QString EmployeeCode;

    // Where start-up creates the hospital's components; set once by main.
    ComponentFactory *Components = nullptr;
};

Globals &globals();

// A report file under ReportFolder, as this platform writes paths. Callers
// pass names as the hospital writes them ("\ListofGrantees.rpt").
QString reportFilePath(const QString &fileName);

} // namespace pwo
