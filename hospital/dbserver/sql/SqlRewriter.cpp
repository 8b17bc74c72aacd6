#include "SqlRewriter.h"

#include "ObjectNames.h"

namespace hospital::dbserver {

SqlRewriter::SqlRewriter(std::span<const Token> tokens, QStringView statement) : cursor_(tokens, statement)
{
    for (const Token &token : tokens) {
        if (token.kind == TokenKind::Variable)
            cursor_.fail(QStringLiteral("variable '%1'").arg(token.text));
        if (token.kind == TokenKind::TempName)
            cursor_.fail(QStringLiteral("temporary table '%1'").arg(token.text));
    }
    out_.reserve(statement.size() * 3 / 2 + 16);
}

SqlStatement SqlRewriter::translate()
{
    bool returnsRows = false;
    switch (cursor_.peek().keyword) {
    case Keyword::Select:
        query();
        returnsRows = true;
        break;
    case Keyword::Insert:
        insertStatement();
        break;
    case Keyword::Update:
        updateStatement();
        break;
    case Keyword::Delete:
        deleteStatement();
        break;
    default:
        cursor_.failUnexpected();
    }
    if (!cursor_.atEnd())
        cursor_.failUnexpected();
    return {std::move(out_), returnsRows};
}

void SqlRewriter::insertStatement()
{
    cursor_.next();
    cursor_.accept(Keyword::Into);
    out_ += u"INSERT INTO ";
    tableName();
    if (cursor_.acceptSymbol(u"(")) {
        out_ += u" (";
        for (;;) {
            if (!cursor_.peek().isName())
                cursor_.failUnexpected();
            out_ += sqliteIdentifier(cursor_.next());
            if (!cursor_.acceptSymbol(u","))
                break;
            out_ += u", ";
        }
        cursor_.expectSymbol(u")");
        out_ += u')';
    }
    if (cursor_.accept(Keyword::Values)) {
        out_ += u" VALUES ";
        for (;;) {
            cursor_.expectSymbol(u"(");
            out_ += u'(';
            valueList();
            cursor_.expectSymbol(u")");
            out_ += u')';
            if (!cursor_.acceptSymbol(u","))
                break;
            out_ += u", ";
        }
    } else if (cursor_.is(Keyword::Select)) {
        out_ += u' ';
        query();
    } else {
        cursor_.failUnexpected();
    }
}

void SqlRewriter::updateStatement()
{
    cursor_.next();
    if (cursor_.is(Keyword::Top))
        cursor_.fail(QStringLiteral("UPDATE TOP"));
    out_ += u"UPDATE ";
    tableName();
    cursor_.expect(Keyword::Set, u"SET");
    out_ += u" SET ";
    for (;;) {
        if (!cursor_.peek().isName())
            cursor_.failUnexpected();
        const Token &column = cursor_.next();
        if (cursor_.isSymbol(u"."))
            cursor_.fail(QStringLiteral("qualified column name in SET"));
        out_ += sqliteIdentifier(column);
        cursor_.expectSymbol(u"=");
        out_ += u" = ";
        value();
        if (!cursor_.acceptSymbol(u","))
            break;
        out_ += u", ";
    }
    if (cursor_.is(Keyword::From))
        cursor_.fail(QStringLiteral("UPDATE ... FROM"));
    if (cursor_.accept(Keyword::Where)) {
        out_ += u" WHERE ";
        condition();
    }
}

void SqlRewriter::deleteStatement()
{
    cursor_.next();
    if (cursor_.is(Keyword::Top))
        cursor_.fail(QStringLiteral("DELETE TOP"));
    cursor_.accept(Keyword::From);
    out_ += u"DELETE FROM ";
    tableName();
    if (cursor_.is(Keyword::From))
        cursor_.fail(QStringLiteral("DELETE ... FROM with a joined table list"));
    if (cursor_.accept(Keyword::Where)) {
        out_ += u" WHERE ";
        condition();
    }
}

void SqlRewriter::query()
{
    const std::optional<QString> limit = selectCore();
    bool anyTop = limit.has_value();
    bool compound = false;
    while (cursor_.accept(Keyword::Union)) {
        compound = true;
        out_ += cursor_.accept(Keyword::All) ? QStringView(u" UNION ALL ") : QStringView(u" UNION ");
        anyTop = selectCore().has_value() || anyTop;
    }
    // SQLite's LIMIT would cut the whole union, the server's TOP only its own SELECT.
    if (compound && anyTop)
        cursor_.fail(QStringLiteral("TOP in a query with UNION"));
    if (cursor_.accept(Keyword::Order)) {
        cursor_.expect(Keyword::By, u"BY");
        out_ += u" ORDER BY ";
        orderByList();
    }
    if (limit)
        out_ += QStringLiteral(" LIMIT ") + *limit;
}

std::optional<QString> SqlRewriter::selectCore()
{
    cursor_.expect(Keyword::Select, u"SELECT");
    out_ += u"SELECT ";
    if (cursor_.accept(Keyword::Distinct))
        out_ += u"DISTINCT ";
    else
        cursor_.accept(Keyword::All);
    std::optional<QString> top;
    if (cursor_.accept(Keyword::Top))
        top = topCount();
    selectList();
    if (cursor_.is(Keyword::Into))
        cursor_.fail(QStringLiteral("SELECT ... INTO"));
    if (cursor_.accept(Keyword::From)) {
        out_ += u" FROM ";
        tableSources();
    }
    if (cursor_.accept(Keyword::Where)) {
        out_ += u" WHERE ";
        condition();
    }
    if (cursor_.accept(Keyword::Group)) {
        cursor_.expect(Keyword::By, u"BY");
        out_ += u" GROUP BY ";
        valueList();
    }
    if (cursor_.accept(Keyword::Having)) {
        out_ += u" HAVING ";
        condition();
    }
    return top;
}

QString SqlRewriter::topCount()
{
    const bool parenthesised = cursor_.acceptSymbol(u"(");
    const Token &count = cursor_.peek();
    if (!count.isWholeNumber())
        cursor_.fail(QStringLiteral("TOP needs a whole number, not %1").arg(TokenCursor::describe(count)));
    cursor_.next();
    if (parenthesised)
        cursor_.expectSymbol(u")");
    if (cursor_.is(Keyword::Percent))
        cursor_.fail(QStringLiteral("TOP ... PERCENT"));
    if (cursor_.is(Keyword::With))
        cursor_.fail(QStringLiteral("TOP ... WITH TIES"));
    return count.text.toString();
}

void SqlRewriter::selectList()
{
    for (;;) {
        selectItem();
        if (!cursor_.acceptSymbol(u","))
            return;
        out_ += u", ";
    }
}

void SqlRewriter::selectItem()
{
    if (cursor_.acceptSymbol(u"*")) {
        out_ += u'*';
    } else if (qualifiedStarAhead()) {
        out_ += sqliteColumnName(readMultipartName(cursor_, true), cursor_);
    } else {
        // Here the server reads "name = expression" as an alias, never as a comparison.
        if (cursor_.peek().isName() && cursor_.isSymbol(u"=", 1))
            cursor_.fail(QStringLiteral("alias = expression in the select list"));
        value();
        columnAlias();
    }
}

bool SqlRewriter::qualifiedStarAhead() const
{
    if (!cursor_.peek().isName())
        return false;
    std::size_t ahead = 1;
    while (cursor_.isSymbol(u".", ahead)) {
        ++ahead;
        if (cursor_.isSymbol(u"*", ahead))
            return true;
        const TokenKind kind = cursor_.peek(ahead).kind;
        if (kind == TokenKind::Word || kind == TokenKind::QuotedName)
            ++ahead;
    }
    return false;
}

void SqlRewriter::columnAlias()
{
    const bool explicitAs = cursor_.accept(Keyword::As);
    const Token &alias = cursor_.peek();
    if (alias.isName())
        out_ += QStringLiteral(" AS ") + sqliteIdentifier(cursor_.next());
    else if (alias.kind == TokenKind::String)
        out_ += QStringLiteral(" AS ") + doubleQuotedIdentifier(stringLiteralValue(cursor_.next()));
    else if (explicitAs)
        cursor_.fail(QStringLiteral("expected an alias after AS before %1").arg(TokenCursor::describe(alias)));
}

void SqlRewriter::tableSources()
{
    for (;;) {
        tableSource();
        if (!cursor_.acceptSymbol(u","))
            return;
        out_ += u", ";
    }
}

void SqlRewriter::tableSource()
{
    tablePrimary();
    for (;;) {
        const JoinKind join = joinOperator();
        if (join == JoinKind::None)
            return;
        tablePrimary();
        if (join == JoinKind::WithCondition) {
            cursor_.expect(Keyword::On, u"ON");
            out_ += u" ON ";
            condition();
        }
    }
}

SqlRewriter::JoinKind SqlRewriter::joinOperator()
{
    if (cursor_.accept(Keyword::Join)) {
        out_ += u" JOIN ";
        return JoinKind::WithCondition;
    }
    if (cursor_.accept(Keyword::Inner)) {
        cursor_.expect(Keyword::Join, u"JOIN");
        out_ += u" INNER JOIN ";
        return JoinKind::WithCondition;
    }
    if (cursor_.is(Keyword::Cross) && cursor_.is(Keyword::Join, 1)) {
        cursor_.next();
        cursor_.next();
        out_ += u" CROSS JOIN ";
        return JoinKind::Cross;
    }
    const Keyword side = cursor_.peek().keyword;
    if (cursor_.peek().kind != TokenKind::Word ||
        (side != Keyword::Left && side != Keyword::Right && side != Keyword::Full))
        return JoinKind::None;
    cursor_.next();
    const bool outer = cursor_.accept(Keyword::Outer);
    cursor_.expect(Keyword::Join, u"JOIN");
    out_ += side == Keyword::Left ? u" LEFT " : side == Keyword::Right ? u" RIGHT " : u" FULL ";
    out_ += outer ? QStringView(u"OUTER JOIN ") : QStringView(u"JOIN ");
    return JoinKind::WithCondition;
}

void SqlRewriter::tablePrimary()
{
    if (cursor_.acceptSymbol(u"(")) {
        out_ += u'(';
        if (cursor_.is(Keyword::Select))
            query();
        else
            tableSource();
        cursor_.expectSymbol(u")");
        out_ += u')';
        tableAlias();
        return;
    }
    tableName();
    tableAlias();
    tableHints();
}

void SqlRewriter::tableAlias()
{
    const bool explicitAs = cursor_.accept(Keyword::As);
    if (cursor_.peek().isName())
        out_ += QStringLiteral(" AS ") + sqliteIdentifier(cursor_.next());
    else if (explicitAs)
        cursor_.fail(QStringLiteral("expected an alias after AS before %1").arg(TokenCursor::describe(cursor_.peek())));
}

// SQLite reads without locks anyway, so NOLOCK can go; any other hint would change meaning.
void SqlRewriter::tableHints()
{
    if (!cursor_.accept(Keyword::With) && !cursor_.isSymbol(u"("))
        return;
    cursor_.expectSymbol(u"(");
    do {
        const Token &hint = cursor_.peek();
        if (hint.kind != TokenKind::Word || hint.text.compare(u"NOLOCK", Qt::CaseInsensitive) != 0)
            cursor_.fail(QStringLiteral("table hint %1").arg(TokenCursor::describe(hint)));
        cursor_.next();
    } while (cursor_.acceptSymbol(u","));
    cursor_.expectSymbol(u")");
}

void SqlRewriter::tableName()
{
    if (!cursor_.peek().isName())
        cursor_.fail(QStringLiteral("expected a table name before %1").arg(TokenCursor::describe(cursor_.peek())));
    out_ += sqliteTableName(readMultipartName(cursor_, false), cursor_);
}

void SqlRewriter::orderByList()
{
    for (;;) {
        value();
        if (cursor_.accept(Keyword::Asc))
            out_ += u" ASC";
        else if (cursor_.accept(Keyword::Desc))
            out_ += u" DESC";
        if (!cursor_.acceptSymbol(u","))
            return;
        out_ += u", ";
    }
}

void SqlRewriter::valueList()
{
    for (;;) {
        value();
        if (!cursor_.acceptSymbol(u","))
            return;
        out_ += u", ";
    }
}

} // namespace hospital::dbserver
