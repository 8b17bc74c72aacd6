#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace pwo {

class Recordset;

// The rows of the employee list: an empty fixed first column, then the
// employee code and the name. It keeps its own copy of a search's rows, so
// that the search's record set can be released and a later search that
// finds nobody can leave them standing.
class EmployeeGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FixedColumn = 0, CodeColumn = 1, NameColumn = 2 };

    explicit EmployeeGridModel(QObject *parent = nullptr);

    // Replaces the rows with those of the result: its first column is the
    // code, its second the name.
    void replaceRows(const Recordset &result);
    QString code(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Row {
        QString code;
        QString name;
    };
    std::vector<Row> rows_;
};

} // namespace pwo
