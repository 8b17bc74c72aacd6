#pragma once

#include "core/SiblingComponents.h"

namespace hospital::components {

// Tells whether a server's billing database can be reached. Only stand-in
// servers, named by their database folder, can be reached in this version.
class BillingConnection final : public pwo::BillingConnectionComponent {
public:
    bool EstablishedConnection(const QString &serverName, const QString &database, const QString &password) override;
    // Why the last EstablishedConnection answered false; empty after a true one.
    QString lastFailure() const { return lastFailure_; }

private:
    QString lastFailure_;
};

} // namespace hospital::components
