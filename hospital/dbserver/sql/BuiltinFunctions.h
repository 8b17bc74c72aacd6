#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace hospital::dbserver {

// How a server function becomes SQLite text.
enum class FunctionRewrite {
    Unchanged,  // SQLite has it with the same meaning
    Aggregate,  // unchanged, and takes DISTINCT (count also takes *)
    IfNull,
    Left,
    Right,
    Substring,
    Length,
    CharIndex,
    CurrentDate,
    DatePart,   // year(x), month(x), day(x)
    DateAdd,
    DateDiff,
};

struct BuiltinFunction {
    FunctionRewrite rewrite;
    int minArguments;
    int maxArguments;  // -1: no limit
    const char *datePart = nullptr;  // for DatePart
};

// The functions the translator knows; others are refused.
std::optional<BuiltinFunction> findBuiltinFunction(QStringView name);

// The call with its arguments already translated. For DateAdd and DateDiff the
// first argument is the canonical date part, unquoted.
QString rewriteCall(const BuiltinFunction &function, QStringView writtenName, const std::vector<QString> &arguments);

// day/dd/d -> "day" and so on; nullptr for a date part the translator does not know.
const char *canonicalDatePart(QStringView written);

enum class ConversionTarget { Text, DateTime, Integer, Real };

struct DataType {
    ConversionTarget target;
    bool takesLength;     // varchar(n), nvarchar(max)
    bool takesPrecision;  // decimal(p,s), float(n)
};

// CONVERT and CAST target types; nullopt for one the translator refuses.
std::optional<DataType> findDataType(QStringView name);

// length and style are SQL text ("NULL" when not given).
QString rewriteConversion(ConversionTarget target, const QString &value, const QString &style, const QString &length);

} // namespace hospital::dbserver
