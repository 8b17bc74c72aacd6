#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace pwo {

// Rows of texts with a fixed number of columns, their characters kept in a
// few large blocks: a few bytes a cell instead of a string object each, so
// that a list of a couple of hundred thousand rows stays small. Blocks hold
// a fixed number of rows and are trimmed as they fill, so that no large
// block is ever copied to grow.
class TextRows {
public:
    explicit TextRows(int columns = 0) : columns_(columns) {}

    int columnCount() const { return columns_; }
    int rowCount() const { return columns_ == 0 ? 0 : int(ends_.size() / size_t(columns_)); }

    void reserveRows(int rows) { ends_.reserve(size_t(rows) * size_t(columns_)); }
    // Cells are appended in column order; a row is complete after columnCount() cells.
    void append(QStringView text);
    // Gives back what growing left over, once the rows are complete.
    void squeeze();

    QStringView cell(int row, int column) const;

private:
    static constexpr int rowsPerBlock = 1024;

    int columns_;
    std::vector<QString> blocks_;
    std::vector<std::uint32_t> ends_;  // where each cell's text ends in its row's block
};

} // namespace pwo
