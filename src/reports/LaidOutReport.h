#pragma once

#include "ReportDefinition.h"

#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <vector>

namespace pwo::reports {

// A report laid out into pages; coordinates in points from the page's top left.
struct PageItem {
    enum class Kind { Text, Rule, Image };
    Kind kind = Kind::Text;
    QRectF rect;
    QString text;
    TextStyle style;
    Qt::Alignment alignment = Qt::AlignLeft;
    QImage image;  // Image: drawn into rect
};

struct LaidOutPage {
    std::vector<PageItem> items;
};

struct LaidOutReport {
    QPageSize pageSize{QPageSize::Letter};
    bool landscape = false;
    QSizeF sizePoints;
    std::vector<LaidOutPage> pages;

    QPageLayout pageLayout() const;
    // Every text of the pages, in order, one item a line (tests and searches).
    QStringList texts() const;
};

} // namespace pwo::reports
