#include "DatabaseSet.h"

#include "ServerErrorNumbers.h"
#include "SqliteErrors.h"
#include "TextRules.h"

#include "data/SqlText.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

namespace hospital::dbserver {

namespace {
constexpr int busyTimeoutMs = 10000;

void exec(sqlite3 *db, const QString &sql)
{
    char *message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
        sqlite3_free(message);
        throw serverError(db, text);
    }
}
// Which of the five files failed, so that whoever mends it knows where to look.
pwo::DatabaseError damagedFile(sqlite3 *db, const QString &path, const pwo::DatabaseError &error)
{
    const QString file = QFileInfo(path).fileName();
    const QString text = sqlite3_extended_errcode(db) == SQLITE_NOTADB
                             ? QStringLiteral("%1 is not a database.").arg(file)
                             : QStringLiteral("%1: %2").arg(file, error.description());
    return pwo::DatabaseError(error.number(), text, QStringLiteral("Stand-in server"));
}
} // namespace

QString databaseFilePath(const QString &folder, const QString &databaseName)
{
    return QDir(folder).filePath(databaseName + QStringLiteral(".sqlite"));
}

bool isDatabaseSet(const QString &folder)
{
    for (const QString &name : databaseNames())
        if (!QFileInfo::exists(databaseFilePath(folder, name)))
            return false;
    return true;
}

sqlite3 *openDatabaseSet(const QString &folder, DatabaseSetMode mode)
{
    if (mode == DatabaseSetMode::OpenExisting && !isDatabaseSet(folder))
        throw pwo::DatabaseError(ServerError::CannotOpenDatabase, QStringLiteral("Cannot open the hospital databases in \"%1\": the folder "
                                                      "does not hold the five database files.")
                                           .arg(QDir::toNativeSeparators(folder)),
                                 QStringLiteral("Stand-in server"));
    if (mode == DatabaseSetMode::Create && !QDir().mkpath(folder))
        throw pwo::DatabaseError(ServerError::CannotCreateFolder, QStringLiteral("Cannot create the folder \"%1\".")
                                           .arg(QDir::toNativeSeparators(folder)),
                                 QStringLiteral("Stand-in server"));

    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        const QString text = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw pwo::DatabaseError(ServerError::ServerUnavailable, text, QStringLiteral("Stand-in server"));
    }
    try {
        sqlite3_busy_timeout(db, busyTimeoutMs);
        // "name" is always a name: a misspelled column must fail, not come back as text.
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        installTextRules(db);
        for (const QString &name : databaseNames()) {
            const QString path = databaseFilePath(folder, name);
            try {
                exec(db, QStringLiteral("ATTACH DATABASE %1 AS %2").arg(pwo::sql::quoted(path), name));
                exec(db, QStringLiteral("PRAGMA %1.journal_mode=WAL").arg(name));
                exec(db, QStringLiteral("PRAGMA %1.synchronous=NORMAL").arg(name));
            } catch (const pwo::DatabaseError &error) {
                throw damagedFile(db, path, error);
            }
        }
        exec(db, QStringLiteral("PRAGMA foreign_keys=OFF"));
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    return db;
}

} // namespace hospital::dbserver
