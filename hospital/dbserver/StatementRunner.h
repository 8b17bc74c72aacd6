#pragma once

#include "data/ServerSession.h"

#include <QHash>
#include <QString>

#include <functional>

struct sqlite3;
struct sqlite3_stmt;

namespace hospital::dbserver {

// Runs SQLite text on the session's connection with prepared statements
// kept for reuse, collecting rows into result sets the way the client
// receives them.
class StatementRunner {
public:
    using Binder = std::function<void(sqlite3_stmt *)>;

    explicit StatementRunner(sqlite3 *db) : db_(db) {}
    ~StatementRunner();
    StatementRunner(const StatementRunner &) = delete;
    StatementRunner &operator=(const StatementRunner &) = delete;

    // Runs every statement of the text in order; a statement that has result
    // columns adds a result set. Parameters are bound by `bind` before each
    // statement runs.
    void run(const QString &sqliteText, pwo::BatchResult &into, const Binder &bind = {});

    sqlite3 *database() const { return db_; }

private:
    std::vector<sqlite3_stmt *> &prepared(const QString &sqliteText);
    void step(sqlite3_stmt *statement, pwo::BatchResult &into);

    sqlite3 *db_;
    QHash<QString, std::vector<sqlite3_stmt *>> cache_;
};

} // namespace hospital::dbserver
