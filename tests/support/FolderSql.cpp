#include "FolderSql.h"

#include "hospital/dbserver/DatabaseSet.h"

#include <sqlite3.h>

#include <stdexcept>

void runSqliteOnFolder(const QString &folder, const QString &text)
{
    using namespace hospital::dbserver;
    sqlite3 *db = openDatabaseSet(folder, DatabaseSetMode::OpenExisting);
    char *message = nullptr;
    const int rc = sqlite3_exec(db, text.toUtf8().constData(), nullptr, nullptr, &message);
    const std::string error = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error(error);
}
