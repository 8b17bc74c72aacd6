#include "LaidOutReport.h"

#include <QMarginsF>

namespace pwo::reports {

QPageLayout LaidOutReport::pageLayout() const
{
    return QPageLayout(pageSize, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Point);
}

QStringList LaidOutReport::texts() const
{
    QStringList result;
    for (const LaidOutPage &page : pages)
        for (const PageItem &item : page.items)
            if (item.kind == PageItem::Kind::Text)
                result << item.text;
    return result;
}

} // namespace pwo::reports
