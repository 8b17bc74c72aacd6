#include "DemoDatabase.h"

#include "hospital/dbserver/DatabaseSet.h"
#include "hospital/dbserver/demo/DemoHospital.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

#include <stdexcept>

using namespace hospital::dbserver;

namespace {
const QString &templateFolder()
{
    static QTemporaryDir dir;
    static const bool made = [] {
        generateDemoHospital(dir.path(), DemoDatabase::patients, QDate(2026, 12, 9));
        return true;
    }();
    (void)made;
    static const QString path = dir.path();
    return path;
}
} // namespace

DemoDatabase::DemoDatabase()
{
    const QDir from(templateFolder());
    for (const QString &name : from.entryList(QDir::Files))
        if (!QFile::copy(from.filePath(name), QDir(dir_.path()).filePath(name)))
            throw std::runtime_error("cannot copy the demo database");
}

void DemoDatabase::sqlite(const QString &text) const
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
