#include "TokenCursor.h"

#include "TranslationError.h"

namespace hospital::dbserver {

const Token &TokenCursor::peek(std::size_t ahead) const
{
    static const Token end;
    return pos_ + ahead < tokens_.size() ? tokens_[pos_ + ahead] : end;
}

const Token &TokenCursor::next()
{
    const Token &token = peek();
    if (!atEnd())
        ++pos_;
    return token;
}

bool TokenCursor::accept(Keyword word)
{
    if (!is(word))
        return false;
    ++pos_;
    return true;
}

bool TokenCursor::acceptSymbol(QStringView symbol)
{
    if (!isSymbol(symbol))
        return false;
    ++pos_;
    return true;
}

void TokenCursor::expect(Keyword word, QStringView spelling)
{
    if (!accept(word))
        fail(QStringLiteral("expected %1 before %2").arg(spelling, describe(peek())));
}

void TokenCursor::expectSymbol(QStringView symbol)
{
    if (!acceptSymbol(symbol))
        fail(QStringLiteral("expected '%1' before %2").arg(symbol, describe(peek())));
}

void TokenCursor::fail(const QString &reason) const
{
    throw TranslationError(reason, statement_);
}

void TokenCursor::failUnexpected() const
{
    fail(QStringLiteral("unexpected %1").arg(describe(peek())));
}

QString TokenCursor::describe(const Token &token)
{
    if (token.kind == TokenKind::End)
        return QStringLiteral("end of statement");
    return u'\'' + token.text.toString() + u'\'';
}

} // namespace hospital::dbserver
