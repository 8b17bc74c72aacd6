#include "ReportDefinition.h"

#include <QPageLayout>
#include <QSizeF>

namespace pwo::reports {

bool ReportPart::hasTotals() const
{
    for (const Column &c : columns)
        if (c.total != TotalKind::None)
            return true;
    return false;
}

int ReportPart::parameterIndex(const QString &name) const
{
    for (size_t i = 0; i < parameters.size(); ++i)
        if (parameters[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const ReportPart *ReportDefinition::subreport(const QString &name) const
{
    for (const ReportPart &part : subreports)
        if (part.name.compare(name, Qt::CaseInsensitive) == 0)
            return &part;
    return nullptr;
}

double ReportDefinition::bodyWidthMm() const
{
    const QSizeF size = paper.size(QPageSize::Millimeter);
    return (landscape ? size.height() : size.width()) - 2 * marginMm;
}

} // namespace pwo::reports
