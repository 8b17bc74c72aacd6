#pragma once

#include "hospital/dbserver/demo/DemoHospital.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct sqlite3;

// The day every generated test hospital is as of.
inline QDate demoToday()
{
    return QDate(2026, 3, 15);
}

// A demo hospital generated into a temporary folder and read with plain
// SQLite through the server's own database set.
class DemoFolder {
public:
    explicit DemoFolder(int patients, QDate today = demoToday());
    ~DemoFolder();
    DemoFolder(const DemoFolder &) = delete;
    DemoFolder &operator=(const DemoFolder &) = delete;

    QString path() const { return dir_.path(); }
    const hospital::dbserver::DemoCounts &counts() const { return counts_; }
    sqlite3 *db() const { return db_; }

    // Every value as text; NULL reads as "<null>" so it differs from ''.
    QList<QStringList> rows(const QString &sql) const;
    QString text(const QString &sql) const;
    long long number(const QString &sql) const;

private:
    QTemporaryDir dir_;
    hospital::dbserver::DemoCounts counts_;
    sqlite3 *db_ = nullptr;
};

// Tables of one database, as sqlite_schema lists them.
QStringList tablesOf(const DemoFolder &folder, const QString &database);
// Every row of every table, columns in order, except the salted password hashes.
QStringList dumpAllRows(const DemoFolder &folder);
