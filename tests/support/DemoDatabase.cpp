#include "DemoDatabase.h"

#include "FolderSql.h"

#include "hospital/dbserver/DatabaseSet.h"
#include "hospital/dbserver/demo/DemoHospital.h"

#include <QDir>
#include <QFile>

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
    runSqliteOnFolder(dir_.path(), text);
}
