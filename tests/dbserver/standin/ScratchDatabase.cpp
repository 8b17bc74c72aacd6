#include "ScratchDatabase.h"

#include "hospital/dbserver/DatabaseSet.h"
#include "hospital/dbserver/StandInProvider.h"
#include "hospital/dbserver/schema/Schema.h"

#include <sqlite3.h>

#include <stdexcept>

using namespace hospital::dbserver;

ScratchDatabase::ScratchDatabase()
{
    sqlite3 *db = openDatabaseSet(dir_.path(), DatabaseSetMode::Create);
    createSchema(db);
    sqlite3_close(db);
    sqlite(QStringLiteral("CREATE TABLE PWO.tbTest (Code VARCHAR(10) COLLATE HOSPITAL, Name VARCHAR(50) COLLATE "
                          "HOSPITAL, Amount MONEY, Stamp DATETIME)"));
    registerStandInProvider();
    connection_ = connect();
}

std::unique_ptr<pwo::Connection> ScratchDatabase::connect() const
{
    auto connection = std::make_unique<pwo::Connection>();
    connection->Open(standInConnectionString(dir_.path()));
    return connection;
}

void ScratchDatabase::sqlite(const QString &text)
{
    sqlite3 *db = openDatabaseSet(dir_.path(), DatabaseSetMode::OpenExisting);
    char *message = nullptr;
    const int rc = sqlite3_exec(db, text.toUtf8().constData(), nullptr, nullptr, &message);
    const std::string error = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error(error);
}
