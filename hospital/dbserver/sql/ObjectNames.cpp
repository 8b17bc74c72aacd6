#include "ObjectNames.h"

namespace hospital::dbserver {

namespace {

bool isKnownDatabase(const QString &name)
{
    static const QString databases[] = {QStringLiteral("PATIENT_DATA"), QStringLiteral("BILLING"),
                                        QStringLiteral("BUILD_FILE"), QStringLiteral("RADIOLOGY"),
                                        QStringLiteral("PWO")};
    for (const QString &database : databases) {
        if (name.compare(database, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isDefaultSchema(const Token &part)
{
    return plainIdentifier(part).compare(u"dbo", Qt::CaseInsensitive) == 0;
}

void requireDefaultSchema(const Token *schema, const TokenCursor &cursor)
{
    if (schema && !isDefaultSchema(*schema))
        cursor.fail(QStringLiteral("unknown schema '%1'").arg(plainIdentifier(*schema)));
}

void requireKnownDatabase(const Token &database, const TokenCursor &cursor)
{
    if (!isKnownDatabase(plainIdentifier(database)))
        cursor.fail(QStringLiteral("unknown database '%1'").arg(plainIdentifier(database)));
}

void requireNoOmittedPart(const MultipartName &name, std::size_t from, const TokenCursor &cursor)
{
    for (std::size_t i = from; i < name.count; ++i) {
        if (!name.parts[i])
            cursor.fail(QStringLiteral("name '%1' not understood").arg(name.written()));
    }
}

// Database-qualified names: [0] database, [1] omitted or dbo; the rest is kept.
QString databaseQualified(const MultipartName &name, const TokenCursor &cursor)
{
    requireKnownDatabase(*name.parts[0], cursor);
    requireDefaultSchema(name.parts[1], cursor);
    requireNoOmittedPart(name, 2, cursor);
    QString sqlite = sqliteIdentifier(*name.parts[0]);
    for (std::size_t i = 2; i < name.count; ++i)
        sqlite += u'.' + sqliteIdentifier(*name.parts[i]);
    return sqlite;
}

} // namespace

MultipartName readMultipartName(TokenCursor &cursor, bool allowStar)
{
    MultipartName name;
    name.first = &cursor.next();
    name.last = name.first;
    name.parts[name.count++] = name.first;
    while (cursor.isSymbol(u".")) {
        name.last = &cursor.next();
        const Token *part = nullptr;
        if (cursor.peek().kind == TokenKind::Word || cursor.peek().kind == TokenKind::QuotedName)
            part = &cursor.next();
        else if (allowStar && cursor.isSymbol(u"*"))
            part = &cursor.next();
        else if (!cursor.isSymbol(u"."))
            cursor.failUnexpected();
        if (name.count == MultipartName::MaxParts)
            cursor.fail(QStringLiteral("name '%1' has too many parts").arg(sourceSpan(*name.first, *name.last)));
        name.parts[name.count++] = part;
        if (part)
            name.last = part;
        if (part && part->isSymbol(u"*"))
            break;
    }
    return name;
}

QString sqliteTableName(const MultipartName &name, const TokenCursor &cursor)
{
    switch (name.count) {
    case 1:
        return sqliteIdentifier(*name.parts[0]);
    case 2:
        requireDefaultSchema(name.parts[0], cursor);
        return sqliteIdentifier(*name.parts[1]);
    case 3:
        return databaseQualified(name, cursor);
    default:
        cursor.fail(QStringLiteral("name '%1' not understood").arg(name.written()));
    }
}

QString sqliteColumnName(const MultipartName &name, const TokenCursor &cursor)
{
    switch (name.count) {
    case 1:
        return sqliteIdentifier(*name.parts[0]);
    case 2:
        return sqliteIdentifier(*name.parts[0]) + u'.' + sqliteIdentifier(*name.parts[1]);
    case 4:
        // SQLite has no schema.table.* form.
        if (name.parts[3]->isSymbol(u"*"))
            cursor.fail(QStringLiteral("database-qualified '%1'").arg(name.written()));
        return databaseQualified(name, cursor);
    default:
        cursor.fail(QStringLiteral("name '%1' not understood").arg(name.written()));
    }
}

ProcedureName procedureName(const MultipartName &name, const TokenCursor &cursor)
{
    switch (name.count) {
    case 1:
        return {QString(), plainIdentifier(*name.parts[0])};
    case 2:
        requireDefaultSchema(name.parts[0], cursor);
        return {QString(), plainIdentifier(*name.parts[1])};
    case 3:
        requireKnownDatabase(*name.parts[0], cursor);
        requireDefaultSchema(name.parts[1], cursor);
        return {plainIdentifier(*name.parts[0]), plainIdentifier(*name.parts[2])};
    default:
        cursor.fail(QStringLiteral("name '%1' not understood").arg(name.written()));
    }
}

} // namespace hospital::dbserver
