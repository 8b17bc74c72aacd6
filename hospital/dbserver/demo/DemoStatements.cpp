#include "hospital/dbserver/demo/DemoStatements.h"

#include "data/DatabaseError.h"

#include <sqlite3.h>

namespace hospital::dbserver::demo {

void throwDemoError(sqlite3 *db, int rc, const QString &doing)
{
    throw pwo::DatabaseError(rc, QStringLiteral("%1 failed: %2").arg(doing, QString::fromUtf8(sqlite3_errmsg(db))),
                             QStringLiteral("Demo hospital"));
}

pwo::Value textOrNull(const QString &text)
{
    return text.isNull() ? pwo::Value() : pwo::Value(text);
}

RowInserter::RowInserter(sqlite3 *db, const QString &table, const QStringList &columns)
    : db_(db), table_(table), columnCount_(static_cast<int>(columns.size()))
{
    QStringList placeholders;
    for (int i = 0; i < columnCount_; ++i)
        placeholders << QStringLiteral("?");
    const QByteArray sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(table, columns.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", ")))
                               .toUtf8();
    const int rc = sqlite3_prepare_v3(db_, sql.constData(), -1, SQLITE_PREPARE_PERSISTENT, &statement_, nullptr);
    if (rc != SQLITE_OK)
        throwDemoError(db_, rc, QStringLiteral("Preparing the rows of %1").arg(table_));
}

RowInserter::~RowInserter()
{
    sqlite3_finalize(statement_);
}

void RowInserter::insert(std::initializer_list<pwo::Value> values)
{
    if (static_cast<int>(values.size()) != columnCount_)
        throw pwo::DatabaseError(0, QStringLiteral("A row of %1 has %2 values for %3 columns")
                                        .arg(table_).arg(values.size()).arg(columnCount_),
                                 QStringLiteral("Demo hospital"));
    int index = 1;
    for (const pwo::Value &value : values)
        bind(index++, value);
    const int rc = sqlite3_step(statement_);
    sqlite3_reset(statement_);
    if (rc != SQLITE_DONE)
        throwDemoError(db_, rc, QStringLiteral("Writing a row of %1").arg(table_));
}

void RowInserter::bind(int index, const pwo::Value &value)
{
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(statement_, index);
    } else if (value.isInteger()) {
        rc = sqlite3_bind_int64(statement_, index, value.toInteger());
    } else if (value.isReal()) {
        rc = sqlite3_bind_double(statement_, index, value.toNumber());
    } else {
        const QByteArray text = value.toText().toUtf8();
        rc = sqlite3_bind_text(statement_, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK)
        throwDemoError(db_, rc, QStringLiteral("Binding value %1 of a row of %2").arg(index).arg(table_));
}

WriteTransaction::WriteTransaction(sqlite3 *db) : db_(db)
{
    const int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throwDemoError(db_, rc, QStringLiteral("Starting the demo transaction"));
}

WriteTransaction::~WriteTransaction()
{
    // Only reached while an error is on its way out; that error is the one to report.
    if (open_)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void WriteTransaction::commit()
{
    const int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throwDemoError(db_, rc, QStringLiteral("Committing the demo rows"));
    open_ = false;
}

} // namespace hospital::dbserver::demo
