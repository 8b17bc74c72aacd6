#include "CurrentPatient.h"

namespace pwo {

QString CurrentPatientProperties::PatientType()
{
    if (patientType_.isEmpty())
        patientType_ = QStringLiteral("2");
    return patientType_;
}

void CurrentPatientProperties::clearOnListClosed()
{
    IDNUM.clear();
    HospNum.clear();
    PWOID.clear();
    PatientName.clear();
}

CurrentPatientProperties &CurrentPatient()
{
    static CurrentPatientProperties current;
    return current;
}

} // namespace pwo
