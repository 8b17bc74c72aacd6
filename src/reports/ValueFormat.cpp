#include "ValueFormat.h"

#include "DefinitionError.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

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
    if (const qsizetype semicolon = p.indexOf(u';'); semicolon > 0) {
        format = parse(p.left(semicolon), line);
        static const QRegularExpression marked(QStringLiteral("^([^#0,.]*)([#0,.]+)([^#0,.]*)$"));
        const auto negative = marked.match(p.mid(semicolon + 1).trimmed());
        if (!format.isNumber() || !negative.hasMatch() || negative.captured(2) != p.left(semicolon).trimmed())
            throw LineError(line, QStringLiteral("\"%1\": after the \";\" comes the same number pattern between marks, "
                                                 "as in #,##0.00;(#,##0.00)")
                                      .arg(p));
        format.negativeForm_ = true;
        format.negativePrefix_ = negative.captured(1);
        format.negativeSuffix_ = negative.captured(3);
        return format;
    }
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
        // A negative that rounds to zero prints as zero, without a sign.
        const double shown = std::abs(*n) < 0.5 * std::pow(10.0, -decimals_) ? 0.0 : *n;
        const QString text = locale.toString(shown, 'f', decimals_);
        if (!negativeForm_ || !text.startsWith(u'-'))
            return text;
        return negativePrefix_ + text.mid(1) + negativeSuffix_;
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
