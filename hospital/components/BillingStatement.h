#pragma once

#include "core/SiblingComponents.h"

namespace hospital::components {

// Keeps what the client tells it about the statement it wants.
class BillingStatement final : public pwo::BillingStatementComponent {
public:
    void setAdmissionNumber(const QString &number) override { admissionNumber_ = number; }
    void setUserId(const QString &employeeCode) override { userId_ = employeeCode; }
    void setHospitalNumber(const QString &number) override { hospitalNumber_ = number; }
    void setUserName(const QString &name) override { userName_ = name; }
    // Throws std::runtime_error: this version cannot produce the statement.
    void ShowSOA(const QString &admissionNumber) override;

    QString admissionNumber() const { return admissionNumber_; }
    QString userId() const { return userId_; }
    QString hospitalNumber() const { return hospitalNumber_; }
    QString userName() const { return userName_; }

private:
    QString admissionNumber_;
    QString userId_;
    QString hospitalNumber_;
    QString userName_;
};

} // namespace hospital::components
