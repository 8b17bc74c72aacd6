#pragma once

#include "ValueFormat.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace pwo::reports {

// Text with named values in braces: "Period: {startDate:MMMM d, yyyy}".
// "{{" and "}}" stand for the braces themselves.
class TextTemplate {
public:
    TextTemplate() = default;
    // Throws LineError for an unclosed brace, an empty name or a bad format.
    static TextTemplate parse(const QString &text, int line);

    // The value of a name, or nullopt when nothing has that name.
    using Lookup = std::function<std::optional<Value>(const QString &name)>;
    // Throws LineError naming the first name that the lookup does not know.
    QString expand(const Lookup &lookup) const;

    bool isEmpty() const { return pieces_.empty(); }
    bool mentions(const QString &name) const;
    int line() const { return line_; }

private:
    struct Piece {
        QString literal;
        QString name;  // empty for a literal piece
        ValueFormat format;
    };
    std::vector<Piece> pieces_;
    int line_ = 0;
};

} // namespace pwo::reports
