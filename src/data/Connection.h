#pragma once

#include "DatabaseError.h"
#include "ServerSession.h"
#include "StatementTrace.h"

#include <functional>
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

    // True between a lost connection and the statement that connected again.
    bool connectionLost() const { return lost_; }

private:
    ServerSession &session();
    // The session to send the next statement on: after a lost connection a
    // new one with the same log-in, unless a transaction must first be ended.
    ServerSession &liveSession();
    [[noreturn]] void fail(const DatabaseError &error);
    // A failure of the session; a lost connection is reported as such.
    [[noreturn]] void failOn(const DatabaseError &error);
    template <typename Call>
    auto onServer(Call &&call);

    std::unique_ptr<ServerSession> session_;
    std::function<std::unique_ptr<ServerSession>()> reopen_;
    bool lost_ = false;
    QString defaultDatabase_;  // set again on a new session after a lost one
    QString connectionString_;
    int cursorLocation_ = 2;
    bool inTransaction_ = false;
    std::vector<ErrorInfo> errors_;
};

} // namespace pwo
