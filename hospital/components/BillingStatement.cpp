#include "hospital/components/BillingStatement.h"

#include <stdexcept>

namespace hospital::components {

void BillingStatement::ShowSOA(const QString &)
{
    throw std::runtime_error("The summarized statement of account is not available in this version.");
}

} // namespace hospital::components
