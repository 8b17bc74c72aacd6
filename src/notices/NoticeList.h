#pragma once

#include <QIcon>
#include <QStringList>

#include <initializer_list>
#include <optional>

class QTreeWidget;
class QWidget;

namespace pwo {

// One column of a notice list: its caption and width in twips; no width is
// the list's default, 0 hides the column.
struct NoticeListColumn {
    const char *caption;
    std::optional<int> twips;
};

// The list in report view with small icons that the notice windows share.
QTreeWidget *newNoticeList(QWidget *parent, const char *name);
// Replaces the list's columns and clears its rows.
void replaceColumns(QTreeWidget &list, std::initializer_list<NoticeListColumn> columns);
void addListRow(QTreeWidget &list, const QStringList &texts, const QIcon &icon);
// The text of a column of the selected row; nothing when no row is selected.
std::optional<QString> selectedText(const QTreeWidget &list, int column);

} // namespace pwo
