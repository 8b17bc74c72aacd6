#include "EntryDelegate.h"

#include "CodeList.h"

namespace pwo {

void EntryDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QString code = codeOfEntry(option->text);
    if (!code.isEmpty() && option->text.endsWith(code))
        option->text = option->text.left(option->text.size() - code.size()).trimmed();
}

} // namespace pwo
