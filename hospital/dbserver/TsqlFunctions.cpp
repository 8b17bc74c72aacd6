#include "TsqlFunctions.h"

#include "ServerErrorNumbers.h"
#include "SqliteErrors.h"
#include "data/Value.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <sqlite3.h>

#include <cmath>
#include <optional>

namespace hospital::dbserver {

namespace {

QString textOf(sqlite3_value *v)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

void resultText(sqlite3_context *context, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void resultError(sqlite3_context *context, long number, const QString &message)
{
    const QByteArray utf8 = numberedMessage(number, message).toUtf8();
    sqlite3_result_error(context, utf8.constData(), int(utf8.size()));
}

bool anyNull(int argc, sqlite3_value **argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    return false;
}

bool isTextual(sqlite3_value *v)
{
    const int type = sqlite3_value_type(v);
    return type == SQLITE_TEXT || type == SQLITE_BLOB;
}

// A number as the server reads one from text: blanks around it allowed.
std::optional<double> numberFromText(const QString &text)
{
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return d;
}

void conversionFailed(sqlite3_context *context, const QString &text, const char *type)
{
    resultError(context, ServerError::ConversionFailed,
                QStringLiteral("Conversion failed when converting the varchar value '%1' to data type %2.")
                    .arg(text, QLatin1String(type)));
}

std::optional<QDateTime> dateTimeOf(sqlite3_value *v)
{
    bool ok = false;
    const QDateTime moment = pwo::parseDateTimeText(textOf(v).trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return moment;
}

void dateConversionFailed(sqlite3_context *context)
{
    resultError(context, ServerError::DateConversionFailed, QStringLiteral("Conversion failed when converting date and/or time from character string."));
}

// T-SQL's +: text with text concatenates; anything else adds as numbers.
void tsqlAdd(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    if (isTextual(argv[0]) && isTextual(argv[1])) {
        resultText(context, textOf(argv[0]) + textOf(argv[1]));
        return;
    }
    bool integral = true;
    double operands[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        switch (sqlite3_value_type(argv[i])) {
        case SQLITE_INTEGER:
            operands[i] = double(sqlite3_value_int64(argv[i]));
            break;
        case SQLITE_FLOAT:
            operands[i] = sqlite3_value_double(argv[i]);
            integral = false;
            break;
        default: {
            const QString text = textOf(argv[i]);
            const auto number = numberFromText(text);
            if (!number) {
                conversionFailed(context, text, "int");
                return;
            }
            operands[i] = *number;
            integral = integral && std::floor(*number) == *number;
        }
        }
    }
    if (integral && sqlite3_value_type(argv[0]) != SQLITE_FLOAT && sqlite3_value_type(argv[1]) != SQLITE_FLOAT)
        sqlite3_result_int64(context, static_cast<sqlite3_int64>(operands[0] + operands[1]));
    else
        sqlite3_result_double(context, operands[0] + operands[1]);
}

void tsqlRight(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const QString text = textOf(argv[0]);
    const auto count = sqlite3_value_int64(argv[1]);
    if (count < 0) {
        resultError(context, ServerError::InvalidLength, QStringLiteral("Invalid length parameter passed to the right function."));
        return;
    }
    resultText(context, text.right(int(std::min<sqlite3_int64>(count, text.size()))));
}

void tsqlGetDate(sqlite3_context *context, int, sqlite3_value **)
{
    resultText(context, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")));
}

QString canonicalPart(sqlite3_value *v)
{
    return textOf(v).trimmed().toLower();
}

void tsqlDatePart(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const auto moment = dateTimeOf(argv[1]);
    if (!moment) {
        dateConversionFailed(context);
        return;
    }
    const QString part = canonicalPart(argv[0]);
    const QDate date = moment->date();
    const QTime time = moment->time();
    if (part == QLatin1String("year"))
        sqlite3_result_int(context, date.year());
    else if (part == QLatin1String("month"))
        sqlite3_result_int(context, date.month());
    else if (part == QLatin1String("day"))
        sqlite3_result_int(context, date.day());
    else if (part == QLatin1String("hour"))
        sqlite3_result_int(context, time.hour());
    else if (part == QLatin1String("minute"))
        sqlite3_result_int(context, time.minute());
    else
        resultError(context, ServerError::UnknownDatePart, QStringLiteral("'%1' is not a recognized datepart option.").arg(part));
}

void tsqlDateAdd(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const auto moment = dateTimeOf(argv[2]);
    if (!moment) {
        dateConversionFailed(context);
        return;
    }
    const QString part = canonicalPart(argv[0]);
    const auto n = sqlite3_value_int64(argv[1]);
    QDateTime result;
    if (part == QLatin1String("year"))
        result = moment->addYears(int(n));
    else if (part == QLatin1String("month"))
        result = moment->addMonths(int(n));
    else if (part == QLatin1String("week"))
        result = moment->addDays(7 * n);
    else if (part == QLatin1String("day"))
        result = moment->addDays(n);
    else if (part == QLatin1String("hour"))
        result = moment->addSecs(3600 * n);
    else if (part == QLatin1String("minute"))
        result = moment->addSecs(60 * n);
    else {
        resultError(context, ServerError::UnknownDatePart, QStringLiteral("'%1' is not a recognized dateadd option.").arg(part));
        return;
    }
    resultText(context, pwo::dateTimeText(result));
}

// Counts the boundaries crossed between the two moments, as the server does.
void tsqlDateDiff(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const auto from = dateTimeOf(argv[1]);
    const auto to = dateTimeOf(argv[2]);
    if (!from || !to) {
        dateConversionFailed(context);
        return;
    }
    const QString part = canonicalPart(argv[0]);
    const QDate a = from->date();
    const QDate b = to->date();
    const auto wholeMinutes = [](const QDateTime &m) {
        return m.date().toJulianDay() * 1440 + m.time().hour() * 60 + m.time().minute();
    };
    sqlite3_int64 result = 0;
    if (part == QLatin1String("year"))
        result = b.year() - a.year();
    else if (part == QLatin1String("month"))
        result = (b.year() - a.year()) * 12 + (b.month() - a.month());
    else if (part == QLatin1String("day"))
        result = a.daysTo(b);
    else if (part == QLatin1String("week"))
        result = (b.toJulianDay() + 1) / 7 - (a.toJulianDay() + 1) / 7;  // weeks start on Sunday
    else if (part == QLatin1String("hour"))
        result = wholeMinutes(*to) / 60 - wholeMinutes(*from) / 60;
    else if (part == QLatin1String("minute"))
        result = wholeMinutes(*to) - wholeMinutes(*from);
    else {
        resultError(context, ServerError::UnknownDatePart, QStringLiteral("'%1' is not a recognized datediff option.").arg(part));
        return;
    }
    sqlite3_result_int64(context, result);
}

QString dateInStyle(const QDateTime &m, int style, bool *known)
{
    *known = true;
    const QLocale c = QLocale::c();
    switch (style) {
    case 0:
    case 100:
        return c.toString(m, QStringLiteral("MMM dd yyyy h:mmAP")).replace(QStringLiteral(" 0"), QStringLiteral("  "));
    case 101: return m.toString(QStringLiteral("MM/dd/yyyy"));
    case 103: return m.toString(QStringLiteral("dd/MM/yyyy"));
    case 108: return m.toString(QStringLiteral("hh:mm:ss"));
    case 110: return m.toString(QStringLiteral("MM-dd-yyyy"));
    case 111: return m.toString(QStringLiteral("yyyy/MM/dd"));
    case 112: return m.toString(QStringLiteral("yyyyMMdd"));
    case 120: return m.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    case 121: return m.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    default: *known = false; return {};
    }
}

QString numberText(sqlite3_value *v)
{
    if (sqlite3_value_type(v) == SQLITE_INTEGER)
        return QString::number(sqlite3_value_int64(v));
    return QString::number(sqlite3_value_double(v), 'g', 15);
}

// tsql_to_text(x, style, length): CONVERT/CAST to a character type.
void tsqlToText(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const bool hasStyle = sqlite3_value_type(argv[1]) != SQLITE_NULL;
    const int length = sqlite3_value_type(argv[2]) == SQLITE_NULL ? 30 : sqlite3_value_int(argv[2]);
    QString text;
    if (isTextual(argv[0])) {
        text = textOf(argv[0]);
        // A style only matters for date values; dates are stored as text here.
        if (hasStyle) {
            if (const auto moment = dateTimeOf(argv[0])) {
                bool known = false;
                const QString styled = dateInStyle(*moment, sqlite3_value_int(argv[1]), &known);
                if (!known) {
                    resultError(context, ServerError::InvalidStyle,
                                QStringLiteral("%1 is not a valid style number when converting from datetime to a "
                                               "character string.")
                                    .arg(sqlite3_value_int(argv[1])));
                    return;
                }
                text = styled;
            }
        }
    } else {
        text = numberText(argv[0]);
    }
    resultText(context, text.left(length));
}

void tsqlToDateTime(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto moment = dateTimeOf(argv[0]);
    if (!moment) {
        dateConversionFailed(context);
        return;
    }
    resultText(context, pwo::dateTimeText(*moment));
}

void tsqlToInt(sqlite3_context *context, int, sqlite3_value **argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: sqlite3_result_null(context); return;
    case SQLITE_INTEGER: sqlite3_result_int64(context, sqlite3_value_int64(argv[0])); return;
    case SQLITE_FLOAT: sqlite3_result_int64(context, sqlite3_int64(std::trunc(sqlite3_value_double(argv[0])))); return;
    default: {
        const QString text = textOf(argv[0]);
        bool ok = false;
        const qlonglong n = text.trimmed().toLongLong(&ok);
        if (!ok) {
            conversionFailed(context, text, "int");
            return;
        }
        sqlite3_result_int64(context, n);
    }
    }
}

void tsqlToReal(sqlite3_context *context, int, sqlite3_value **argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: sqlite3_result_null(context); return;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: sqlite3_result_double(context, sqlite3_value_double(argv[0])); return;
    default: {
        const QString text = textOf(argv[0]);
        const auto number = numberFromText(text);
        if (!number) {
            resultError(context, ServerError::VarcharToNumeric, QStringLiteral("Error converting data type varchar to numeric."));
            return;
        }
        sqlite3_result_double(context, *number);
    }
    }
}

struct FunctionSpec {
    const char *name;
    int arguments;
    bool deterministic;
    void (*body)(sqlite3_context *, int, sqlite3_value **);
};

const FunctionSpec functions[] = {
    {"tsql_add", 2, true, tsqlAdd},
    {"tsql_right", 2, true, tsqlRight},
    {"tsql_getdate", 0, false, tsqlGetDate},
    {"tsql_datepart", 2, true, tsqlDatePart},
    {"tsql_dateadd", 3, true, tsqlDateAdd},
    {"tsql_datediff", 3, true, tsqlDateDiff},
    {"tsql_to_text", 3, true, tsqlToText},
    {"tsql_to_datetime", 1, true, tsqlToDateTime},
    {"tsql_to_int", 1, true, tsqlToInt},
    {"tsql_to_real", 1, true, tsqlToReal},
};

} // namespace

void installTsqlFunctions(sqlite3 *db)
{
    for (const FunctionSpec &f : functions) {
        const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        if (sqlite3_create_function(db, f.name, f.arguments, flags, nullptr, f.body, nullptr, nullptr) != SQLITE_OK)
            throw serverError(db, QString::fromUtf8(sqlite3_errmsg(db)));
    }
}

} // namespace hospital::dbserver
