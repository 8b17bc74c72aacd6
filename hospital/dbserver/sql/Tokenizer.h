#pragma once

#include "Keywords.h"

#include <QString>
#include <QStringView>

#include <algorithm>
#include <vector>

namespace hospital::dbserver {

enum class TokenKind {
    Word,        // name or reserved word
    QuotedName,  // [name] or "name"
    String,      // 'text' or N'text', quotes still doubled
    Number,
    Variable,    // @x, @@x
    TempName,    // #t, ##t
    Symbol,      // operators and punctuation
    Invalid,     // unterminated literal or comment, or a character the server rejects
    End,         // past the last token of a statement
};

// Views into the text given to tokenize(), which must outlive the tokens.
struct Token {
    TokenKind kind = TokenKind::End;
    Keyword keyword = Keyword::None;
    QStringView text;

    bool is(Keyword word) const { return kind == TokenKind::Word && keyword == word; }
    bool isSymbol(QStringView symbol) const { return kind == TokenKind::Symbol && text == symbol; }
    bool isWholeNumber() const
    {
        return kind == TokenKind::Number &&
               std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    }
    bool isName() const
    {
        return (kind == TokenKind::Word && keyword == Keyword::None) || kind == TokenKind::QuotedName;
    }
};

// Comments are dropped; everything else becomes a token. An unterminated
// literal or comment becomes one Invalid token reaching to the end.
std::vector<Token> tokenize(QStringView text);

// Why the server rejects an Invalid token.
QString invalidTokenReason(const Token &token);

// The source text from the start of `first` to the end of `last`.
QStringView sourceSpan(const Token &first, const Token &last);

// A name as SQLite reads it: [a]]b] -> "a]b", Limit -> "Limit", "x" and other words unchanged.
QString sqliteIdentifier(const Token &name);
// "text" with inner double quotes doubled.
QString doubleQuotedIdentifier(const QString &plain);
// A name without its quoting: [a]]b] -> a]b.
QString plainIdentifier(const Token &name);
// 'it''s' or N'it''s' -> it's
QString stringLiteralValue(const Token &literal);
// 'it''s' or N'it''s' -> 'it''s' (SQLite has no N prefix)
QStringView sqliteStringLiteral(const Token &literal);

} // namespace hospital::dbserver
