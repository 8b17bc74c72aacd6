#include "ValueFormat.h"

#include "DefinitionError.h"

#include <QLocale>
#include <QRegularExpression>

namespace pwo::reports {

namespace {

const QRegularExpression numberPattern(QStringLiteral("^[#0,]*0(\\.0+)?$|^[#,]+$"));
const QRegularExpression dateLetters(QStringLiteral("[dMyhHmsA]"));

} // namespace

std::optional<double> numberOf(const Value &value)
{
    if (value.isNumber())
        return value.toNumber();
    if (value.isText()) {
        bool ok = false;
        const double n = value.text().trimmed().toDouble(&ok);
        if (ok)
            return n;
    }
    return std::nullopt;
}

ValueFormat ValueFormat::parse(const QString &pattern, int line)
{
    ValueFormat format;
    const QString p = pattern.trimmed();
    if (p.isEmpty())
        return format;
    if (numberPattern.match(p).hasMatch()) {
        format.kind_ = Kind::Number;
        format.thousands_ = p.contains(QLatin1Char(','));
        const qsizetype point = p.indexOf(QLatin1Char('.'));
        format.decimals_ = point < 0 ? 0 : int(p.size() - point - 1);
        return format;
    }
    if (p.contains(dateLetters) && !p.contains(QLatin1Char('#'))) {
        format.kind_ = Kind::Date;
        format.datePattern_ = p;
        return format;
    }
    throw LineError(line, QStringLiteral("\"%1\" is neither a number format (#,##0.00) nor a date format "
                                         "(MM/dd/yyyy)")
                              .arg(p));
}

QString ValueFormat::apply(const Value &value) const
{
    if (value.isNull())
        return {};
    switch (kind_) {
    case Kind::None:
        if (value.isDateTime())
            return value.toDateTime().toString(QStringLiteral("MM/dd/yyyy hh:mm"));
        return value.text();
    case Kind::Number: {
        const auto n = numberOf(value);
        if (!n)
            return value.text();
        QLocale locale(QLocale::English, QLocale::UnitedStates);
        if (!thousands_)
            locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(*n, 'f', decimals_);
    }
    case Kind::Date: {
        QDateTime moment;
        if (value.isDateTime()) {
            moment = value.toDateTime();
        } else {
            bool ok = false;
            moment = parseDateTimeText(value.text().trimmed(), &ok);
            if (!ok)
                return value.text();
        }
        return QLocale::c().toString(moment, datePattern_);
    }
    }
    return value.text();
}

} // namespace pwo::reports
