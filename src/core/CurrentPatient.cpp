#include "CurrentPatient.h"

namespace pwo {

QString CurrentPatientProperties::PatientType()
{
    if (values_.patientType.isEmpty())
        values_.patientType = QStringLiteral("2");
    return values_.patientType;
}

void CurrentPatientProperties::change(QString &property, const QString &value)
{
    if (property == value)
        return;
    property = value;
    emit changed();
}

void CurrentPatientProperties::setValues(const Values &values)
{
    values_ = values;
    emit changed();
}

void CurrentPatientProperties::clearOnListClosed()
{
    Values cleared = values_;
    cleared.IDNUM.clear();
    cleared.HospNum.clear();
    cleared.PWOID.clear();
    cleared.PatientName.clear();
    setValues(cleared);
}

} // namespace pwo
