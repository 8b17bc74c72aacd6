#include "ScratchDatabase.h"

#include "FolderSql.h"

#include "hospital/dbserver/DatabaseSet.h"
#include "hospital/dbserver/StandInProvider.h"
#include "hospital/dbserver/schema/Schema.h"

#include <sqlite3.h>


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
    runSqliteOnFolder(dir_.path(), text);
}
