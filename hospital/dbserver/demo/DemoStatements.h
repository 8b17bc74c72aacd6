#pragma once

#include "data/Value.h"

#include <QString>
#include <QStringList>

#include <initializer_list>

struct sqlite3;
struct sqlite3_stmt;

namespace hospital::dbserver::demo {

// One prepared INSERT, reused for every row of a table.
class RowInserter {
public:
    RowInserter(sqlite3 *db, const QString &table, const QStringList &columns);
    ~RowInserter();
    RowInserter(const RowInserter &) = delete;
    RowInserter &operator=(const RowInserter &) = delete;

    // Values in the order of the columns; a null Value writes NULL.
    void insert(std::initializer_list<pwo::Value> values);

private:
    void bind(int index, const pwo::Value &value);

    sqlite3 *db_;
    QString table_;
    int columnCount_;
    sqlite3_stmt *statement_ = nullptr;
};

// All demo rows go in as one transaction: fast, and a failure leaves no
// half-written hospital behind. Rolls back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(sqlite3 *db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;

    void commit();

private:
    sqlite3 *db_;
    bool open_ = true;
};

// NULL for a null QString, the text otherwise (empty text stays empty text).
pwo::Value textOrNull(const QString &text);

// Throws pwo::DatabaseError with the connection's message and what was being done.
[[noreturn]] void throwDemoError(sqlite3 *db, int rc, const QString &doing);

} // namespace hospital::dbserver::demo
