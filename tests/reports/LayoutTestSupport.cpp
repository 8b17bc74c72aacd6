#include "LayoutTestSupport.h"

using namespace pwo::reports;

LaidOutReport layOut(const ReportDefinition &definition, const ReportRows &rows, const ParameterValues &values)
{
    return layOutReport(definition, {{&definition.report, &values, &rows}},
                        {QStringLiteral("GENERAL HOSPITAL"), QStringLiteral("ANA"), QDateTime(QDate(2026, 8, 1), QTime(9, 5))});
}

QStringList lineWith(const LaidOutReport &report, const QString &text)
{
    for (const LaidOutPage &page : report.pages)
        for (const PageItem &item : page.items)
            if (item.text == text) {
                QStringList line;
                for (const PageItem &other : page.items)
                    if (other.kind == PageItem::Kind::Text && qFuzzyCompare(other.rect.top(), item.rect.top()))
                        line << other.text;
                return line;
            }
    return {};
}
