#pragma once

#include "hospital/components/registry/RegistryLink.h"
#include "hospital/components/registry/RegistryValues.h"

#include <memory>

namespace hospital::components {

// One in-patient admission of the registry, loaded by admission number.
class Admission final : public pwo::AdmissionObject {
public:
    explicit Admission(std::shared_ptr<const RegistryLink> link);

    // An unknown number leaves the object empty. Throws pwo::DatabaseError
    // when the registry cannot be read.
    void OpenAdmission(const QString &admissionNumber) override;
    QDate AdmissionDate() const override { return loaded_.admissionDate; }
    const pwo::RegistryRoom &Room() const override { return loaded_.room; }
    QString ReferringDoctor() const override { return loaded_.referringDoctor; }
    const pwo::RegistryHistory &History() const override { return loaded_.history; }

private:
    struct Stay {
        QDate admissionDate;
        AdmissionRoom room;
        QString referringDoctor;
        AdmissionHistory history;
    };

    std::shared_ptr<const RegistryLink> link_;
    Stay loaded_;
};

} // namespace hospital::components
