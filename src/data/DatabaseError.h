#pragma once

#include "GatewayErrorNumbers.h"

#include <QString>

#include <stdexcept>
#include <vector>

namespace pwo {

// One error as the server (or the gateway itself) reports it.
struct ErrorInfo {
    long number = 0;
    QString description;
    QString source;    // who raised it: the server, the gateway, a driver
    QString sqlState;  // empty where the source has none
};

// Thrown by every failing gateway operation; carries all errors the
// operation produced, the first being the one to show.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(std::vector<ErrorInfo> errors);
    DatabaseError(long number, const QString &description, const QString &source = QStringLiteral("Gateway"));

    long number() const { return errors_.front().number; }
    QString description() const { return errors_.front().description; }
    const std::vector<ErrorInfo> &errors() const { return errors_; }

private:
    std::vector<ErrorInfo> errors_;
};

} // namespace pwo
