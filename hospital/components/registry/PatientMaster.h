#pragma once

#include "hospital/components/registry/RegistryLink.h"
#include "hospital/components/registry/RegistryValues.h"

#include <memory>

namespace hospital::components {

// One patient of the registry, loaded by hospital number.
class PatientMaster final : public pwo::PatientMasterObject {
public:
    explicit PatientMaster(std::shared_ptr<const RegistryLink> link);

    // Throws pwo::DatabaseError when the registry cannot be read.
    bool LoadPatient(const QString &hospitalNumber) override;
    QString HospitalNumber() const override { return loaded_.hospitalNumber; }
    QString LastName() const override { return loaded_.lastName; }
    QString FirstName() const override { return loaded_.firstName; }
    QString MiddleName() const override { return loaded_.middleName; }
    QString Sex() const override { return loaded_.sex; }
    // Whole years from the birth date to today; empty without a birth date.
    QString Age() const override;
    QString Occupation() const override { return loaded_.occupation; }
    QString BirthPlace() const override { return loaded_.birthPlace; }
    QString TelNumber() const override { return loaded_.telNumber; }
    QString Employer() const override { return loaded_.employer; }
    QDate BirthDate() const override { return loaded_.birthDate; }
    const pwo::RegistryCode &Religion() const override { return loaded_.religion; }
    const pwo::RegistryCode &CivilStatus() const override { return loaded_.civilStatus; }

private:
    struct Patient {
        QString hospitalNumber, lastName, firstName, middleName, sex, occupation, birthPlace, telNumber, employer;
        QDate birthDate;
        CodeName religion, civilStatus;
    };

    std::shared_ptr<const RegistryLink> link_;
    Patient loaded_;
};

} // namespace hospital::components
