#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <deque>

namespace pwo {

// What the client sent, in order: tests read it, and support staff switch it
// on with PWO_TRACE=<file> to see every statement the desk sends.
struct TracedStatement {
    enum class Kind { Open, Execute, BeginTrans, CommitTrans, RollbackTrans };
    Kind kind = Kind::Open;
    QString text;
    int cursorType = -1;
    int lockType = -1;
    int options = -1;
};

class StatementTrace {
public:
    static StatementTrace &instance();

    void record(TracedStatement statement);
    // The latest statements, oldest first (a long day's work keeps the last few thousand).
    const std::deque<TracedStatement> &statements() const { return statements_; }
    // The statement texts of Open and Execute, in order.
    QStringList texts() const;
    void clear() { statements_.clear(); }
    // Appends every later statement to the file too (PWO_TRACE sets it at
    // start); an empty path stops the writing.
    void writeTo(const QString &path);

private:
    StatementTrace();
    void writeToFile(const TracedStatement &statement);

    std::deque<TracedStatement> statements_;
    QFile file_;
};

} // namespace pwo
