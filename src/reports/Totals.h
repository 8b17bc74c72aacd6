#pragma once

#include "ReportDefinition.h"

#include "data/Value.h"

#include <QSet>

#include <optional>

namespace pwo::reports {

// Adds up the values of one column or expression: every kind of total at
// once, so that any may be asked for. Nulls are not counted.
class Accumulator {
public:
    void add(const Value &value);
    void reset() { *this = Accumulator(); }
    // The total of that kind; null where there is nothing to give (the
    // average, minimum or maximum of no numbers).
    Value result(TotalKind kind) const;

private:
    double sum_ = 0;
    long count_ = 0;
    long numbers_ = 0;
    std::optional<double> min_, max_;
    QSet<QString> distinct_;
};

// The total kind an aggregate function of the expression language names.
TotalKind totalKindOf(const QString &function);

} // namespace pwo::reports
