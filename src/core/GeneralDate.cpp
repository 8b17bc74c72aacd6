#include "GeneralDate.h"

#include <QLocale>

namespace pwo {

namespace {

// A two-digit year is ambiguous on a record that may span a century.
QString shortDateFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

} // namespace

QString generalDateText(const QDateTime &moment)
{
    const QLocale locale = QLocale::system();
    QString text = locale.toString(moment.date(), shortDateFormat(locale));
    if (moment.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(moment.time(), QLocale::ShortFormat);
    return text;
}

QString generalDateText(const Value &value)
{
    return value.isNull() ? QString() : generalDateText(value.toDateTime());
}

} // namespace pwo
