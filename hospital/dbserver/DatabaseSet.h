#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

namespace hospital::dbserver {

// The five databases of the hospital server; PWO first so that an
// unqualified name finds the department's own objects first.
inline const QStringList &databaseNames()
{
    static const QStringList names{QStringLiteral("PWO"), QStringLiteral("PATIENT_DATA"),
                                   QStringLiteral("BILLING"), QStringLiteral("BUILD_FILE"),
                                   QStringLiteral("RADIOLOGY")};
    return names;
}

QString databaseFilePath(const QString &folder, const QString &databaseName);

enum class DatabaseSetMode { OpenExisting, Create };

// One SQLite connection with the five files of the folder attached under
// their names, the server's text rules installed, WAL journaling and a busy
// timeout so that two programs on one machine share the folder.
// Throws pwo::DatabaseError; the caller closes the handle with sqlite3_close.
sqlite3 *openDatabaseSet(const QString &folder, DatabaseSetMode mode);

// True when the folder holds all five database files.
bool isDatabaseSet(const QString &folder);

} // namespace hospital::dbserver
