#include "DemoFolder.h"

#include "hospital/dbserver/DatabaseSet.h"

#include <sqlite3.h>

#include <stdexcept>

using namespace hospital::dbserver;

DemoFolder::DemoFolder(int patients, QDate today)
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    counts_ = generateDemoHospital(dir_.path(), patients, today);
    db_ = openDatabaseSet(dir_.path(), DatabaseSetMode::OpenExisting);
}

DemoFolder::~DemoFolder()
{
    sqlite3_close(db_);
}

QList<QStringList> DemoFolder::rows(const QString &sql) const
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(sql.toStdString() + ": " + sqlite3_errmsg(db_));
    QList<QStringList> result;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        QStringList row;
        for (int c = 0; c < sqlite3_column_count(statement); ++c)
            row << (sqlite3_column_type(statement, c) == SQLITE_NULL
                        ? QStringLiteral("<null>")
                        : QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, c))));
        result << row;
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        throw std::runtime_error(sql.toStdString() + ": " + sqlite3_errmsg(db_));
    return result;
}

QString DemoFolder::text(const QString &sql) const
{
    const QList<QStringList> result = rows(sql);
    if (result.isEmpty() || result.first().isEmpty())
        throw std::runtime_error(sql.toStdString() + ": no value");
    return result.first().first();
}

long long DemoFolder::number(const QString &sql) const
{
    return text(sql).toLongLong();
}

QStringList tablesOf(const DemoFolder &folder, const QString &database)
{
    QStringList tables;
    const QString query = QStringLiteral("SELECT name FROM %1.sqlite_schema WHERE type = 'table' ORDER BY name");
    for (const QStringList &row : folder.rows(query.arg(database)))
        tables << row.first();
    return tables;
}

QStringList dumpAllRows(const DemoFolder &folder)
{
    QStringList dump;
    for (const QString &database : databaseNames()) {
        for (const QString &table : tablesOf(folder, database)) {
            QStringList columns;
            for (const QStringList &column :
                 folder.rows(QStringLiteral("SELECT name FROM pragma_table_xinfo('%1', '%2')").arg(table, database)))
                columns << column.first();
            const QString qualified = database + QLatin1Char('.') + table;
            const QString query = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid");
            for (const QStringList &row : folder.rows(query.arg(columns.join(QStringLiteral(", ")), qualified)))
                dump << qualified + QLatin1Char('|') + row.join(QLatin1Char('|'));
        }
    }
    return dump;
}
