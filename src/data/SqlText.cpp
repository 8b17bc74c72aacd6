#include "SqlText.h"

#include "DatabaseError.h"

#include <cmath>

namespace pwo::sql {

QString quoted(const QString &value)
{
    QString result;
    result.reserve(value.size() + 2);
    result += QLatin1Char('\'');
    for (const QChar c : value) {
        result += c;
        if (c == QLatin1Char('\''))
            result += c;
    }
    result += QLatin1Char('\'');
    return result;
}

QString quotedList(const QStringList &values)
{
    QStringList parts;
    parts.reserve(values.size());
    for (const QString &v : values)
        parts << quoted(v);
    return parts.join(QLatin1Char(','));
}

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

QString numberText(double number)
{
    if (!std::isfinite(number))
        throw DatabaseError(GatewayError::ConversionFailed, QStringLiteral("A number that is not finite cannot be sent."));
    if (number == 0)
        return QStringLiteral("0");
    const int integerDigits = int(std::floor(std::log10(std::fabs(number)))) + 1;
    const int decimals = std::max(0, 15 - integerDigits);
    QString text = QString::number(number, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        return QStringLiteral("0");
    return text;
}

QString literal(const Value &value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    if (value.isInteger())
        return QString::number(value.toInteger());
    if (value.isReal())
        return numberText(value.toNumber());
    if (value.isDateTime())
        return quoted(value.toDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz")));
    return quoted(value.toText());
}

} // namespace pwo::sql
