#pragma once

#include "data/Value.h"

#include <QString>

#include <optional>

namespace pwo::reports {

// The number a report reads from a value: numbers, and text that is one
// (blanks around it allowed); nothing otherwise.
std::optional<double> numberOf(const Value &value);

// How a value is printed. A format is either a number pattern made of
// "#", "0", "," and "." ("#,##0.00": thousands separated, two decimals) or a
// date pattern ("MM/dd/yyyy hh:mm AP"). No format prints the value's text.
// A number pattern may give negatives their own form after a semicolon,
// the same pattern between marks: "#,##0.00;(#,##0.00)" prints (1,250.00);
// without one a negative has its minus sign.
class ValueFormat {
public:
    ValueFormat() = default;
    // Throws LineError for a pattern that is neither.
    static ValueFormat parse(const QString &pattern, int line);

    QString apply(const Value &value) const;
    bool isNumber() const { return kind_ == Kind::Number; }
    bool isEmpty() const { return kind_ == Kind::None; }

private:
    enum class Kind { None, Number, Date };
    Kind kind_ = Kind::None;
    int decimals_ = 0;
    bool thousands_ = false;
    bool negativeForm_ = false;
    QString negativePrefix_, negativeSuffix_;
    QString datePattern_;
};

} // namespace pwo::reports
