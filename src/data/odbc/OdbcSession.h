#pragma once

#include "OdbcHandle.h"
#include "data/ServerSession.h"

#include <memory>

namespace pwo {

// A session with a server reached through an ODBC driver manager, using the wide
// calls throughout so that text keeps every character.
class OdbcSession final : public ServerSession {
public:
    // Connects at once with a complete ODBC connection string; throws
    // DatabaseError with the driver manager's and the driver's diagnostics.
    explicit OdbcSession(const QString &connectionString);
    ~OdbcSession() override;

    BatchResult run(const QString &batch) override;
    void beginTransaction() override;
    void commit() override;
    void rollback() override;
    void setDefaultDatabase(const QString &name) override;
    QString defaultDatabase() const override;
    bool connectionLost() const override { return lost_; }

private:
    void setAutocommit(bool on);
    void endTransaction(short completionType);
    // Runs one call to the driver, noting when its failure says the link is gone.
    template <typename Call>
    auto watched(Call &&call);

    odbc::Handle environment_;
    odbc::Handle connection_;
    bool transactionOpen_ = false;
    bool lost_ = false;
    QString defaultDatabase_;
};

// The connection string with UID= and PWD= added for a user and password that
// are not empty, each value braced when the connection-string grammar needs it.
QString odbcConnectionString(const QString &connectionString, const QString &user, const QString &password);

// Opens an ODBC session with SQLDriverConnectW; user and password, when not empty,
// are added to the connection string as UID= and PWD=.
std::unique_ptr<ServerSession> openOdbcSession(const QString &connectionString, const QString &user,
                                               const QString &password);

} // namespace pwo
