#include "ReferralRows.h"

#include "StatusIcons.h"

#include "core/GeneralDate.h"
#include "data/Recordset.h"

namespace pwo {

QIcon referralStatusIcon(const QString &status)
{
    return statusIcon(status == QLatin1String("P") ? QStringLiteral("open") : QStringLiteral("clear"));
}

QString referralText(const Recordset &row, const char *column)
{
    return row.value(QString::fromLatin1(column)).text();
}

QString referralDate(const Recordset &row, const char *column)
{
    const Value value = row.value(QString::fromLatin1(column));
    // A missing date may come as empty text as well as a null.
    if (value.isText() && value.toText().trimmed().isEmpty())
        return QString();
    return generalDateText(value);
}

} // namespace pwo
