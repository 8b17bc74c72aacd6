#include "SqlRewriter.h"

#include "ObjectNames.h"

#include <algorithm>

namespace hospital::dbserver {

namespace {

bool isComparison(const Token &token)
{
    static constexpr QStringView operators[] = {u"=", u"<>", u"!=", u"<", u">", u"<=", u">="};
    return token.kind == TokenKind::Symbol &&
           std::find(std::begin(operators), std::end(operators), token.text) != std::end(operators);
}

bool isProductOperator(const Token &token)
{
    return token.isSymbol(u"*") || token.isSymbol(u"/") || token.isSymbol(u"%");
}

struct TargetType {
    DataType type;
    QString length;  // SQL text, NULL when not given
};

// varchar(10), nvarchar(max), decimal(10,2), int ...
TargetType targetType(TokenCursor &cursor)
{
    const Token &name = cursor.peek();
    const std::optional<DataType> type = name.kind == TokenKind::Word ? findDataType(name.text) : std::nullopt;
    if (!type)
        cursor.fail(QStringLiteral("data type %1 not supported").arg(TokenCursor::describe(name)));
    cursor.next();
    TargetType target{*type, QStringLiteral("NULL")};
    if (!cursor.acceptSymbol(u"("))
        return target;
    const Token &size = cursor.peek();
    if (type->takesLength && size.isWholeNumber()) {
        target.length = size.text.toString();
        cursor.next();
    } else if (type->takesLength && size.kind == TokenKind::Word && size.text.compare(u"max", Qt::CaseInsensitive) == 0) {
        cursor.next();
    } else if (type->takesPrecision && size.isWholeNumber()) {
        cursor.next();
        if (cursor.acceptSymbol(u",")) {
            if (!cursor.peek().isWholeNumber())
                cursor.failUnexpected();
            cursor.next();
        }
    } else {
        cursor.fail(QStringLiteral("size %1 of data type '%2' not understood").arg(TokenCursor::describe(size), name.text));
    }
    cursor.expectSymbol(u")");
    return target;
}

} // namespace

SqlRewriter::Kind SqlRewriter::expression()
{
    return disjunction();
}

void SqlRewriter::value()
{
    requireValue(expression());
}

void SqlRewriter::condition()
{
    requireCondition(expression());
}

void SqlRewriter::requireValue(Kind kind)
{
    if (kind != Kind::Value)
        cursor_.fail(QStringLiteral("a condition where a value is expected"));
}

void SqlRewriter::requireCondition(Kind kind)
{
    if (kind != Kind::Condition)
        cursor_.fail(QStringLiteral("a value where a condition is expected"));
}

SqlRewriter::Kind SqlRewriter::disjunction()
{
    Kind kind = conjunction();
    while (cursor_.accept(Keyword::Or)) {
        requireCondition(kind);
        out_ += u" OR ";
        requireCondition(conjunction());
    }
    return kind;
}

SqlRewriter::Kind SqlRewriter::conjunction()
{
    Kind kind = negation();
    while (cursor_.accept(Keyword::And)) {
        requireCondition(kind);
        out_ += u" AND ";
        requireCondition(negation());
    }
    return kind;
}

SqlRewriter::Kind SqlRewriter::negation()
{
    if (!cursor_.accept(Keyword::Not))
        return predicate();
    out_ += u"NOT ";
    requireCondition(negation());
    return Kind::Condition;
}

SqlRewriter::Kind SqlRewriter::predicate()
{
    if (cursor_.accept(Keyword::Exists)) {
        if (!cursor_.isSymbol(u"(") || !cursor_.is(Keyword::Select, 1))
            cursor_.fail(QStringLiteral("EXISTS without a subquery"));
        cursor_.next();
        out_ += u"EXISTS (";
        query();
        cursor_.expectSymbol(u")");
        out_ += u')';
        return Kind::Condition;
    }

    const Kind left = sum();
    if (cursor_.isSymbol(u"!<") || cursor_.isSymbol(u"!>"))
        cursor_.fail(QStringLiteral("operator %1").arg(TokenCursor::describe(cursor_.peek())));
    if (isComparison(cursor_.peek())) {
        requireValue(left);
        comparisonTail(cursor_.next().text);
        return Kind::Condition;
    }
    const bool negated = cursor_.is(Keyword::Not) &&
                         (cursor_.is(Keyword::Like, 1) || cursor_.is(Keyword::In, 1) || cursor_.is(Keyword::Between, 1));
    if (negated)
        cursor_.next();
    if (cursor_.accept(Keyword::Is)) {
        requireValue(left);
        out_ += u" IS ";
        if (cursor_.accept(Keyword::Not))
            out_ += u"NOT ";
        cursor_.expect(Keyword::Null, u"NULL");
        out_ += u"NULL";
    } else if (cursor_.accept(Keyword::Like)) {
        requireValue(left);
        likeTail(negated);
    } else if (cursor_.accept(Keyword::In)) {
        requireValue(left);
        inTail(negated);
    } else if (cursor_.accept(Keyword::Between)) {
        requireValue(left);
        betweenTail(negated);
    } else {
        return left;
    }
    return Kind::Condition;
}

void SqlRewriter::comparisonTail(QStringView op)
{
    out_ += u' ';
    out_ += op;
    out_ += u' ';
    requireValue(sum());
}

void SqlRewriter::likeTail(bool negated)
{
    out_ += negated ? QStringView(u" NOT LIKE ") : QStringView(u" LIKE ");
    // SQLite's LIKE has no [a-z] sets; such a pattern would silently match something else.
    const Token &pattern = cursor_.peek();
    if (pattern.kind == TokenKind::String && pattern.text.contains(u'['))
        cursor_.fail(QStringLiteral("LIKE pattern with [ ] character sets"));
    requireValue(sum());
    if (cursor_.accept(Keyword::Escape)) {
        out_ += u" ESCAPE ";
        requireValue(sum());
    }
}

void SqlRewriter::inTail(bool negated)
{
    out_ += negated ? QStringView(u" NOT IN (") : QStringView(u" IN (");
    cursor_.expectSymbol(u"(");
    if (cursor_.is(Keyword::Select))
        query();
    else
        valueList();
    cursor_.expectSymbol(u")");
    out_ += u')';
}

void SqlRewriter::betweenTail(bool negated)
{
    out_ += negated ? QStringView(u" NOT BETWEEN ") : QStringView(u" BETWEEN ");
    requireValue(sum());
    cursor_.expect(Keyword::And, u"AND");
    out_ += u" AND ";
    requireValue(sum());
}

// The server's + adds numbers and joins text, chosen by the operand types at run
// time, so every binary + becomes tsql_add(left, right), left-associative.
SqlRewriter::Kind SqlRewriter::sum()
{
    const qsizetype start = out_.size();
    Kind kind = product();
    bool leftIsDifference = false;
    for (;;) {
        if (cursor_.acceptSymbol(u"+")) {
            requireValue(kind);
            out_.insert(start, leftIsDifference ? QStringView(u"tsql_add((") : QStringView(u"tsql_add("));
            out_ += leftIsDifference ? QStringView(u"), ") : QStringView(u", ");
            requireValue(product());
            out_ += u')';
            leftIsDifference = false;
        } else if (cursor_.acceptSymbol(u"-")) {
            requireValue(kind);
            out_ += u" - ";
            requireValue(product());
            leftIsDifference = true;
        } else {
            return kind;
        }
        kind = Kind::Value;
    }
}

SqlRewriter::Kind SqlRewriter::product()
{
    Kind kind = signedTerm();
    while (isProductOperator(cursor_.peek())) {
        requireValue(kind);
        out_ += u' ';
        out_ += cursor_.next().text;
        out_ += u' ';
        requireValue(signedTerm());
        kind = Kind::Value;
    }
    return kind;
}

SqlRewriter::Kind SqlRewriter::signedTerm()
{
    if (cursor_.acceptSymbol(u"-")) {
        out_ += u'-';
        const qsizetype operand = out_.size();
        requireValue(signedTerm());
        // "--" would start a comment.
        if (out_.size() > operand && out_[operand] == u'-')
            out_.insert(operand, u' ');
        return Kind::Value;
    }
    if (cursor_.acceptSymbol(u"+")) {
        requireValue(signedTerm());
        return Kind::Value;
    }
    return primary();
}

SqlRewriter::Kind SqlRewriter::primary()
{
    const Token &token = cursor_.peek();
    switch (token.kind) {
    case TokenKind::String:
        out_ += sqliteStringLiteral(cursor_.next());
        return Kind::Value;
    case TokenKind::Number:
        out_ += cursor_.next().text;
        return Kind::Value;
    case TokenKind::QuotedName:
        columnReference();
        return Kind::Value;
    case TokenKind::Word:
        switch (token.keyword) {
        case Keyword::None:
            if (cursor_.isSymbol(u"(", 1))
                functionCall();
            else
                columnReference();
            return Kind::Value;
        case Keyword::Left:
        case Keyword::Right:
        case Keyword::Coalesce:
        case Keyword::Nullif:
            if (!cursor_.isSymbol(u"(", 1))
                cursor_.failUnexpected();
            functionCall();
            return Kind::Value;
        case Keyword::Null:
            cursor_.next();
            out_ += u"NULL";
            return Kind::Value;
        case Keyword::Case:
            caseExpression();
            return Kind::Value;
        case Keyword::Cast:
        case Keyword::Convert:
            conversion();
            return Kind::Value;
        default:
            break;
        }
        break;
    case TokenKind::Symbol:
        if (token.isSymbol(u"("))
            return parenthesised();
        break;
    default:
        break;
    }
    cursor_.failUnexpected();
}

SqlRewriter::Kind SqlRewriter::parenthesised()
{
    cursor_.next();
    out_ += u'(';
    Kind kind = Kind::Value;
    if (cursor_.is(Keyword::Select))
        query();
    else
        kind = expression();
    cursor_.expectSymbol(u")");
    out_ += u')';
    return kind;
}

void SqlRewriter::columnReference()
{
    const MultipartName name = readMultipartName(cursor_, false);
    if (cursor_.isSymbol(u"("))
        cursor_.fail(QStringLiteral("unknown function '%1'").arg(name.written()));
    out_ += sqliteColumnName(name, cursor_);
}

void SqlRewriter::functionCall()
{
    const QStringView name = cursor_.next().text;
    const std::optional<BuiltinFunction> function = findBuiltinFunction(name);
    if (!function)
        cursor_.fail(QStringLiteral("unknown function '%1'").arg(name));
    cursor_.expectSymbol(u"(");

    std::vector<QString> arguments;
    const bool takesDatePart =
        function->rewrite == FunctionRewrite::DateAdd || function->rewrite == FunctionRewrite::DateDiff;
    if (takesDatePart) {
        // The date part is a bare word, not an expression.
        const Token &part = cursor_.peek();
        const char *canonical = part.kind == TokenKind::Word ? canonicalDatePart(part.text) : nullptr;
        if (!canonical)
            cursor_.fail(QStringLiteral("date part %1 not supported").arg(TokenCursor::describe(part)));
        cursor_.next();
        arguments.push_back(QLatin1String(canonical));
        cursor_.expectSymbol(u",");
    }
    if (takesDatePart || !cursor_.isSymbol(u")")) {
        const bool countsRows = name.compare(u"count", Qt::CaseInsensitive) == 0;
        do
            arguments.push_back(functionArgument(function->rewrite, countsRows && arguments.empty()));
        while (cursor_.acceptSymbol(u","));
    }
    cursor_.expectSymbol(u")");

    const int count = int(arguments.size());
    if (count < function->minArguments || (function->maxArguments >= 0 && count > function->maxArguments))
        cursor_.fail(QStringLiteral("wrong number of arguments to '%1'").arg(name));
    out_ += rewriteCall(*function, name, arguments);
}

QString SqlRewriter::functionArgument(FunctionRewrite rewrite, bool countsRows)
{
    if (countsRows && cursor_.acceptSymbol(u"*"))
        return QStringLiteral("*");
    if (rewrite == FunctionRewrite::Aggregate) {
        if (cursor_.accept(Keyword::Distinct))
            return QStringLiteral("DISTINCT ") + captureValue();
        cursor_.accept(Keyword::All);
    }
    return captureValue();
}

void SqlRewriter::caseExpression()
{
    cursor_.next();
    out_ += u"CASE";
    const bool simple = !cursor_.is(Keyword::When);
    if (simple) {
        out_ += u' ';
        value();
    }
    if (!cursor_.is(Keyword::When))
        cursor_.fail(QStringLiteral("CASE without WHEN"));
    while (cursor_.accept(Keyword::When)) {
        out_ += u" WHEN ";
        if (simple)
            value();
        else
            condition();
        cursor_.expect(Keyword::Then, u"THEN");
        out_ += u" THEN ";
        value();
    }
    if (cursor_.accept(Keyword::Else)) {
        out_ += u" ELSE ";
        value();
    }
    cursor_.expect(Keyword::End, u"END");
    out_ += u" END";
}

// CONVERT(type, x [, style]) and CAST(x AS type).
void SqlRewriter::conversion()
{
    const bool isCast = cursor_.next().is(Keyword::Cast);
    cursor_.expectSymbol(u"(");
    QString operand;
    std::optional<QString> style;
    std::optional<TargetType> target;
    if (isCast) {
        operand = captureValue();
        cursor_.expect(Keyword::As, u"AS");
        target = targetType(cursor_);
    } else {
        target = targetType(cursor_);
        cursor_.expectSymbol(u",");
        operand = captureValue();
        if (cursor_.acceptSymbol(u","))
            style = captureValue();
    }
    cursor_.expectSymbol(u")");
    // A style changes how text is read as a date or number; the other targets take none.
    if (style && target->type.target != ConversionTarget::Text)
        cursor_.fail(QStringLiteral("CONVERT style on a conversion to a type other than text"));
    out_ += rewriteConversion(target->type.target, operand, style.value_or(QStringLiteral("NULL")), target->length);
}

QString SqlRewriter::captureValue()
{
    const qsizetype start = out_.size();
    value();
    QString captured = out_.sliced(start);
    out_.truncate(start);
    return captured;
}

} // namespace hospital::dbserver
