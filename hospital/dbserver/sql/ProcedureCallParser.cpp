#include "ProcedureCallParser.h"

#include "ObjectNames.h"

namespace hospital::dbserver {

namespace {

pwo::Value numberValue(const Token &number, bool negative, const TokenCursor &cursor)
{
    const QString text = negative ? u'-' + number.text.toString() : number.text.toString();
    bool ok = false;
    if (number.text.contains(u'.') || number.text.contains(u'e', Qt::CaseInsensitive)) {
        const double value = text.toDouble(&ok);
        if (ok)
            return value;
    } else {
        const qint64 value = text.toLongLong(&ok);
        if (ok)
            return std::int64_t{value};
    }
    cursor.fail(QStringLiteral("number %1 out of range").arg(text));
}

void refuseVariable(const TokenCursor &cursor)
{
    const QString name = cursor.peek().text.toString();
    if (cursor.isSymbol(u"=", 1))
        cursor.fail(QStringLiteral("named argument '%1'").arg(name));
    cursor.fail(QStringLiteral("variable '%1'").arg(name));
}

pwo::Value argument(TokenCursor &cursor)
{
    const Token &token = cursor.peek();
    if (token.kind == TokenKind::String)
        return stringLiteralValue(cursor.next());
    if (token.kind == TokenKind::Number)
        return numberValue(cursor.next(), false, cursor);
    if (token.isSymbol(u"-") && cursor.peek(1).kind == TokenKind::Number) {
        cursor.next();
        return numberValue(cursor.next(), true, cursor);
    }
    if (token.is(Keyword::Null)) {
        cursor.next();
        return pwo::Value();
    }
    if (token.isSymbol(u","))
        cursor.fail(QStringLiteral("empty argument"));
    if (token.kind == TokenKind::Variable)
        refuseVariable(cursor);
    cursor.fail(QStringLiteral("argument %1 is not quoted text, a number or NULL").arg(TokenCursor::describe(token)));
}

} // namespace

ProcedureCall parseProcedureCall(TokenCursor &cursor)
{
    if (!cursor.accept(Keyword::Exec))
        cursor.accept(Keyword::Execute);
    if (cursor.peek().kind == TokenKind::Variable)
        cursor.fail(QStringLiteral("variable '%1'").arg(cursor.peek().text));
    if (!cursor.peek().isName())
        cursor.fail(QStringLiteral("expected a procedure name before %1").arg(TokenCursor::describe(cursor.peek())));

    ProcedureName name = procedureName(readMultipartName(cursor, false), cursor);
    ProcedureCall call{std::move(name.database), std::move(name.name), {}};
    if (cursor.atEnd())
        return call;
    for (;;) {
        call.arguments.push_back(argument(cursor));
        if (cursor.atEnd())
            return call;
        cursor.expectSymbol(u",");
        if (cursor.atEnd())
            cursor.fail(QStringLiteral("empty argument"));
    }
}

} // namespace hospital::dbserver
