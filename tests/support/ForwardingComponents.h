#pragma once

#include "core/SiblingComponents.h"

// The hospital's components as another factory makes them, for a test that
// replaces only some: override the ones to replace.
class ForwardingComponents : public pwo::ComponentFactory {
public:
    explicit ForwardingComponents(pwo::ComponentFactory &real) : real_(real) {}

    std::unique_ptr<pwo::CurrentUserComponent> createCurrentUser() override { return real_.createCurrentUser(); }
    std::unique_ptr<pwo::KeyFilterComponent> createKeyFilter() override { return real_.createKeyFilter(); }
    std::unique_ptr<pwo::PatientRegistryComponent> createPatientRegistry(const QString &host) override
    {
        return real_.createPatientRegistry(host);
    }
    std::unique_ptr<pwo::CodeSearchComponent> createCodeSearch(const QString &host) override
    {
        return real_.createCodeSearch(host);
    }
    std::unique_ptr<pwo::BillingConnectionComponent> createBillingConnection(const QString &host) override
    {
        return real_.createBillingConnection(host);
    }
    std::unique_ptr<pwo::BillingStatementComponent> createBillingStatement(const QString &host) override
    {
        return real_.createBillingStatement(host);
    }

private:
    pwo::ComponentFactory &real_;
};
