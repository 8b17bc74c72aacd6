#include "ResultSet.h"

namespace pwo {

Value ResultSet::value(size_t row, int column) const
{
    const Cell &c = cell(row, column);
    switch (c.kind) {
    case Kind::Null: return {};
    case Kind::Integer: return Value(c.integer);
    case Kind::Real: return Value(c.real);
    case Kind::Text: return Value(QString::fromUtf8(text_.constData() + c.offset, qsizetype(c.length)));
    case Kind::Boxed: return boxed_[c.offset];
    }
    return {};
}

void ResultSet::appendInteger(std::int64_t number)
{
    Cell c{Kind::Integer, 0, {0}};
    c.integer = number;
    cells_.push_back(c);
}

void ResultSet::appendReal(double number)
{
    Cell c{Kind::Real, 0, {0}};
    c.real = number;
    cells_.push_back(c);
}

void ResultSet::appendText(const char *utf8, size_t length)
{
    if (length > UINT32_MAX) {  // beyond any column; keep it whole all the same
        appendValue(Value(QString::fromUtf8(utf8, qsizetype(length))));
        return;
    }
    Cell c{Kind::Text, std::uint32_t(length), {0}};
    c.offset = std::uint64_t(text_.size());
    text_.append(utf8, qsizetype(length));
    cells_.push_back(c);
}

void ResultSet::appendValue(const Value &value)
{
    if (value.isNull())
        appendNull();
    else if (value.isInteger())
        appendInteger(value.toInteger());
    else if (value.isReal())
        appendReal(value.toNumber());
    else {
        Cell c{Kind::Boxed, 0, {0}};
        c.offset = boxed_.size();
        boxed_.push_back(value);
        cells_.push_back(c);
    }
}

void ResultSet::appendEmptyRow()
{
    for (int c = 0; c < columns.size(); ++c)
        appendNull();
}

void ResultSet::setValue(size_t row, int column, const Value &value)
{
    Cell &c = cells_[row * size_t(columns.size()) + size_t(column)];
    c.kind = Kind::Boxed;
    c.length = 0;
    c.offset = boxed_.size();
    boxed_.push_back(value);
}

void ResultSet::removeLastRow()
{
    cells_.resize(cells_.size() - size_t(columns.size()));
}

} // namespace pwo
