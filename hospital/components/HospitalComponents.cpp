#include "hospital/components/HospitalComponents.h"

#include "hospital/components/BillingConnection.h"
#include "hospital/components/BillingStatement.h"
#include "hospital/components/CodeSearch.h"
#include "hospital/components/KeyFilter.h"
#include "hospital/components/registry/PatientRegistry.h"
#include "hospital/components/user/CurrentUser.h"

namespace hospital::components {

HospitalComponents::HospitalComponents(QString demoFolder) : demoFolder_(std::move(demoFolder)) {}

std::unique_ptr<pwo::CurrentUserComponent> HospitalComponents::createCurrentUser()
{
    return std::make_unique<CurrentUser>(demoFolder_, [this] { environmentLoginRefused_ = true; });
}

std::unique_ptr<pwo::KeyFilterComponent> HospitalComponents::createKeyFilter()
{
    return std::make_unique<KeyFilter>();
}

std::unique_ptr<pwo::PatientRegistryComponent> HospitalComponents::createPatientRegistry(const QString &host)
{
    patientRegistryHost_ = host;
    return std::make_unique<PatientRegistry>();
}

std::unique_ptr<pwo::CodeSearchComponent> HospitalComponents::createCodeSearch(const QString &host)
{
    codeSearchHost_ = host;
    return std::make_unique<CodeSearch>();
}

std::unique_ptr<pwo::BillingConnectionComponent> HospitalComponents::createBillingConnection(const QString &host)
{
    billingConnectionHost_ = host;
    return std::make_unique<BillingConnection>();
}

std::unique_ptr<pwo::BillingStatementComponent> HospitalComponents::createBillingStatement(const QString &host)
{
    billingStatementHost_ = host;
    return std::make_unique<BillingStatement>();
}

} // namespace hospital::components
