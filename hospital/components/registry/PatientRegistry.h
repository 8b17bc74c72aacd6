#pragma once

#include "hospital/components/registry/Admission.h"
#include "hospital/components/registry/PatientMaster.h"

namespace hospital::components {

// The patient registry: its own connection, and one patient master and one
// admission object reading through it.
class PatientRegistry final : public pwo::PatientRegistryComponent {
public:
    PatientRegistry();

    // Throws pwo::DatabaseError when the connection cannot be opened; the
    // registry then has no connection.
    void OpenConnection(const QString &connectionString) override;
    QString ActiveConnection() const override;
    std::shared_ptr<pwo::AdmissionObject> clsAdmission() override { return admission_; }
    std::shared_ptr<pwo::PatientMasterObject> clsPatientMaster() override { return patientMaster_; }

private:
    std::shared_ptr<RegistryLink> link_;
    std::shared_ptr<Admission> admission_;
    std::shared_ptr<PatientMaster> patientMaster_;
};

} // namespace hospital::components
