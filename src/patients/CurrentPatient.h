#pragma once

#include <QString>

namespace pwo {

// The patient the windows act on, chosen in the patient list. An empty
// HospNum means no patient is current. ERNum and PatientType outlive the
// list window; the others are cleared when it closes.
class CurrentPatientProperties {
public:
    QString IDNUM;
    QString HospNum;
    QString PatientName;
    QString PWOID;
    QString ERNum;

    // "0" in-patients, "1" out-patients, "2" all service patients (also when
    // nothing was chosen yet: that "2" is then stored), "3" ER, "5" department.
    QString PatientType();
    void setPatientType(const QString &type) { patientType_ = type; }

    void clearOnListClosed();

private:
    QString patientType_;
};

CurrentPatientProperties &CurrentPatient();

} // namespace pwo
