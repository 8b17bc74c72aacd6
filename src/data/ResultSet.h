#pragma once

#include "Value.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace pwo {

// One result of a batch, fully fetched. Rows are kept as compact cells with
// all text in one UTF-8 pool, so that fetching a hundred thousand rows costs
// little more than reading them from the server; values are made on access.
class ResultSet {
public:
    QStringList columns;

    size_t rowCount() const { return columns.isEmpty() ? 0 : cells_.size() / size_t(columns.size()); }
    Value value(size_t row, int column) const;
    bool isNull(size_t row, int column) const { return cell(row, column).kind == Kind::Null; }

    // Filling, a row at a time and a column at a time, in column order.
    void reserveRows(size_t rows) { cells_.reserve(rows * size_t(columns.size())); }
    void appendNull() { cells_.push_back({Kind::Null, 0, {0}}); }
    void appendInteger(std::int64_t number);
    void appendReal(double number);
    void appendText(const char *utf8, size_t length);
    void appendValue(const Value &value);

    // For rows the client adds or changes (record sets with lock type 3).
    void appendEmptyRow();
    void setValue(size_t row, int column, const Value &value);
    void removeLastRow();

private:
    enum class Kind : std::uint8_t { Null, Integer, Real, Text, Boxed };
    struct Cell {
        Kind kind;
        std::uint32_t length;  // of the text, in bytes
        union {
            std::int64_t integer;
            double real;
            std::uint64_t offset;  // into the text pool, or into boxed_
        };
    };
    const Cell &cell(size_t row, int column) const { return cells_[row * size_t(columns.size()) + size_t(column)]; }

    std::vector<Cell> cells_;
    QByteArray text_;
    std::vector<Value> boxed_;  // values that are not plain text or numbers, and edits
};

} // namespace pwo
