#include "Totals.h"

#include "ValueFormat.h"

namespace pwo::reports {

void Accumulator::add(const Value &value)
{
    if (value.isNull())
        return;
    ++count_;
    distinct_.insert(value.text().trimmed().toUpper());
    if (const auto n = numberOf(value)) {
        ++numbers_;
        sum_ += *n;
        min_ = min_ ? std::min(*min_, *n) : *n;
        max_ = max_ ? std::max(*max_, *n) : *n;
    }
}

Value Accumulator::result(TotalKind kind) const
{
    switch (kind) {
    case TotalKind::None: return Value::null();
    case TotalKind::Sum: return Value(sum_);
    case TotalKind::Count: return Value(std::int64_t(count_));
    case TotalKind::Distinct: return Value(std::int64_t(distinct_.size()));
    case TotalKind::Average: return numbers_ > 0 ? Value(sum_ / double(numbers_)) : Value::null();
    case TotalKind::Minimum: return min_ ? Value(*min_) : Value::null();
    case TotalKind::Maximum: return max_ ? Value(*max_) : Value::null();
    }
    return Value::null();
}

TotalKind totalKindOf(const QString &function)
{
    if (function == u"sum")
        return TotalKind::Sum;
    if (function == u"count")
        return TotalKind::Count;
    if (function == u"avg")
        return TotalKind::Average;
    if (function == u"min")
        return TotalKind::Minimum;
    if (function == u"max")
        return TotalKind::Maximum;
    return TotalKind::Distinct;
}

} // namespace pwo::reports
