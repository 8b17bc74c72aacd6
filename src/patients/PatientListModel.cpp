#include "PatientListModel.h"

#include "PatientListColumns.h"

#include "widgets/SortIcons.h"

#include <algorithm>
#include <numeric>

namespace pwo {

namespace {

char16_t folded(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
    return QChar(c).toCaseFolded().unicode();
}

} // namespace

// The order of QString::compare ignoring case, with a quick way through the
// ASCII that names and numbers are mostly made of.
int compareIgnoringCase(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x == y)
            continue;
        const char16_t fx = folded(x);
        const char16_t fy = folded(y);
        if (fx != fy)
            return fx < fy ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

PatientListModel::PatientListModel(QObject *parent)
    : QAbstractTableModel(parent),
      rows_(int(patientListColumns.size())),
      // blank pictures from the start, so that the first sort shifts no caption
      headerIcons_(patientListColumns.size(), sortIcon(QStringLiteral("Blank")))
{
}

QString PatientListModel::longestText(int column) const
{
    QStringView longest;
    for (int row = 0; row < rows_.rowCount(); ++row)
        if (const QStringView cell = rows_.cell(row, column); cell.size() > longest.size())
            longest = cell;
    return longest.toString();
}

void PatientListModel::setRows(TextRows rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    order_.resize(size_t(rows_.rowCount()));
    std::iota(order_.begin(), order_.end(), 0);
    applySort();
    endResetModel();
}

void PatientListModel::clear()
{
    setRows(TextRows(int(patientListColumns.size())));
}

QString PatientListModel::text(int row, int column) const
{
    return rows_.cell(order_[size_t(row)], column).toString();
}

void PatientListModel::applySort()
{
    if (sortColumn_ < 0)
        return;
    std::vector<QStringView> keys(size_t(rows_.rowCount()));
    for (int row = 0; row < rows_.rowCount(); ++row)
        keys[size_t(row)] = rows_.cell(row, sortColumn_);
    const bool descending = sortDirection_ == Qt::DescendingOrder;
    std::stable_sort(order_.begin(), order_.end(), [&keys, descending](int a, int b) {
        const int c = compareIgnoringCase(keys[size_t(a)], keys[size_t(b)]);
        return descending ? c > 0 : c < 0;
    });
}

void PatientListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> sourceRows;
    sourceRows.reserve(size_t(before.size()));
    for (const QModelIndex &index : before)
        sourceRows.push_back(order_[size_t(index.row())]);

    sortColumn_ = column;
    sortDirection_ = order;
    applySort();

    std::vector<int> shownRowOf(order_.size());
    for (size_t shown = 0; shown < order_.size(); ++shown)
        shownRowOf[size_t(order_[shown])] = int(shown);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(shownRowOf[size_t(sourceRows[size_t(i)])], before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void PatientListModel::setHeaderIcon(int column, const QIcon &icon)
{
    headerIcons_[size_t(column)] = icon;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int PatientListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(order_.size());
}

int PatientListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(patientListColumns.size());
}

QVariant PatientListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::SizeHintRole && rowHeight_ > 0)
        return QSize(0, rowHeight_);
    if (role != Qt::DisplayRole)
        return {};
    return text(index.row(), index.column());
}

QVariant PatientListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(patientListColumns[size_t(section)].header);
    if (role == Qt::DecorationRole)
        return headerIcons_[size_t(section)];
    return {};
}

} // namespace pwo
