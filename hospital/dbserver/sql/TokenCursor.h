#pragma once

#include "Tokenizer.h"

#include <QString>
#include <QStringView>

#include <span>

namespace hospital::dbserver {

// Walks the tokens of one statement; every failure quotes that statement.
class TokenCursor {
public:
    TokenCursor(std::span<const Token> tokens, QStringView statement) : tokens_(tokens), statement_(statement) {}

    bool atEnd() const { return pos_ >= tokens_.size(); }
    // The End token past the last one.
    const Token &peek(std::size_t ahead = 0) const;
    const Token &next();

    bool is(Keyword word, std::size_t ahead = 0) const { return peek(ahead).is(word); }
    bool isSymbol(QStringView symbol, std::size_t ahead = 0) const { return peek(ahead).isSymbol(symbol); }
    bool accept(Keyword word);
    bool acceptSymbol(QStringView symbol);
    void expect(Keyword word, QStringView spelling);
    void expectSymbol(QStringView symbol);

    QStringView statement() const { return statement_; }
    [[noreturn]] void fail(const QString &reason) const;
    // "unexpected 'x'" for the current token.
    [[noreturn]] void failUnexpected() const;

    // 'x' for a token, or "end of statement".
    static QString describe(const Token &token);

private:
    std::span<const Token> tokens_;
    QStringView statement_;
    std::size_t pos_ = 0;
};

} // namespace hospital::dbserver
