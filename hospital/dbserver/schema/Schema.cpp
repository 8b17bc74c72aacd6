#include "hospital/dbserver/schema/Schema.h"

#include "hospital/dbserver/DatabaseSet.h"

#include "data/DatabaseError.h"

#include <QDir>

#include <QFile>
#include <QString>

#include <sqlite3.h>

namespace hospital::dbserver {

namespace {

QByteArray readSchemaFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw pwo::DatabaseError(0, QStringLiteral("Schema file %1 is missing from the program: %2")
                                        .arg(path, file.errorString()),
                                 QStringLiteral("Schema"));
    return file.readAll();
}

void runSchemaFile(sqlite3 *db, const QString &path)
{
    char *message = nullptr;
    const int rc = sqlite3_exec(db, readSchemaFile(path).constData(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK)
        return;
    const QString detail = message ? QString::fromUtf8(message) : QString::fromUtf8(sqlite3_errstr(rc));
    sqlite3_free(message);
    throw pwo::DatabaseError(rc, QStringLiteral("Creating the tables of %1 failed: %2").arg(path, detail),
                             QStringLiteral("Schema"));
}

} // namespace

void createSchema(sqlite3 *db)
{
    // One folder a database, one file a subject (:/schema/PWO/referrals.sql);
    // no file refers to another's tables, so the order is only for repeatability.
    for (const QString &database : databaseNames()) {
        const QDir folder(QStringLiteral(":/schema/") + database);
        for (const QString &file : folder.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name))
            runSchemaFile(db, folder.filePath(file));
    }
}

} // namespace hospital::dbserver
