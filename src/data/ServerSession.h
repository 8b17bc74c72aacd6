#pragma once

#include "ResultSet.h"
#include "Value.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace pwo {

struct BatchResult {
    std::vector<ResultSet> resultSets;  // in the order the batch produced them
    std::int64_t rowsAffected = -1;     // of the last statement that changed rows; -1 when none did
};

// A live session with a database server: the backend behind a Connection.
// The embedded stand-in and ODBC each provide one. Every failure throws
// DatabaseError carrying the server's errors (number and text).
class ServerSession {
public:
    virtual ~ServerSession() = default;

    virtual BatchResult run(const QString &batch) = 0;
    virtual void beginTransaction() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual void setDefaultDatabase(const QString &name) = 0;
    virtual QString defaultDatabase() const = 0;
    // True once the server is gone for this session: every later call fails,
    // and only a new session can go on.
    virtual bool connectionLost() const = 0;
};

// Opens a session for a connection string (user and password as given to
// Connection::Open; empty when the string carries them).
using SessionOpener =
    std::function<std::unique_ptr<ServerSession>(const QString &connectionString, const QString &user,
                                                 const QString &password)>;

// Backends register here under the value of the connection string's
// "Provider" keyword; a string without a registered provider goes to ODBC.
void registerProvider(const QString &provider, SessionOpener opener);
bool hasProvider(const QString &provider);
std::unique_ptr<ServerSession> openSession(const QString &connectionString, const QString &user,
                                           const QString &password);
// The value of one keyword of a "key=value;key=value" connection string, or empty.
QString connectionStringValue(const QString &connectionString, const QString &keyword);

} // namespace pwo
