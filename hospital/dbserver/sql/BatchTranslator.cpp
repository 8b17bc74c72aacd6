#include "BatchTranslator.h"

#include "ProcedureCallParser.h"
#include "SqlRewriter.h"
#include "Tokenizer.h"

#include <span>

namespace hospital::dbserver {

namespace {

Statement translateStatement(std::span<const Token> tokens)
{
    TokenCursor cursor(tokens, sourceSpan(tokens.front(), tokens.back()));
    for (const Token &token : tokens) {
        if (token.kind == TokenKind::Invalid)
            cursor.fail(invalidTokenReason(token));
    }
    const Token &first = tokens.front();
    if (first.isName() || first.is(Keyword::Exec) || first.is(Keyword::Execute))
        return parseProcedureCall(cursor);
    switch (first.keyword) {
    case Keyword::Select:
    case Keyword::Insert:
    case Keyword::Update:
    case Keyword::Delete:
        return SqlRewriter(tokens, cursor.statement()).translate();
    default:
        break;
    }
    if (first.kind == TokenKind::Word)
        cursor.fail(QStringLiteral("unsupported statement %1").arg(first.text.toString().toUpper()));
    cursor.failUnexpected();
}

} // namespace

std::vector<Statement> translateBatch(QStringView batch)
{
    const std::vector<Token> tokens = tokenize(batch);
    std::vector<Statement> statements;
    const std::span<const Token> all(tokens);
    std::size_t start = 0;
    for (std::size_t i = 0; i <= all.size(); ++i) {
        if (i < all.size() && !all[i].isSymbol(u";"))
            continue;
        if (i > start)
            statements.push_back(translateStatement(all.subspan(start, i - start)));
        start = i + 1;
    }
    return statements;
}

const std::vector<Statement> &BatchTranslator::translate(const QString &batch)
{
    if (const auto cached = cache_.find(batch); cached != cache_.end())
        return cached->second;
    std::vector<Statement> statements = translateBatch(batch);
    if (cache_.size() >= CacheLimit)
        cache_.clear();
    return cache_.emplace(batch, std::move(statements)).first->second;
}

} // namespace hospital::dbserver
