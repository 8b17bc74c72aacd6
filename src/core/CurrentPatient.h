#pragma once

#include <QObject>
#include <QString>

namespace pwo {

// The patient the windows act on, chosen in the patient list. An empty
// HospNum means no patient is current. ERNum and PatientType outlive the
// list window; the others are cleared when it closes. Every change is
// announced, so that the frame enables what needs a patient.
class CurrentPatientProperties : public QObject {
    Q_OBJECT
public:
    // All the properties at one moment, to put back after a failed search.
    struct Values {
        QString IDNUM;
        QString HospNum;
        QString PatientName;
        QString PWOID;
        QString ERNum;
        QString patientType;
    };

    const QString &IDNUM() const { return values_.IDNUM; }
    const QString &HospNum() const { return values_.HospNum; }
    const QString &PatientName() const { return values_.PatientName; }
    const QString &PWOID() const { return values_.PWOID; }
    const QString &ERNum() const { return values_.ERNum; }
    // "0" in-patients, "1" out-patients, "2" all service patients (also when
    // nothing was chosen yet: that "2" is then stored), "3" ER, "5" department.
    QString PatientType();

    void setIDNUM(const QString &value) { change(values_.IDNUM, value); }
    void setHospNum(const QString &value) { change(values_.HospNum, value); }
    void setPatientName(const QString &value) { change(values_.PatientName, value); }
    void setPWOID(const QString &value) { change(values_.PWOID, value); }
    void setERNum(const QString &value) { change(values_.ERNum, value); }
    void setPatientType(const QString &type) { change(values_.patientType, type); }

    const Values &values() const { return values_; }
    // Sets every property at once, announcing one change.
    void setValues(const Values &values);
    void clearOnListClosed();

signals:
    void changed();

private:
    void change(QString &property, const QString &value);

    Values values_;
};

} // namespace pwo
