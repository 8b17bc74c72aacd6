#include "Connection.h"

namespace pwo {

namespace {
DatabaseError closedConnection()
{
    return DatabaseError(GatewayError::ObjectClosed, QStringLiteral("Operation is not allowed when the object is closed."));
}
} // namespace

void Connection::Open(const QString &connectionString, const QString &user, const QString &password, int)
{
    errors_.clear();
    if (session_)
        fail(DatabaseError(3705, QStringLiteral("Operation is not allowed when the object is open.")));
    try {
        session_ = pwo::openSession(connectionString, user, password);
    } catch (const DatabaseError &error) {
        fail(error);
    }
    connectionString_ = connectionString;
}

void Connection::Open(std::unique_ptr<ServerSession> session, const QString &connectionString)
{
    errors_.clear();
    if (session_)
        fail(DatabaseError(3705, QStringLiteral("Operation is not allowed when the object is open.")));
    session_ = std::move(session);
    connectionString_ = connectionString;
}

void Connection::Close()
{
    if (!session_)
        fail(closedConnection());
    if (inTransaction_) {
        // Nothing half-saved survives a close: the server would roll back too.
        try {
            session_->rollback();
        } catch (const DatabaseError &) {
            // the session goes away below; the server drops the transaction with it
        }
        inTransaction_ = false;
    }
    session_.reset();
}

ServerSession &Connection::session()
{
    if (!session_)
        fail(closedConnection());
    return *session_;
}

void Connection::fail(const DatabaseError &error)
{
    errors_ = error.errors();
    throw error;
}

QString Connection::DefaultDatabase() const
{
    return session_ ? session_->defaultDatabase() : QString();
}

void Connection::setDefaultDatabase(const QString &name)
{
    errors_.clear();
    try {
        session().setDefaultDatabase(name);
    } catch (const DatabaseError &error) {
        fail(error);
    }
}

BatchResult Connection::run(const QString &text, const TracedStatement &how)
{
    errors_.clear();
    ServerSession &live = session();
    StatementTrace::instance().record(how);
    try {
        return live.run(text);
    } catch (const DatabaseError &error) {
        fail(error);
    }
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
    ServerSession &live = session();
    if (inTransaction_)
        fail(DatabaseError(GatewayError::TransactionState,
                           QStringLiteral("A transaction is already in progress on this connection.")));
    StatementTrace::instance().record({TracedStatement::Kind::BeginTrans, {}, -1, -1, -1});
    try {
        live.beginTransaction();
    } catch (const DatabaseError &error) {
        fail(error);
    }
    inTransaction_ = true;
}

void Connection::CommitTrans()
{
    errors_.clear();
    ServerSession &live = session();
    if (!inTransaction_)
        fail(DatabaseError(GatewayError::TransactionState, QStringLiteral("No transaction is active to commit.")));
    StatementTrace::instance().record({TracedStatement::Kind::CommitTrans, {}, -1, -1, -1});
    try {
        live.commit();
    } catch (const DatabaseError &error) {
        fail(error);
    }
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
    try {
        live.rollback();
    } catch (const DatabaseError &error) {
        fail(error);
    }
}

} // namespace pwo
