#include "ResultSet.h"

namespace pwo {

Value ResultSet::value(size_t row, int column) const
{
    const Cell &c = cell(row, column);
    switch (c.kind) {
    case Kind::Null: return {};
    case Kind::Integer: return Value(c.integer);
    case Kind::Real: return Value(c.real);
    case Kind::Text: {
        const QByteArray &pool = text_[size_t(c.offset / textBlockBytes)];
        return Value(QString::fromUtf8(pool.constData() + c.offset % textBlockBytes, qsizetype(c.length)));
    }
    case Kind::Boxed: return boxed_[c.offset];
    }
    return {};
}

void ResultSet::push(const Cell &cell)
{
    if (cellCount_ == cells_.size() * cellsPerBlock)
        cells_.emplace_back(cellsPerBlock);
    cellAt(cellCount_++) = cell;
}

void ResultSet::appendInteger(std::int64_t number)
{
    Cell c{Kind::Integer, 0, {0}};
    c.integer = number;
    push(c);
}

void ResultSet::appendReal(double number)
{
    Cell c{Kind::Real, 0, {0}};
    c.real = number;
    push(c);
}

void ResultSet::appendText(const char *utf8, size_t length)
{
    if (length > size_t(textBlockBytes)) {  // longer than a pool: kept on its own
        appendValue(Value(QString::fromUtf8(utf8, qsizetype(length))));
        return;
    }
    if (text_.empty() || text_.back().size() + qsizetype(length) > textBlockBytes) {
        text_.emplace_back();
        text_.back().reserve(textBlockBytes);
    }
    QByteArray &pool = text_.back();
    Cell c{Kind::Text, std::uint32_t(length), {0}};
    c.offset = std::uint64_t(text_.size() - 1) * std::uint64_t(textBlockBytes) + std::uint64_t(pool.size());
    pool.append(utf8, qsizetype(length));
    push(c);
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
        push(c);
    }
}

void ResultSet::appendEmptyRow()
{
    for (int c = 0; c < columns.size(); ++c)
        appendNull();
}

void ResultSet::setValue(size_t row, int column, const Value &value)
{
    Cell &c = cellAt(row * size_t(columns.size()) + size_t(column));
    c.kind = Kind::Boxed;
    c.length = 0;
    c.offset = boxed_.size();
    boxed_.push_back(value);
}

void ResultSet::removeLastRow()
{
    cellCount_ -= size_t(columns.size());
}

} // namespace pwo
