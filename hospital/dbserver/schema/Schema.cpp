#include "hospital/dbserver/schema/Schema.h"

#include "data/DatabaseError.h"

#include <QFile>
#include <QString>

#include <sqlite3.h>

namespace hospital::dbserver {

namespace {

// No file refers to another's tables, so any order would do.
constexpr const char *schemaFiles[] = {"PATIENT_DATA", "BILLING", "BUILD_FILE", "RADIOLOGY", "PWO"};

QByteArray readSchemaFile(const QString &name)
{
    QFile file(QStringLiteral(":/schema/%1.sql").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        throw pwo::DatabaseError(0, QStringLiteral("Schema file %1.sql is missing from the program: %2")
                                        .arg(name, file.errorString()),
                                 QStringLiteral("Schema"));
    return file.readAll();
}

void runSchemaFile(sqlite3 *db, const QString &name)
{
    char *message = nullptr;
    const int rc = sqlite3_exec(db, readSchemaFile(name).constData(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK)
        return;
    const QString detail = message ? QString::fromUtf8(message) : QString::fromUtf8(sqlite3_errstr(rc));
    sqlite3_free(message);
    throw pwo::DatabaseError(rc, QStringLiteral("Creating the tables of %1 failed: %2").arg(name, detail),
                             QStringLiteral("Schema"));
}

} // namespace

void createSchema(sqlite3 *db)
{
    for (const char *name : schemaFiles)
        runSchemaFile(db, QString::fromLatin1(name));
}

} // namespace hospital::dbserver
