#pragma once

#include "Value.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace pwo {

// One result of a batch, fully fetched. Rows are kept as compact cells with
// their text in UTF-8 pools, so that fetching a hundred thousand rows costs
// little more than reading them from the server; values are made on access.
// Cells and text fill fixed-size blocks that never move: growing copies
// nothing, and a large result never needs twice its size for a moment.
class ResultSet {
public:
    QStringList columns;

    size_t rowCount() const { return columns.isEmpty() ? 0 : cellCount_ / size_t(columns.size()); }
    Value value(size_t row, int column) const;
    bool isNull(size_t row, int column) const { return cell(row, column).kind == Kind::Null; }

    // Filling, a row at a time and a column at a time, in column order.
    void appendNull() { push({Kind::Null, 0, {0}}); }
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
            std::uint64_t offset;  // into the text pools, or into boxed_
        };
    };
    static constexpr size_t cellsPerBlock = 4096;
    static constexpr qsizetype textBlockBytes = 256 * 1024;

    Cell &cellAt(size_t index) { return cells_[index / cellsPerBlock][index % cellsPerBlock]; }
    const Cell &cell(size_t row, int column) const
    {
        const size_t index = row * size_t(columns.size()) + size_t(column);
        return cells_[index / cellsPerBlock][index % cellsPerBlock];
    }
    void push(const Cell &cell);

    std::vector<std::vector<Cell>> cells_;
    size_t cellCount_ = 0;
    // A text never spans two pools: its offset is pool * textBlockBytes + position.
    std::vector<QByteArray> text_;
    std::vector<Value> boxed_;  // values that are not plain text or numbers, and edits
};

} // namespace pwo
