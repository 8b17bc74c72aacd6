#include "SqliteErrors.h"

#include "ServerErrorNumbers.h"

#include <QRegularExpression>

#include <sqlite3.h>

namespace hospital::dbserver {

namespace {
const QString serverSource = QStringLiteral("Stand-in server");

struct Translation {
    long number;
    QString message;
};

Translation translate(int code, const QString &text)
{
    static const QRegularExpression numbered(QStringLiteral("^#(\\d+) (.*)$"),
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression noTable(QStringLiteral("^no such table: (.+)$"));
    static const QRegularExpression noColumn(QStringLiteral("^no such column: (.+)$"));
    static const QRegularExpression unique(QStringLiteral("^UNIQUE constraint failed: ([^.]+)\\.(.+)$"));
    static const QRegularExpression notNull(QStringLiteral("^NOT NULL constraint failed: ([^.]+)\\.(.+)$"));
    static const QRegularExpression syntax(QStringLiteral("^near \"(.*)\": syntax error$"));

    if (auto m = numbered.match(text); m.hasMatch())
        return {m.captured(1).toLong(), m.captured(2)};
    if (auto m = noTable.match(text); m.hasMatch()) {
        // The server's own spelling of a qualified name: PWO..tbX
        static const QRegularExpression schemaDot(QStringLiteral("^(\\w+)\\.(?!\\.)"));
        return {ServerError::InvalidObjectName, QStringLiteral("Invalid object name '%1'.").arg(m.captured(1).replace(schemaDot, QStringLiteral("\\1..")))};
    }
    if (auto m = noColumn.match(text); m.hasMatch())
        return {ServerError::InvalidColumnName, QStringLiteral("Invalid column name '%1'.").arg(m.captured(1))};
    if (auto m = unique.match(text); m.hasMatch())
        return {ServerError::DuplicateKey, QStringLiteral("Violation of PRIMARY KEY constraint. Cannot insert duplicate key in object "
                                     "'%1' (%2).")
                          .arg(m.captured(1), m.captured(2))};
    if (auto m = notNull.match(text); m.hasMatch())
        return {ServerError::NullNotAllowed, QStringLiteral("Cannot insert the value NULL into column '%2', table '%1'; column does not "
                                    "allow nulls.")
                         .arg(m.captured(1), m.captured(2))};
    if (auto m = syntax.match(text); m.hasMatch())
        return {ServerError::SyntaxError, QStringLiteral("Incorrect syntax near '%1'.").arg(m.captured(1))};
    if ((code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED)
        return {ServerError::LockTimeout, QStringLiteral("Lock request time out period exceeded.")};
    return {ServerError::UserError, text};
}

// Busy inside a transaction cannot be waited out: the transaction's snapshot
// is older than the other desk's write, as a deadlock on the real server.
bool isDeadlock(sqlite3 *db, int code)
{
    return (code & 0xff) == SQLITE_BUSY && (code == SQLITE_BUSY_SNAPSHOT || !sqlite3_get_autocommit(db));
}

} // namespace

QString numberedMessage(long number, const QString &message)
{
    return QStringLiteral("#%1 %2").arg(number).arg(message);
}

pwo::DatabaseError serverError(sqlite3 *db, const QString &sqliteMessage)
{
    const int code = db ? sqlite3_extended_errcode(db) : SQLITE_ERROR;
    if (db && isDeadlock(db, code))
        return pwo::DatabaseError(ServerError::Deadlock,
                                  QStringLiteral("Transaction was deadlocked on lock resources with another process "
                                                 "and has been chosen as the deadlock victim. Rerun the transaction."),
                                  serverSource);
    const Translation t = translate(code, sqliteMessage);
    return pwo::DatabaseError(t.number, t.message, serverSource);
}

} // namespace hospital::dbserver
