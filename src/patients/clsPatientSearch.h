#pragma once

#include "data/Recordset.h"
#include "core/SiblingComponents.h"

#include <memory>

namespace pwo {

// The program's front to the hospital's patient registry: checks at start-up
// that the registry and the shared connection can be reached, and hands the
// intake window the registry's patient master and admission objects.
class clsPatientSearch {
public:
    bool InitConnection(const QString &connectionString, const QString &serverName);
    std::shared_ptr<PatientMasterObject> PatientMaster();
    // True when the admission exists; the second argument has no effect.
    bool ValidateAdmission(const QString &admissionNumber, const QString &unused = {});
    std::shared_ptr<AdmissionObject> Admission();

private:
    std::unique_ptr<PatientRegistryComponent> SearchRegistry;
    std::shared_ptr<PatientMasterObject> patientMaster_;
    std::shared_ptr<AdmissionObject> admission_;
    QString RequestedAdmission;
    QString LoadedAdmission;
    Recordset lookup_;
};

} // namespace pwo
