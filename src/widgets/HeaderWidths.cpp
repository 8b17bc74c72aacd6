#include "HeaderWidths.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QStyle>

#include <algorithm>

namespace pwo {

namespace {

constexpr int sortPicture = 12;

int margins(const QHeaderView &header)
{
    return 4 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
}

int wholeCaptionWidth(const QHeaderView &header, int section)
{
    if (!header.model())
        return 0;
    const QString caption = header.model()->headerData(section, header.orientation()).toString();
    if (caption.isEmpty())
        return 0;
    const bool picture = !header.model()->headerData(section, header.orientation(), Qt::DecorationRole).isNull();
    return header.fontMetrics().horizontalAdvance(caption) + (picture ? sortPicture : 0) + margins(header);
}

} // namespace

int wholeTextWidth(const QHeaderView &header, const QString &text)
{
    const QWidget *view = header.parentWidget() ? header.parentWidget() : &header;
    return view->fontMetrics().horizontalAdvance(text) + margins(header);
}

void resizeSectionKeepingCaption(QHeaderView &header, int section, int pixels)
{
    header.resizeSection(section, std::max(pixels, wholeCaptionWidth(header, section)));
}

} // namespace pwo
