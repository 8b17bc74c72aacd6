#pragma once

#include "TextRows.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <vector>

namespace pwo {

// Text order ignoring case.
int compareIgnoringCase(QStringView a, QStringView b);

// The patient list's rows for the view: the fetched texts, shown in the order
// of the last sort. A new set of rows is shown in that same order.
class PatientListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PatientListModel(QObject *parent = nullptr);

    void setRows(TextRows rows);
    void clear();
    // The text of a cell, by shown row.
    QString text(int row, int column) const;

    // Text order of the shown values, ignoring case; rows that compare equal
    // keep their order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    void setHeaderIcon(int column, const QIcon &icon);
    // The height every row is given (the view's font decides it).
    void setRowHeight(int pixels) { rowHeight_ = pixels; }
    // The longest text of a column, by characters, among all rows.
    QString longestText(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void applySort();

    TextRows rows_;
    std::vector<int> order_;  // shown row -> row in rows_
    int sortColumn_ = -1;
    Qt::SortOrder sortDirection_ = Qt::AscendingOrder;
    std::vector<QIcon> headerIcons_;
    int rowHeight_ = 0;
};

} // namespace pwo
