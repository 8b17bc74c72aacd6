#pragma once

#include "data/Value.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace pwo::reports {

// What an expression may know of a name before any query runs.
enum class ValueKind { Unknown, Text, Number, Date, Boolean };

// Where an expression finds what it reads while a report prints.
struct EvaluationScope {
    // The value of a name, or nullopt when nothing has that name.
    std::function<std::optional<Value>(const QString &name)> lookup;
    // An aggregate (sum, count, avg, min, max, distinct) of `argument` over
    // the rows in scope; empty when the place has no rows to add up.
    std::function<Value(const QString &function, const class Expression &argument)> aggregate;
};

// The report language's expressions: names, literals ('text', 12.5, true,
// false, null), + - * / on numbers (a division by zero gives null), & to join
// text, = <> < <= > >= (text compares as the server does: case and trailing
// blanks ignored; null as empty text), and/or/not, if ... then ... else ...,
// and the functions trim, upper, lower, left, right, len, round, abs, format,
// isnull, coalesce and the aggregates. Evaluated by the engine, never sent to
// the server. Booleans are kept as the numbers 1 and 0.
class Expression {
public:
    Expression() = default;
    // Throws LineError for a malformed expression; the reason gives the
    // column (from 1) counted from `column`, the place of the text in its line.
    static Expression parse(const QString &text, int line, int column = 1);

    // Throws LineError, naming line and column, for a name nothing has and for
    // text where a number belongs.
    Value evaluate(const EvaluationScope &scope) const;
    bool isTrue(const EvaluationScope &scope) const;

    // Checks names and types before anything runs: `kindOf` tells what a name
    // is (nullopt: nothing has it). Throws LineError at the first fault.
    void check(const std::function<std::optional<ValueKind>(const QString &name)> &kindOf) const;

    bool isEmpty() const { return !root_; }
    bool mentions(const QString &name) const;

    struct Node;
    // An expression of an already parsed tree (an aggregate's argument).
    Expression(std::shared_ptr<const Node> root, int line) : root_(std::move(root)), line_(line) {}

private:
    std::shared_ptr<const Node> root_;
    int line_ = 0;
};

// True for a value an expression reads as true: a non-zero number, "true"
// or non-empty text other than "false" and "0"; null is false.
bool truthOf(const Value &value);

} // namespace pwo::reports
