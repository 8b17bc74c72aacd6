#include "Connection.h"

namespace pwo {

namespace {
DatabaseError closedConnection()
{
    return DatabaseError(GatewayError::ObjectClosed, QStringLiteral("Operation is not allowed when the object is closed."));
}

// Said first, so the error box names the cause a desk can act on; the
// server's own words follow.
DatabaseError connectionLostError(const std::vector<ErrorInfo> &cause = {})
{
    std::vector<ErrorInfo> errors{
        {GatewayError::ConnectionLost,
         QStringLiteral("The connection to the database server was lost, so this action was not completed. "
                        "The program connects again with the next action."),
         QStringLiteral("Gateway"),
         {}}};
    errors.insert(errors.end(), cause.begin(), cause.end());
    return DatabaseError(std::move(errors));
}
} // namespace

void Connection::Open(const QString &connectionString, const QString &user, const QString &password, int)
{
    errors_.clear();
    if (session_)
        fail(DatabaseError(GatewayError::ObjectOpen, QStringLiteral("Operation is not allowed when the object is open.")));
    try {
        session_ = pwo::openSession(connectionString, user, password);
    } catch (const DatabaseError &error) {
        fail(error);
    }
    connectionString_ = connectionString;
    reopen_ = [connectionString, user, password] { return pwo::openSession(connectionString, user, password); };
    lost_ = false;
}

void Connection::Open(std::unique_ptr<ServerSession> session, const QString &connectionString)
{
    errors_.clear();
    if (session_)
        fail(DatabaseError(GatewayError::ObjectOpen, QStringLiteral("Operation is not allowed when the object is open.")));
    session_ = std::move(session);
    connectionString_ = connectionString;
    reopen_ = [connectionString] { return pwo::openSession(connectionString, {}, {}); };
    lost_ = false;
}

void Connection::Close()
{
    if (!session_)
        fail(closedConnection());
    if (inTransaction_ && !lost_) {
        // Nothing half-saved survives a close: the server would roll back too.
        try {
            session_->rollback();
        } catch (const DatabaseError &) {
            // the session goes away below; the server drops the transaction with it
        }
    }
    inTransaction_ = false;
    lost_ = false;
    session_.reset();
    reopen_ = {};
}

ServerSession &Connection::session()
{
    if (!session_)
        fail(closedConnection());
    return *session_;
}

ServerSession &Connection::liveSession()
{
    ServerSession &current = session();
    if (!lost_)
        return current;
    // The server ended the transaction with the connection; the rest of that
    // save must not go on, piecemeal, on a new one.
    if (inTransaction_)
        fail(connectionLostError());
    try {
        std::unique_ptr<ServerSession> fresh = reopen_();
        if (!defaultDatabase_.isEmpty())
            fresh->setDefaultDatabase(defaultDatabase_);
        session_ = std::move(fresh);
    } catch (const DatabaseError &error) {
        fail(connectionLostError(error.errors()));
    }
    lost_ = false;
    return *session_;
}

void Connection::fail(const DatabaseError &error)
{
    errors_ = error.errors();
    throw error;
}

void Connection::failOn(const DatabaseError &error)
{
    if (session_ && session_->connectionLost()) {
        lost_ = true;
        fail(connectionLostError(error.errors()));
    }
    fail(error);
}

template <typename Call>
auto Connection::onServer(Call &&call)
{
    try {
        return call();
    } catch (const DatabaseError &error) {
        failOn(error);
    }
}

QString Connection::DefaultDatabase() const
{
    return session_ ? session_->defaultDatabase() : QString();
}

void Connection::setDefaultDatabase(const QString &name)
{
    errors_.clear();
    ServerSession &live = session();
    onServer([&] { live.setDefaultDatabase(name); });
    defaultDatabase_ = name;
}

BatchResult Connection::run(const QString &text, const TracedStatement &how)
{
    errors_.clear();
    ServerSession &live = liveSession();
    StatementTrace::instance().record(how);
    return onServer([&] { return live.run(text); });
}

void Connection::Execute(const QString &text)
{
    run(text, {TracedStatement::Kind::Execute, text, -1, -1, -1});
}

void Connection::Execute(const QString &text, long *recordsAffected, int options)
{
    const BatchResult result = run(text, {TracedStatement::Kind::Execute, text, -1, -1, options});
    if (recordsAffected)
        *recordsAffected = long(result.rowsAffected);
}

void Connection::BeginTrans()
{
    errors_.clear();
    session();
    if (inTransaction_ && lost_)
        inTransaction_ = false;  // a save abandoned without a rollback; the server has dropped it
    if (inTransaction_)
        fail(DatabaseError(GatewayError::TransactionState,
                           QStringLiteral("A transaction is already in progress on this connection.")));
    ServerSession &live = liveSession();
    StatementTrace::instance().record({TracedStatement::Kind::BeginTrans, {}, -1, -1, -1});
    onServer([&] { live.beginTransaction(); });
    inTransaction_ = true;
}

void Connection::CommitTrans()
{
    errors_.clear();
    ServerSession &live = session();
    if (!inTransaction_)
        fail(DatabaseError(GatewayError::TransactionState, QStringLiteral("No transaction is active to commit.")));
    if (lost_)
        fail(connectionLostError());
    StatementTrace::instance().record({TracedStatement::Kind::CommitTrans, {}, -1, -1, -1});
    onServer([&] { live.commit(); });
    inTransaction_ = false;
}

void Connection::RollbackTrans()
{
    errors_.clear();
    ServerSession &live = session();
    if (!inTransaction_)
        fail(DatabaseError(GatewayError::TransactionState, QStringLiteral("No transaction is active to roll back.")));
    StatementTrace::instance().record({TracedStatement::Kind::RollbackTrans, {}, -1, -1, -1});
    inTransaction_ = false;
    if (lost_)
        return;  // the server rolled it back when the connection went
    try {
        live.rollback();
    } catch (const DatabaseError &error) {
        if (!live.connectionLost())
            fail(error);
        lost_ = true;  // going away has rolled it back just the same
    }
}

} // namespace pwo
