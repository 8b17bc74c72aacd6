#pragma once

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

// Error numbers the gateway raises itself (not the server's).
namespace GatewayError {
constexpr long ConversionFailed = 13;          // type mismatch on a conversion
constexpr long ItemNotFound = 3265;            // no column of that name
constexpr long NoCurrentRecord = 3021;         // EOF or BOF is true
constexpr long ObjectClosed = 3704;            // operation on a closed object
constexpr long NotUpdatable = 3251;            // AddNew/Update on a read-only set
constexpr long RowNotLocated = -2147217864;    // optimistic match found no row
constexpr long TransactionState = 3246;        // BeginTrans twice, Commit without
constexpr long ProviderNotFound = 3706;        // connection string names no backend
} // namespace GatewayError

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
