#include "NoticeList.h"

#include "core/Twips.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace pwo {

QTreeWidget *newNoticeList(QWidget *parent, const char *name)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setIconSize(QSize(16, 16));
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    return list;
}

void replaceColumns(QTreeWidget &list, std::initializer_list<NoticeListColumn> columns)
{
    list.clear();
    QStringList captions;
    for (const NoticeListColumn &column : columns)
        captions << QString::fromUtf8(column.caption);
    list.setColumnCount(int(captions.size()));
    list.setHeaderLabels(captions);
    QHeaderView &header = *list.header();
    int index = 0;
    for (const NoticeListColumn &column : columns) {
        list.setColumnHidden(index, column.twips == 0);
        header.resizeSection(index, column.twips ? twipsToPixelsX(*column.twips, &list) : header.defaultSectionSize());
        ++index;
    }
}

void addListRow(QTreeWidget &list, const QStringList &texts, const QIcon &icon)
{
    auto *row = new QTreeWidgetItem(texts);
    row->setIcon(0, icon);
    list.addTopLevelItem(row);
}

std::optional<QString> selectedText(const QTreeWidget &list, int column)
{
    const QList<QTreeWidgetItem *> selected = list.selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first()->text(column);
}

} // namespace pwo
