#include "Value.h"

#include "DatabaseError.h"

#include <QRegularExpression>

namespace pwo {

namespace {

[[noreturn]] void conversionFailed(const QString &what, const QString &text)
{
    throw DatabaseError(GatewayError::ConversionFailed,
                        QStringLiteral("Type mismatch: \"%1\" is not %2.").arg(text, what));
}

QString numberText(double number)
{
    return QString::number(number, 'g', 15);
}

} // namespace

QString dateTimeText(const QDateTime &moment)
{
    const QTime t = moment.time();
    return moment.toString(t.msec() ? QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz") : QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QDateTime parseDateTimeText(const QString &text, bool *ok)
{
    // yyyy-mm-dd[(T| )hh:mm[:ss[.fff]]], mm/dd/yyyy[ hh:mm[:ss[.fff]]], yyyymmdd
    static const QRegularExpression iso(QStringLiteral(
        "^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[T ](\\d{1,2}):(\\d{2})(?::(\\d{2})(?:\\.(\\d{1,7}))?)?)?$"));
    static const QRegularExpression us(QStringLiteral(
        "^(\\d{1,2})/(\\d{1,2})/(\\d{4})(?: +(\\d{1,2}):(\\d{2})(?::(\\d{2})(?:\\.(\\d{1,7}))?)?)?$"));
    static const QRegularExpression compact(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));

    int year = 0, month = 0, day = 0;
    QRegularExpressionMatch m;
    int timeGroup = 0;
    if ((m = iso.match(text)).hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(2).toInt();
        day = m.captured(3).toInt();
        timeGroup = 4;
    } else if ((m = us.match(text)).hasMatch()) {
        month = m.captured(1).toInt();
        day = m.captured(2).toInt();
        year = m.captured(3).toInt();
        timeGroup = 4;
    } else if ((m = compact.match(text)).hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(2).toInt();
        day = m.captured(3).toInt();
    } else {
        *ok = false;
        return {};
    }
    const QDate date(year, month, day);
    QTime time(0, 0);
    if (timeGroup && m.hasCaptured(timeGroup)) {
        const QString fraction = m.captured(timeGroup + 3);
        const int msec = fraction.isEmpty() ? 0 : (fraction + QStringLiteral("00")).left(3).toInt();
        time = QTime(m.captured(timeGroup).toInt(), m.captured(timeGroup + 1).toInt(),
                     m.captured(timeGroup + 2).toInt(), msec);
    }
    *ok = date.isValid() && time.isValid();
    return *ok ? QDateTime(date, time) : QDateTime();
}

QString Value::text() const
{
    return isNull() ? QString() : toText();
}

QString Value::toText() const
{
    if (isNull())
        throw DatabaseError(GatewayError::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    if (const auto *s = std::get_if<QString>(&data_))
        return *s;
    if (const auto *i = std::get_if<std::int64_t>(&data_))
        return QString::number(*i);
    if (const auto *d = std::get_if<double>(&data_))
        return numberText(*d);
    return dateTimeText(std::get<QDateTime>(data_));
}

double Value::toNumber() const
{
    if (const auto *i = std::get_if<std::int64_t>(&data_))
        return double(*i);
    if (const auto *d = std::get_if<double>(&data_))
        return *d;
    if (const auto *s = std::get_if<QString>(&data_)) {
        bool ok = false;
        const double d = s->trimmed().toDouble(&ok);
        if (!ok)
            conversionFailed(QStringLiteral("a number"), *s);
        return d;
    }
    if (isNull())
        throw DatabaseError(GatewayError::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    conversionFailed(QStringLiteral("a number"), toText());
}

std::int64_t Value::toInteger() const
{
    if (const auto *i = std::get_if<std::int64_t>(&data_))
        return *i;
    const double d = toNumber();
    return static_cast<std::int64_t>(d < 0 ? d - 0.5 : d + 0.5);
}

QDateTime Value::toDateTime() const
{
    if (const auto *m = std::get_if<QDateTime>(&data_))
        return *m;
    if (isNull())
        throw DatabaseError(GatewayError::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    const QString s = toText().trimmed();
    bool ok = false;
    const QDateTime moment = parseDateTimeText(s, &ok);
    if (!ok)
        conversionFailed(QStringLiteral("a date"), s);
    return moment;
}

} // namespace pwo
