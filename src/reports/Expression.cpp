#include "Expression.h"

#include "DefinitionError.h"
#include "ValueFormat.h"

#include "data/SqlText.h"

#include <QHash>
#include <QSet>

#include <cmath>

namespace pwo::reports {

using NodePtr = std::shared_ptr<const Expression::Node>;

struct Expression::Node {
    enum class Kind { Literal, Name, Negate, Not, Binary, If, Call };
    Kind kind = Kind::Literal;
    Value literal;
    QString text;  // the name, the operator, or the function in lower case
    std::vector<NodePtr> args;
    int column = 0;
};

namespace {

using Node = Expression::Node;

struct Token {
    enum class Kind { End, Number, Text, Word, Symbol };
    Kind kind = Kind::End;
    QString text;
    int column = 0;
};

const QSet<QString> aggregates{QStringLiteral("sum"), QStringLiteral("count"), QStringLiteral("avg"),
                               QStringLiteral("min"), QStringLiteral("max"),   QStringLiteral("distinct")};

// Function name -> the fewest and the most arguments it takes.
const QHash<QString, std::pair<int, int>> functions{
    {QStringLiteral("trim"), {1, 1}},     {QStringLiteral("upper"), {1, 1}},  {QStringLiteral("lower"), {1, 1}},
    {QStringLiteral("left"), {2, 2}},     {QStringLiteral("right"), {2, 2}},  {QStringLiteral("len"), {1, 1}},
    {QStringLiteral("round"), {1, 2}},    {QStringLiteral("abs"), {1, 1}},    {QStringLiteral("format"), {2, 2}},
    {QStringLiteral("isnull"), {2, 2}},   {QStringLiteral("coalesce"), {1, 99}},
    {QStringLiteral("sum"), {1, 1}},      {QStringLiteral("count"), {0, 1}},  {QStringLiteral("avg"), {1, 1}},
    {QStringLiteral("min"), {1, 1}},      {QStringLiteral("max"), {1, 1}},    {QStringLiteral("distinct"), {1, 1}}};

[[noreturn]] void fault(int line, int column, const QString &reason)
{
    throw LineError(line, QStringLiteral("column %1: %2").arg(column).arg(reason));
}

class Parser {
public:
    Parser(const QString &text, int line, int column) : text_(text), line_(line), base_(column) { advance(); }

    NodePtr parseAll()
    {
        if (token_.kind == Token::Kind::End)
            fail(QStringLiteral("an expression is missing"));
        NodePtr node = orExpr();
        if (token_.kind != Token::Kind::End)
            fail(QStringLiteral("\"%1\" is not expected here").arg(token_.text));
        return node;
    }

private:
    [[noreturn]] void fail(const QString &reason) const { fault(line_, token_.column, reason); }

