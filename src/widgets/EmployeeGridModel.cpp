#include "EmployeeGridModel.h"

#include "data/Recordset.h"

#include <QGuiApplication>
#include <QPalette>
#include <QStringList>

namespace pwo {

namespace {
// The grid's format " | EmployeeID | Employee Name ", one header a column.
const QStringList headers{QString(), QStringLiteral("EmployeeID"), QStringLiteral("Employee Name")};
} // namespace

EmployeeGridModel::EmployeeGridModel(QObject *parent) : QAbstractTableModel(parent) {}

void EmployeeGridModel::replaceRows(const Recordset &result)
{
    beginResetModel();
    rows_.clear();
    for (long row = 0; row < result.RecordCount(); ++row)
        rows_.push_back({result.valueAt(row, 0).text(), result.valueAt(row, 1).text()});
    endResetModel();
}

QString EmployeeGridModel::code(int row) const
{
    return rows_.at(size_t(row)).code;
}

int EmployeeGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int EmployeeGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(headers.size());
}

QVariant EmployeeGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Row &row = rows_[size_t(index.row())];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case CodeColumn:
            return row.code;
        case NameColumn:
            return row.name;
        default:
            return {};
        }
    }
    // The fixed column looks like the header, as a row marker does.
    if (role == Qt::BackgroundRole && index.column() == FixedColumn)
        return QGuiApplication::palette().button();
    return {};
}

QVariant EmployeeGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headers.size())
        return headers[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags EmployeeGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace pwo
