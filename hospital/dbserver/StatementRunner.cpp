#include "StatementRunner.h"

#include "SqliteErrors.h"

#include <sqlite3.h>

namespace hospital::dbserver {

namespace {
constexpr qsizetype maxCachedTexts = 2048;

void appendColumn(sqlite3_stmt *statement, int column, pwo::ResultSet &into)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER: into.appendInteger(sqlite3_column_int64(statement, column)); return;
    case SQLITE_FLOAT: into.appendReal(sqlite3_column_double(statement, column)); return;
    case SQLITE_NULL: into.appendNull(); return;
    case SQLITE_BLOB: {
        const auto *bytes = static_cast<const char *>(sqlite3_column_blob(statement, column));
        into.appendValue(pwo::Value(QString::fromLatin1(QByteArray(bytes, sqlite3_column_bytes(statement, column)).toHex())));
        return;
    }
    default: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
        into.appendText(text, size_t(sqlite3_column_bytes(statement, column)));
    }
    }
}

void finalizeAll(std::vector<sqlite3_stmt *> &statements)
{
    for (sqlite3_stmt *s : statements)
        sqlite3_finalize(s);
    statements.clear();
}
} // namespace

StatementRunner::~StatementRunner()
{
    for (auto &statements : cache_)
        finalizeAll(statements);
}

std::vector<sqlite3_stmt *> &StatementRunner::prepared(const QString &sqliteText)
{
    auto found = cache_.find(sqliteText);
    if (found != cache_.end())
        return *found;
    if (cache_.size() >= maxCachedTexts) {
        for (auto &statements : cache_)
            finalizeAll(statements);
        cache_.clear();
    }
    std::vector<sqlite3_stmt *> statements;
    const QByteArray utf8 = sqliteText.toUtf8();
    const char *rest = utf8.constData();
    const char *end = rest + utf8.size();
    while (rest < end) {
        sqlite3_stmt *statement = nullptr;
        const char *tail = nullptr;
        if (sqlite3_prepare_v3(db_, rest, int(end - rest), SQLITE_PREPARE_PERSISTENT, &statement, &tail) != SQLITE_OK) {
            const auto error = serverError(db_, QString::fromUtf8(sqlite3_errmsg(db_)));
            finalizeAll(statements);
            throw error;
        }
        if (statement)  // blanks and comments prepare to nothing
            statements.push_back(statement);
        rest = tail;
    }
    return *cache_.insert(sqliteText, std::move(statements));
}

void StatementRunner::run(const QString &sqliteText, pwo::BatchResult &into, const Binder &bind)
{
    for (sqlite3_stmt *statement : prepared(sqliteText)) {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        if (bind)
            bind(statement);
        step(statement, into);
    }
}

void StatementRunner::step(sqlite3_stmt *statement, pwo::BatchResult &into)
{
    const int columns = sqlite3_column_count(statement);
    pwo::ResultSet *result = nullptr;
    if (columns > 0) {
        into.resultSets.emplace_back();
        result = &into.resultSets.back();
        for (int c = 0; c < columns; ++c)
            result->columns << QString::fromUtf8(sqlite3_column_name(statement, c));
    }
    for (;;) {
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW) {
            const auto error = serverError(db_, QString::fromUtf8(sqlite3_errmsg(db_)));
            sqlite3_reset(statement);
            throw error;
        }
        for (int c = 0; c < columns; ++c)
            appendColumn(statement, c, *result);
    }
    if (columns == 0 && !sqlite3_stmt_readonly(statement))
        into.rowsAffected = sqlite3_changes64(db_);
    sqlite3_reset(statement);
}

} // namespace hospital::dbserver