    void advance()
    {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
        token_ = {Token::Kind::End, {}, base_ + int(pos_)};
        if (pos_ >= text_.size())
            return;
        const QChar c = text_[pos_];
        const qsizetype start = pos_;
        if (c.isDigit() || (c == u'.' && pos_ + 1 < text_.size() && text_[pos_ + 1].isDigit())) {
            while (pos_ < text_.size() && (text_[pos_].isDigit() || text_[pos_] == u'.'))
                ++pos_;
            token_ = {Token::Kind::Number, text_.mid(start, pos_ - start), token_.column};
        } else if (c.isLetter() || c == u'_') {
            while (pos_ < text_.size() && (text_[pos_].isLetterOrNumber() || text_[pos_] == u'_'))
                ++pos_;
            token_ = {Token::Kind::Word, text_.mid(start, pos_ - start), token_.column};
        } else if (c == u'\'' || c == u'"') {
            QString value;
            for (++pos_;; ++pos_) {
                if (pos_ >= text_.size())
                    fail(QStringLiteral("a text without its closing %1").arg(c));
                if (text_[pos_] == c) {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == c) {  // a doubled quote
                        value += c;
                        ++pos_;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                value += text_[pos_];
            }
            token_ = {Token::Kind::Text, value, token_.column};
        } else {
            static const QStringList pairs{QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("<>"),
                                           QStringLiteral("!=")};
            const QString two = text_.mid(pos_, 2);
            QString symbol = pairs.contains(two) ? two : QString(c);
            pos_ += symbol.size();
            // The signs as a word processor writes them.
            if (symbol == u"\u00D7")
                symbol = QStringLiteral("*");
            else if (symbol == u"\u00F7")
                symbol = QStringLiteral("/");
            else if (symbol == u"\u2212")
                symbol = QStringLiteral("-");
            else if (symbol == u"!=")
                symbol = QStringLiteral("<>");
            static const QString known = QStringLiteral("+-*/&=<>(),");
            if (symbol.size() == 1 && !known.contains(symbol))
                fault(line_, token_.column, QStringLiteral("\"%1\" is not part of the expression language").arg(symbol));
            token_ = {Token::Kind::Symbol, symbol, token_.column};
        }
    }

    bool isWord(const char *word) const
    {
        return token_.kind == Token::Kind::Word && token_.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(const char *symbol) const
    {
        return token_.kind == Token::Kind::Symbol && token_.text == QLatin1String(symbol);
    }
    void expectSymbol(const char *symbol)
    {
        if (!isSymbol(symbol))
            fail(QStringLiteral("\"%1\" is expected here").arg(QLatin1String(symbol)));
        advance();
    }
    void expectWord(const char *word)
    {
        if (!isWord(word))
            fail(QStringLiteral("\"%1\" is expected here").arg(QLatin1String(word)));
        advance();
    }

    static NodePtr binary(const QString &op, NodePtr left, NodePtr right, int column)
    {
        auto node = std::make_shared<Node>();
        node->kind = Node::Kind::Binary;
        node->text = op;
        node->args = {std::move(left), std::move(right)};
        node->column = column;
        return node;
    }

    NodePtr orExpr()
    {
        NodePtr left = andExpr();
        while (isWord("or")) {
            const int column = token_.column;
            advance();
            left = binary(QStringLiteral("or"), left, andExpr(), column);
        }
        return left;
    }

    NodePtr andExpr()
    {
        NodePtr left = notExpr();
        while (isWord("and")) {
            const int column = token_.column;
            advance();
            left = binary(QStringLiteral("and"), left, notExpr(), column);
        }
        return left;
    }

    NodePtr notExpr()
    {
        if (!isWord("not"))
            return comparison();
        auto node = std::make_shared<Node>();
        node->kind = Node::Kind::Not;
        node->column = token_.column;
        advance();
        node->args = {notExpr()};
        return node;
    }

    NodePtr comparison()
    {
        NodePtr left = additive();
        static const QStringList ops{QStringLiteral("="), QStringLiteral("<>"), QStringLiteral("<"),
                                     QStringLiteral("<="), QStringLiteral(">"), QStringLiteral(">=")};
        if (token_.kind == Token::Kind::Symbol && ops.contains(token_.text)) {
            const QString op = token_.text;
            const int column = token_.column;
            advance();
            return binary(op, left, additive(), column);
        }
        return left;
    }

    NodePtr additive()
    {
        NodePtr left = multiplicative();
        while (isSymbol("+") || isSymbol("-") || isSymbol("&")) {
            const QString op = token_.text;
            const int column = token_.column;
            advance();
            left = binary(op, left, multiplicative(), column);
        }
        return left;
    }

    NodePtr multiplicative()
    {
        NodePtr left = unary();
        while (isSymbol("*") || isSymbol("/")) {
            const QString op = token_.text;
            const int column = token_.column;
            advance();
            left = binary(op, left, unary(), column);
        }
        return left;
    }

    NodePtr unary()
    {
        if (!isSymbol("-"))
            return primary();
        auto node = std::make_shared<Node>();
        node->kind = Node::Kind::Negate;
        node->column = token_.column;
        advance();
        node->args = {unary()};
        return node;
    }

    NodePtr primary()
    {
        auto node = std::make_shared<Node>();
        node->column = token_.column;
        switch (token_.kind) {
        case Token::Kind::End: fail(QStringLiteral("the expression ends too early"));
        case Token::Kind::Number: {
            bool ok = false;
            const double n = token_.text.toDouble(&ok);
            if (!ok)
                fail(QStringLiteral("\"%1\" is not a number").arg(token_.text));
            // A whole number too large for a whole-number value is kept as a decimal one.
            bool whole = false;
            const qlonglong asWhole = token_.text.toLongLong(&whole);
            node->literal = whole ? Value(std::int64_t(asWhole)) : Value(n);
            advance();
            return node;
        }
        case Token::Kind::Text:
            node->literal = Value(token_.text);
            advance();
            return node;
        case Token::Kind::Symbol:
            if (!isSymbol("("))
                fail(QStringLiteral("\"%1\" is not expected here").arg(token_.text));
            advance();
            {
                NodePtr inner = orExpr();
                expectSymbol(")");
                return inner;
            }
        case Token::Kind::Word: break;
        }
        if (isWord("true") || isWord("false")) {
            node->literal = Value(isWord("true") ? 1 : 0);
            advance();
            return node;
        }
        if (isWord("null")) {
            advance();
            return node;
        }
        if (isWord("if")) {
            node->kind = Node::Kind::If;
            advance();
            NodePtr condition = orExpr();
            expectWord("then");
            NodePtr then = orExpr();
            expectWord("else");
            node->args = {condition, then, orExpr()};
            return node;
        }
        for (const char *reserved : {"and", "or", "not", "then", "else"})
            if (isWord(reserved))
                fail(QStringLiteral("\"%1\" is not expected here").arg(token_.text));
        node->text = token_.text;
        advance();
        if (!isSymbol("(")) {
            node->kind = Node::Kind::Name;
            return node;
        }
        node->kind = Node::Kind::Call;
        node->text = node->text.toLower();
        const auto found = functions.constFind(node->text);
        if (found == functions.constEnd())
            fault(line_, node->column, QStringLiteral("there is no function \"%1\"").arg(node->text));
        advance();
        if (!isSymbol(")")) {
            node->args.push_back(orExpr());
            while (isSymbol(",")) {
                advance();
                node->args.push_back(orExpr());
            }
        }
        expectSymbol(")");
        if (int(node->args.size()) < found->first || int(node->args.size()) > found->second)
            fault(line_, node->column,
                  QStringLiteral("%1 takes %2 value(s), not %3")
                      .arg(node->text,
                           found->first == found->second ? QString::number(found->first)
                                                         : QStringLiteral("%1 to %2").arg(found->first).arg(found->second))
                      .arg(node->args.size()));
        return node;
    }

    const QString &text_;
    int line_;
    int base_;
    qsizetype pos_ = 0;
    Token token_;
};

// Amounts are kept to a billionth, so that 0.1 + 0.2 is 0.3 and not a hair off it.
double tidy(double n)
{
    const double r = std::round(n * 1e9) / 1e9;
    return std::isfinite(r) ? r : n;
}

Value numberValue(double n)
{
    return n == std::floor(n) && std::abs(n) < 9e15 ? Value(std::int64_t(n)) : Value(n);
}

QString plainText(const Value &v)
{
    if (v.isNumber())
        return sql::numberText(v.toNumber());
    if (v.isDateTime())
        return v.toDateTime().toString(QStringLiteral("MM/dd/yyyy"));
    return v.text();
}

int compareValues(const Value &a, const Value &b)
{
    const auto na = numberOf(a), nb = numberOf(b);
    if (na && nb && (a.isNumber() || b.isNumber()))
        return *na < *nb ? -1 : (*na > *nb ? 1 : 0);
    if (a.isDateTime() || b.isDateTime()) {
        bool okA = true, okB = true;
        const QDateTime da = a.isDateTime() ? a.toDateTime() : parseDateTimeText(a.text().trimmed(), &okA);
        const QDateTime db = b.isDateTime() ? b.toDateTime() : parseDateTimeText(b.text().trimmed(), &okB);
        if (okA && okB)
            return da < db ? -1 : (da > db ? 1 : 0);
    }
    // As the server compares text: case and trailing blanks do not count.
    QString ta = plainText(a), tb = plainText(b);
    while (ta.endsWith(u' '))
        ta.chop(1);
    while (tb.endsWith(u' '))
        tb.chop(1);
    return ta.compare(tb, Qt::CaseInsensitive);
}

class Evaluator {
public:
    Evaluator(const EvaluationScope &scope, int line) : scope_(scope), line_(line) {}

    Value operator()(const Node &node) const
    {
        switch (node.kind) {
        case Node::Kind::Literal: return node.literal;
        case Node::Kind::Name: {
            std::optional<Value> value = scope_.lookup ? scope_.lookup(node.text) : std::nullopt;
            if (!value)
                fault(line_, node.column, QStringLiteral("\"%1\" is no parameter, field or report value").arg(node.text));
            return *value;
        }
        case Node::Kind::Negate: {
            const auto n = number(*node.args[0]);
            return n ? numberValue(-*n) : Value::null();
        }
        case Node::Kind::Not: return Value(truthOf((*this)(*node.args[0])) ? 0 : 1);
        case Node::Kind::If:
            return truthOf((*this)(*node.args[0])) ? (*this)(*node.args[1]) : (*this)(*node.args[2]);
        case Node::Kind::Binary: return binary(node);
        case Node::Kind::Call: return call(node);
        }
        return Value::null();
    }

private:
    // The number a value stands for; null stays null, other text is a fault.
    std::optional<double> number(const Node &node) const
    {
        const Value v = (*this)(node);
        if (v.isNull())
            return std::nullopt;
        if (const auto n = numberOf(v))
            return n;
        if (v.isText() && v.text().trimmed().isEmpty())
            return std::nullopt;
        fault(line_, node.column, QStringLiteral("\"%1\" is text where a number belongs").arg(plainText(v)));
    }

    Value binary(const Node &node) const
    {
        const QString &op = node.text;
        const Node &left = *node.args[0];
        const Node &right = *node.args[1];
        if (op == u"and")
            return Value(truthOf((*this)(left)) && truthOf((*this)(right)) ? 1 : 0);
        if (op == u"or")
            return Value(truthOf((*this)(left)) || truthOf((*this)(right)) ? 1 : 0);
        if (op == u"&")
            return Value(plainText((*this)(left)) + plainText((*this)(right)));
        if (op == u"+" || op == u"-" || op == u"*" || op == u"/") {
            const auto a = number(left);
            const auto b = number(right);
            if (!a || !b)
                return Value::null();
            if (op == u"/")
                return *b == 0 ? Value::null() : numberValue(*a / *b);
            return numberValue(tidy(op == u"+" ? *a + *b : op == u"-" ? *a - *b : *a * *b));
        }
        const int c = compareValues((*this)(left), (*this)(right));
        const bool result = op == u"="    ? c == 0
                            : op == u"<>" ? c != 0
                            : op == u"<"  ? c < 0
                            : op == u"<=" ? c <= 0
                            : op == u">"  ? c > 0
                                          : c >= 0;
        return Value(result ? 1 : 0);
    }

    Value call(const Node &node) const;

    const EvaluationScope &scope_;
    int line_;
};

} // namespace

Expression Expression::parse(const QString &text, int line, int column)
{
    Expression e;
    e.root_ = Parser(text, line, column).parseAll();
    e.line_ = line;
    return e;
}

namespace {

Value Evaluator::call(const Node &node) const
{
    const QString &f = node.text;
    const auto arg = [&](size_t i) { return (*this)(*node.args[i]); };
    if (aggregates.contains(f)) {
        if (!scope_.aggregate)
            fault(line_, node.column, QStringLiteral("%1() adds up rows, and there are none here").arg(f));
        return scope_.aggregate(f, node.args.empty() ? Expression() : Expression(node.args[0], line_));
    }
    if (f == u"isnull" || f == u"coalesce") {
        for (size_t i = 0; i < node.args.size(); ++i) {
            Value v = arg(i);
            if (!v.isNull())
                return v;
        }
        return Value::null();
    }
    if (f == u"round") {
        const auto n = number(*node.args[0]);
        const auto places = node.args.size() > 1 ? number(*node.args[1]) : std::optional<double>(0);
        if (!n || !places)
            return Value::null();
        const double scale = std::pow(10.0, *places);
        return numberValue(tidy(std::round(tidy(*n * scale)) / scale));
    }
    if (f == u"abs") {
        const auto n = number(*node.args[0]);
        return n ? numberValue(std::abs(*n)) : Value::null();
    }
    const Value first = arg(0);
    if (first.isNull() && f != u"len")
        return Value::null();
    const QString text = plainText(first);
    if (f == u"trim")
        return Value(text.trimmed());
    if (f == u"upper")
        return Value(text.toUpper());
    if (f == u"lower")
        return Value(text.toLower());
    if (f == u"len")
        return Value(int(text.size()));
    if (f == u"format")
        return Value(ValueFormat::parse(plainText(arg(1)), line_).apply(first));
    const auto count = number(*node.args[1]);
    const qsizetype n = count ? qsizetype(std::max(0.0, *count)) : 0;
    return Value(f == u"left" ? text.left(n) : text.right(n));
}

} // namespace

Value Expression::evaluate(const EvaluationScope &scope) const
{
    if (!root_)
        return Value::null();
    return Evaluator(scope, line_)(*root_);
}

bool Expression::isTrue(const EvaluationScope &scope) const
{
    return truthOf(evaluate(scope));
}

namespace {

bool anyNode(const NodePtr &node, const std::function<bool(const Node &)> &test)
{
    if (!node)
        return false;
    if (test(*node))
        return true;
    for (const NodePtr &child : node->args)
        if (anyNode(child, test))
            return true;
    return false;
}

} // namespace

bool Expression::mentions(const QString &name) const
{
    return anyNode(root_, [&](const Node &n) {
        return n.kind == Node::Kind::Name && n.text.compare(name, Qt::CaseInsensitive) == 0;
    });
}

void Expression::check(const std::function<std::optional<ValueKind>(const QString &name)> &kindOf) const
{
    const int line = line_;
    std::function<ValueKind(const Node &)> kind = [&](const Node &node) -> ValueKind {
        switch (node.kind) {
        case Node::Kind::Literal:
            if (node.literal.isNumber())
                return ValueKind::Number;
            return node.literal.isText() && !numberOf(node.literal) ? ValueKind::Text : ValueKind::Unknown;
        case Node::Kind::Name: {
            const auto k = kindOf(node.text);
            if (!k)
                fault(line, node.column, QStringLiteral("\"%1\" is no parameter, field or report value").arg(node.text));
            return *k;
        }
        case Node::Kind::Negate:
        case Node::Kind::Binary: {
            const bool arithmetic = node.kind == Node::Kind::Negate ||
                                    (node.text.size() == 1 && QStringLiteral("+-*/").contains(node.text));
            const QString op = node.kind == Node::Kind::Negate ? QStringLiteral("-") : node.text;
            for (const NodePtr &child : node.args) {
                const ValueKind k = kind(*child);
                if (arithmetic && k == ValueKind::Text)
                    fault(line, child->column, QStringLiteral("text cannot take part in \"%1\"; join text with &").arg(op));
                if (arithmetic && k == ValueKind::Date)
                    fault(line, child->column, QStringLiteral("a date cannot take part in \"%1\"").arg(op));
            }
            if (arithmetic)
                return ValueKind::Number;
            return node.text == u"&" ? ValueKind::Text : ValueKind::Boolean;
        }
        case Node::Kind::Not: kind(*node.args[0]); return ValueKind::Boolean;
        case Node::Kind::If: {
            kind(*node.args[0]);
            const ValueKind a = kind(*node.args[1]);
            return a == kind(*node.args[2]) ? a : ValueKind::Unknown;
        }
        case Node::Kind::Call:
            for (const NodePtr &child : node.args)
                kind(*child);
            if (QStringList{QStringLiteral("trim"), QStringLiteral("upper"), QStringLiteral("lower"),
                            QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("format")}
                    .contains(node.text))
                return ValueKind::Text;
            if (node.text == u"isnull" || node.text == u"coalesce" || node.text == u"min" || node.text == u"max")
                return ValueKind::Unknown;
            return ValueKind::Number;
        }
        return ValueKind::Unknown;
    };
    if (root_)
        kind(*root_);
}

bool truthOf(const Value &value)
{
    if (value.isNull())
        return false;
    if (value.isNumber())
        return value.toNumber() != 0;
    if (value.isDateTime())
        return true;
    const QString t = value.text().trimmed();
    return !t.isEmpty() && t != u"0" && t.compare(u"false", Qt::CaseInsensitive) != 0;
}

} // namespace pwo::reports
