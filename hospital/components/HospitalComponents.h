#pragma once

#include "core/SiblingComponents.h"

namespace hospital::components {

// Makes the hospital's components, all in this process; the host each
// remote one was asked for is recorded.
class HospitalComponents final : public pwo::ComponentFactory {
public:
    // `demoFolder`: the stand-in database the login dialog offers first.
    explicit HospitalComponents(QString demoFolder);

    std::unique_ptr<pwo::CurrentUserComponent> createCurrentUser() override;
    std::unique_ptr<pwo::KeyFilterComponent> createKeyFilter() override;
    std::unique_ptr<pwo::PatientRegistryComponent> createPatientRegistry(const QString &host) override;
    std::unique_ptr<pwo::CodeSearchComponent> createCodeSearch(const QString &host) override;
    std::unique_ptr<pwo::BillingConnectionComponent> createBillingConnection(const QString &host) override;
    std::unique_ptr<pwo::BillingStatementComponent> createBillingStatement(const QString &host) override;

    // True once a login from the environment was refused: scripts that start
    // the program that way learn it from its exit status.
    bool environmentLoginRefused() const { return environmentLoginRefused_; }

    // The host of the last creation of each kind.
    QString hostForPatientRegistry() const { return patientRegistryHost_; }
    QString hostForCodeSearch() const { return codeSearchHost_; }
    QString hostForBillingConnection() const { return billingConnectionHost_; }
    QString hostForBillingStatement() const { return billingStatementHost_; }

private:
    QString demoFolder_;
    bool environmentLoginRefused_ = false;
    QString patientRegistryHost_;
    QString codeSearchHost_;
    QString billingConnectionHost_;
    QString billingStatementHost_;
};

} // namespace hospital::components
