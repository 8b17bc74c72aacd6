#pragma once

#include "BuiltinFunctions.h"
#include "Statements.h"
#include "TokenCursor.h"

#include <QString>

#include <optional>
#include <span>

namespace hospital::dbserver {

// Translates one SELECT, INSERT, UPDATE or DELETE into SQLite text, refusing
// anything it does not fully understand. Statements and queries live in
// SqlRewriter.cpp, expressions in SqlExpressions.cpp.
class SqlRewriter {
public:
    SqlRewriter(std::span<const Token> tokens, QStringView statement);

    SqlStatement translate();

private:
    // The server has no boolean values: a condition may stand only where one is
    // expected, and a value never can; tracking this refuses what SQLite would accept.
    enum class Kind { Value, Condition };
    enum class JoinKind { None, WithCondition, Cross };

    void insertStatement();
    void updateStatement();
    void deleteStatement();

    // SELECT ... [UNION [ALL] SELECT ...] [ORDER BY ...], TOP turned into LIMIT.
    void query();
    // One SELECT without ORDER BY; returns its TOP count.
    std::optional<QString> selectCore();
    QString topCount();
    void selectList();
    void selectItem();
    bool qualifiedStarAhead() const;
    void columnAlias();
    void tableSources();
    void tableSource();
    void tablePrimary();
    void tableAlias();
    void tableHints();
    JoinKind joinOperator();
    void tableName();
    void orderByList();
    void valueList();

    // Expressions, by falling precedence: primary, signed, product, sum, predicate,
    // negation, conjunction, disjunction.
    Kind expression();
    void value();
    void condition();
    Kind disjunction();
    Kind conjunction();
    Kind negation();
    Kind predicate();
    void comparisonTail(QStringView op);
    void likeTail(bool negated);
    void inTail(bool negated);
    void betweenTail(bool negated);
    Kind sum();
    Kind product();
    Kind signedTerm();
    Kind primary();
    Kind parenthesised();
    void columnReference();
    void functionCall();
    QString functionArgument(FunctionRewrite rewrite, bool countsRows);
    void caseExpression();
    void conversion();
    QString captureValue();
    void requireValue(Kind kind);
    void requireCondition(Kind kind);

    TokenCursor cursor_;
    QString out_;
};

} // namespace hospital::dbserver
