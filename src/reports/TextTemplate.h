#pragma once

#include "Expression.h"
#include "ValueFormat.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace pwo::reports {

// Text with expressions in braces: "Period: {startDate:MMMM d, yyyy}",
// "Balance: {sum(charges) - sum(payments):#,##0.00}". The first colon outside
// quotes ends the expression and begins its format. "{{" and "}}" stand for
// the braces themselves.
class TextTemplate {
public:
    TextTemplate() = default;
    // Throws LineError for an unclosed brace, a malformed expression or a bad
    // format; `column` is where the text begins in its line.
    static TextTemplate parse(const QString &text, int line, int column = 1);

    // The value of a name, or nullopt when nothing has that name.
    using Lookup = std::function<std::optional<Value>(const QString &name)>;
    // Throws LineError naming the first name that nothing has.
    QString expand(const EvaluationScope &scope) const;
    QString expand(const Lookup &lookup) const { return expand(EvaluationScope{lookup, {}}); }

    bool isEmpty() const { return pieces_.empty(); }
    bool mentions(const QString &name) const;
    int line() const { return line_; }
    // Every expression of the text, for checks before anything runs.
    std::vector<const Expression *> expressions() const;

private:
    struct Piece {
        QString literal;
        Expression expression;  // empty for a literal piece
        ValueFormat format;
    };
    std::vector<Piece> pieces_;
    int line_ = 0;
};

} // namespace pwo::reports
