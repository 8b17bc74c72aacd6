#include "TextRows.h"

#include <limits>
#include <stdexcept>

namespace pwo {

void TextRows::append(QStringView text)
{
    const size_t cellsPerBlock = size_t(rowsPerBlock) * size_t(columns_);
    if (ends_.size() % cellsPerBlock == 0) {
        if (!blocks_.empty())
            blocks_.back().squeeze();
        blocks_.emplace_back();
    }
    QString &block = blocks_.back();
    if (block.size() + text.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("a block of the list holds more text than it can address");
    block.append(text);
    ends_.push_back(std::uint32_t(block.size()));
}

void TextRows::squeeze()
{
    if (!blocks_.empty())
        blocks_.back().squeeze();
    ends_.shrink_to_fit();
}

QStringView TextRows::cell(int row, int column) const
{
    const size_t index = size_t(row) * size_t(columns_) + size_t(column);
    const bool firstOfBlock = row % rowsPerBlock == 0 && column == 0;
    const std::uint32_t begin = firstOfBlock ? 0 : ends_[index - 1];
    return QStringView(blocks_[size_t(row / rowsPerBlock)]).sliced(begin, ends_[index] - begin);
}

} // namespace pwo
