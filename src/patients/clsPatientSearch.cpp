#include "clsPatientSearch.h"

#include "data/SqlText.h"
#include "core/Prompter.h"
#include "core/modGlobals.h"

namespace pwo {

bool clsPatientSearch::InitConnection(const QString &connectionString, const QString &serverName)
{
    bool reachable = false;
    try {
        if (!connectionString.trimmed().isEmpty()) {
            SearchRegistry = globals().Components->createPatientRegistry(serverName.trimmed());
            SearchRegistry->OpenConnection(connectionString);
        }
        reachable = SearchRegistry && !SearchRegistry->ActiveConnection().isEmpty();
    } catch (const std::exception &) {
        reachable = false;  // any failure here means the registry cannot be reached
    }
    if (!reachable) {
        showMessage(QStringLiteral("Unable to stablish a connection..."), QMessageBox::Ok, QMessageBox::NoIcon);
        return false;
    }
    auto &connection = globals().Connection;
    if (!connection)
        connection = std::make_shared<Connection>();
    if (connection->State() == adStateClosed)
        connection->Open(connectionString, QString(), QString(), -1);
    return connection != nullptr;
}

std::shared_ptr<PatientMasterObject> clsPatientSearch::PatientMaster()
{
    if (!patientMaster_)
        patientMaster_ = SearchRegistry->clsPatientMaster();
    return patientMaster_;
}

bool clsPatientSearch::ValidateAdmission(const QString &admissionNumber, const QString &)
{
    const QString trimmed = admissionNumber.trimmed();
    if (trimmed.isEmpty())
        return false;
    if (lookup_.State() > adStateClosed)
        lookup_.Close();
    lookup_.OpenReadOnly(QStringLiteral("Patient_Data..sp_Adm_LoadInPatient ") + sql::quoted(trimmed) + QStringLiteral(",''"),
                 *globals().Connection);
    if (lookup_.Bof() && lookup_.Eof()) {
        lookup_.Close();
        return false;
    }
    RequestedAdmission = admissionNumber;
    return true;
}

std::shared_ptr<AdmissionObject> clsPatientSearch::Admission()
{
    if (!admission_)
        admission_ = SearchRegistry->clsAdmission();
    if (RequestedAdmission != LoadedAdmission) {
        LoadedAdmission = RequestedAdmission;
        admission_->OpenAdmission(RequestedAdmission);
    }
    return admission_;
}

} // namespace pwo
