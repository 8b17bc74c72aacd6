#pragma once

#include "DatabaseError.h"
#include "ServerSession.h"
#include "StatementTrace.h"

#include <memory>
#include <vector>

namespace pwo {

constexpr int adUseClient = 3;
constexpr int adStateClosed = 0;
constexpr int adStateOpen = 1;

// The one database connection of the client, with the operations the windows
// use. Every statement goes through here, so that the trace and the error
// collection see all of them.
class Connection {
public:
    Connection() = default;
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    void Open(const QString &connectionString, const QString &user = {}, const QString &password = {},
              int options = -1);
    // Opens on a session made elsewhere (tests, tools that pick the backend).
    void Open(std::unique_ptr<ServerSession> session, const QString &connectionString);
    void Close();
    int State() const { return session_ ? adStateOpen : adStateClosed; }

    QString ConnectionString() const { return connectionString_; }
    void setConnectionString(const QString &text) { connectionString_ = text; }
    QString DefaultDatabase() const;
    void setDefaultDatabase(const QString &name);
    int CursorLocation() const { return cursorLocation_; }
    void setCursorLocation(int location) { cursorLocation_ = location; }

    // Runs the text; any result is discarded.
    void Execute(const QString &text);
    void Execute(const QString &text, long *recordsAffected, int options);

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool inTransaction() const { return inTransaction_; }

    // The errors of the last statement; cleared before each statement.
    const std::vector<ErrorInfo> &Errors() const { return errors_; }

    // For record sets: runs one statement, traced as given.
    BatchResult run(const QString &text, const TracedStatement &how);

private:
    ServerSession &session();
    [[noreturn]] void fail(const DatabaseError &error);

    std::unique_ptr<ServerSession> session_;
    QString connectionString_;
    int cursorLocation_ = 2;
    bool inTransaction_ = false;
    std::vector<ErrorInfo> errors_;
};

} // namespace pwo
