#include "hospital/components/registry/Admission.h"

#include "hospital/components/DisplayName.h"

#include "data/Recordset.h"
#include "data/SqlText.h"

namespace hospital::components {

Admission::Admission(std::shared_ptr<const RegistryLink> link) : link_(std::move(link)) {}

void Admission::OpenAdmission(const QString &admissionNumber)
{
    loaded_ = {};
    pwo::Recordset found;
    found.Open(QStringLiteral("PATIENT_DATA..sp_Reg_LoadAdmission ") + pwo::sql::quoted(admissionNumber),
               link_->connection(), 2, pwo::adLockReadOnly, -1);
    if (found.Eof())
        return;
    loaded_.admissionDate = found.value(QStringLiteral("AdmDate")).toDate();
    loaded_.room = AdmissionRoom(found.value(QStringLiteral("RoomID")).text());
    loaded_.history = AdmissionHistory(found.value(QStringLiteral("AdmittingDiagnosis")).text());
    const QString doctorName = displayName(found.value(QStringLiteral("DoctorFirstName")).text(),
                                           found.value(QStringLiteral("DoctorLastName")).text());
    // Desks that refer from outside the hospital write the name itself, not a doctor code.
    loaded_.referringDoctor = doctorName.isEmpty() ? found.value(QStringLiteral("ReferringDoctor")).text() : doctorName;
}

} // namespace hospital::components
