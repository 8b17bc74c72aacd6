#include "FamilyRows.h"

#include <QLocale>

#include <cmath>

namespace pwo {

std::optional<double> amountOf(const QString &text)
{
    bool ok = false;
    const double amount = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(amount))
        return std::nullopt;
    return amount;
}

bool isEmptyMemberRow(const QStringList &row)
{
    for (int column = 0; column < familyTypedColumns; ++column) {
        if (!row.value(column).isEmpty())
            return false;
    }
    return true;
}

std::optional<QString> familyRowsProblem(const QList<QStringList> &rows)
{
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList &row = rows[r];
        if (isEmptyMemberRow(row))
            continue;
        const int memberRow = int(r) + 1;
        for (int column = 0; column < familyTypedColumns; ++column) {
            if (row.value(column).isEmpty())
                return QStringLiteral("Family member row %1 is incomplete: fill in every column or empty the row.")
                    .arg(memberRow);
        }
        if (!amountOf(row.value(familyIncomeColumn)))
            return QStringLiteral("The income of family member row %1 is not a number.").arg(memberRow);
    }
    return std::nullopt;
}

} // namespace pwo
