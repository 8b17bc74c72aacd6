#pragma once

#include "TestPrinters.h"
#include "data/odbc/OdbcSession.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <memory>

namespace pwo {

// The SQLite driver has no wide entry points, so the driver manager converts
// text through the process's character set, which must therefore be UTF-8.
inline void useUtf8CharacterSet()
{
    ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr) << "no C.UTF-8 locale on this machine";
}

// Each test gets a new database file, reached through the SQLite ODBC driver
// under the name Debian's package registers for it.
class SqliteOdbcTest : public ::testing::Test {
protected:
    QString connectionString() const
    {
        const QString file = QDir::toNativeSeparators(directory_.filePath(QStringLiteral("test.db")));
        // A short busy timeout turns a lock that was never released into a quick failure.
        return QStringLiteral("DRIVER={SQLite3};Database=%1;Timeout=1000").arg(file);
    }
    std::unique_ptr<ServerSession> open() const
    {
        useUtf8CharacterSet();
        return openOdbcSession(connectionString(), QString(), QString());
    }
    ResultSet onlyResultSet(const QString &query)
    {
        BatchResult result = session_->run(query);
        EXPECT_EQ(result.resultSets.size(), 1u) << query.toStdString();
        return result.resultSets.empty() ? ResultSet{} : result.resultSets.front();
    }
    static std::int64_t count(const QString &table, ServerSession &session)
    {
        BatchResult result = session.run(QStringLiteral("SELECT COUNT(*) FROM ") + table);
        return result.resultSets.at(0).value(0, 0).toInteger();
    }

    QTemporaryDir directory_;
    std::unique_ptr<ServerSession> session_ = open();
};

} // namespace pwo
