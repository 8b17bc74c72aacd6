#include "SqliteErrors.h"

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
        return {208, QStringLiteral("Invalid object name '%1'.").arg(m.captured(1).replace(schemaDot, QStringLiteral("\\1..")))};
    }
    if (auto m = noColumn.match(text); m.hasMatch())
        return {207, QStringLiteral("Invalid column name '%1'.").arg(m.captured(1))};
    if (auto m = unique.match(text); m.hasMatch())
        return {2627, QStringLiteral("Violation of PRIMARY KEY constraint. Cannot insert duplicate key in object "
                                     "'%1' (%2).")
                          .arg(m.captured(1), m.captured(2))};
    if (auto m = notNull.match(text); m.hasMatch())
        return {515, QStringLiteral("Cannot insert the value NULL into column '%2', table '%1'; column does not "
                                    "allow nulls.")
                         .arg(m.captured(1), m.captured(2))};
    if (auto m = syntax.match(text); m.hasMatch())
        return {102, QStringLiteral("Incorrect syntax near '%1'.").arg(m.captured(1))};
    if ((code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED)
        return {1222, QStringLiteral("Lock request time out period exceeded.")};
    return {50000, text};
}
} // namespace

QString numberedMessage(long number, const QString &message)
{
    return QStringLiteral("#%1 %2").arg(number).arg(message);
}

pwo::DatabaseError serverError(sqlite3 *db, const QString &sqliteMessage)
{
    const Translation t = translate(db ? sqlite3_extended_errcode(db) : SQLITE_ERROR, sqliteMessage);
    return pwo::DatabaseError(t.number, t.message, serverSource);
}

} // namespace hospital::dbserver
