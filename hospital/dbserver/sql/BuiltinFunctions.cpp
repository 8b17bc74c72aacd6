#include "BuiltinFunctions.h"

#include "AsciiUpper.h"

#include <QStringList>

#include <string_view>
#include <unordered_map>

namespace hospital::dbserver {

namespace {

template <typename T>
std::optional<T> lookUp(const std::unordered_map<std::string_view, T> &table, QStringView name)
{
    const auto found = table.find(AsciiUpper(name).view());
    if (found == table.end())
        return std::nullopt;
    return found->second;
}

} // namespace

std::optional<BuiltinFunction> findBuiltinFunction(QStringView name)
{
    using R = FunctionRewrite;
    static const std::unordered_map<std::string_view, BuiltinFunction> functions{
        {"UPPER", {R::Unchanged, 1, 1}},     {"LOWER", {R::Unchanged, 1, 1}},
        {"LTRIM", {R::Unchanged, 1, 1}},     {"RTRIM", {R::Unchanged, 1, 1}},
        {"REPLACE", {R::Unchanged, 3, 3}},   {"ABS", {R::Unchanged, 1, 1}},
        {"ROUND", {R::Unchanged, 2, 2}},     {"COALESCE", {R::Unchanged, 2, -1}},
        {"NULLIF", {R::Unchanged, 2, 2}},    {"COUNT", {R::Aggregate, 1, 1}},
        {"SUM", {R::Aggregate, 1, 1}},       {"MIN", {R::Aggregate, 1, 1}},
        {"MAX", {R::Aggregate, 1, 1}},       {"AVG", {R::Aggregate, 1, 1}},
        {"ISNULL", {R::IfNull, 2, 2}},       {"LEFT", {R::Left, 2, 2}},
        {"RIGHT", {R::Right, 2, 2}},         {"SUBSTRING", {R::Substring, 3, 3}},
        {"LEN", {R::Length, 1, 1}},          {"CHARINDEX", {R::CharIndex, 2, 2}},
        {"GETDATE", {R::CurrentDate, 0, 0}}, {"YEAR", {R::DatePart, 1, 1, "year"}},
        {"MONTH", {R::DatePart, 1, 1, "month"}}, {"DAY", {R::DatePart, 1, 1, "day"}},
        {"DATEADD", {R::DateAdd, 3, 3}},     {"DATEDIFF", {R::DateDiff, 3, 3}},
    };
    return lookUp(functions, name);
}

QString rewriteCall(const BuiltinFunction &function, QStringView writtenName, const std::vector<QString> &arguments)
{
    const auto argument = [&](std::size_t i) { return arguments.at(i); };
    switch (function.rewrite) {
    case FunctionRewrite::Unchanged:
    case FunctionRewrite::Aggregate:
        return writtenName.toString() + u'(' + QStringList(arguments.begin(), arguments.end()).join(u", ") + u')';
    case FunctionRewrite::IfNull:
        return QStringLiteral("ifnull(%1, %2)").arg(argument(0), argument(1));
    case FunctionRewrite::Left:
        return QStringLiteral("substr(%1, 1, %2)").arg(argument(0), argument(1));
    case FunctionRewrite::Right:
        return QStringLiteral("tsql_right(%1, %2)").arg(argument(0), argument(1));
    case FunctionRewrite::Substring:
        return QStringLiteral("substr(%1, %2, %3)").arg(argument(0), argument(1), argument(2));
    case FunctionRewrite::Length:
        return QStringLiteral("length(rtrim(%1))").arg(argument(0));
    case FunctionRewrite::CharIndex:
        return QStringLiteral("instr(%1, %2)").arg(argument(1), argument(0));
    case FunctionRewrite::CurrentDate:
        return QStringLiteral("tsql_getdate()");
    case FunctionRewrite::DatePart:
        return QStringLiteral("tsql_datepart('%1', %2)").arg(QLatin1String(function.datePart), argument(0));
    case FunctionRewrite::DateAdd:
        return QStringLiteral("tsql_dateadd('%1', %2, %3)").arg(argument(0), argument(1), argument(2));
    case FunctionRewrite::DateDiff:
        return QStringLiteral("tsql_datediff('%1', %2, %3)").arg(argument(0), argument(1), argument(2));
    }
    return {};
}

const char *canonicalDatePart(QStringView written)
{
    static const std::unordered_map<std::string_view, const char *> parts{
        {"DAY", "day"},       {"DD", "day"},       {"D", "day"},       {"MONTH", "month"},
        {"MM", "month"},      {"M", "month"},      {"YEAR", "year"},   {"YY", "year"},
        {"YYYY", "year"},     {"HOUR", "hour"},    {"HH", "hour"},     {"MINUTE", "minute"},
        {"MI", "minute"},     {"N", "minute"},     {"WEEK", "week"},   {"WK", "week"},
        {"WW", "week"},
    };
    return lookUp(parts, written).value_or(nullptr);
}

std::optional<DataType> findDataType(QStringView name)
{
    using T = ConversionTarget;
    static const std::unordered_map<std::string_view, DataType> types{
        {"VARCHAR", {T::Text, true, false}},       {"NVARCHAR", {T::Text, true, false}},
        {"CHAR", {T::Text, true, false}},          {"NCHAR", {T::Text, true, false}},
        {"DATETIME", {T::DateTime, false, false}}, {"SMALLDATETIME", {T::DateTime, false, false}},
        {"DATE", {T::DateTime, false, false}},     {"INT", {T::Integer, false, false}},
        {"BIGINT", {T::Integer, false, false}},    {"SMALLINT", {T::Integer, false, false}},
        {"TINYINT", {T::Integer, false, false}},   {"BIT", {T::Integer, false, false}},
        {"MONEY", {T::Real, false, false}},        {"DECIMAL", {T::Real, false, true}},
        {"NUMERIC", {T::Real, false, true}},       {"FLOAT", {T::Real, false, true}},
        {"REAL", {T::Real, false, false}},
    };
    return lookUp(types, name);
}

QString rewriteConversion(ConversionTarget target, const QString &value, const QString &style, const QString &length)
{
    switch (target) {
    case ConversionTarget::Text:
        return QStringLiteral("tsql_to_text(%1, %2, %3)").arg(value, style, length);
    case ConversionTarget::DateTime:
        return QStringLiteral("tsql_to_datetime(%1)").arg(value);
    case ConversionTarget::Integer:
        return QStringLiteral("tsql_to_int(%1)").arg(value);
    case ConversionTarget::Real:
        return QStringLiteral("tsql_to_real(%1)").arg(value);
    }
    return {};
}

} // namespace hospital::dbserver
