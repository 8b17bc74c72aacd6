#pragma once

#include <QStyledItemDelegate>

namespace pwo {

// Shows a list entry ("description, a run of blanks, code") as its
// description only: the code stays in the entry's text, where the window
// reads it back, but out of sight however wide the list grows.
class EntryDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace pwo
