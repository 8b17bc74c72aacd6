#pragma once

#include "Value.h"

#include <QDate>
#include <QString>
#include <QStringList>

// Pieces of statement text. Every value that goes between quotes in a
// statement passes through quoted(), which doubles embedded quotes: the
// server receives exactly the value typed, and nothing else runs.
namespace pwo::sql {

// 'value' with embedded single quotes doubled: O'Brien -> 'O''Brien'.
QString quoted(const QString &value);
// 'a','b','c'
QString quotedList(const QStringList &values);

// Dates as statements carry them: mm/dd/yyyy (08/15/2018).
QString dateText(const QDate &date);
// Numbers in their shortest plain decimal text: 5000, 1234.5, 0.1; at most
// 15 significant digits, no exponent, no thousands separators.
QString numberText(double number);
// A value as a literal of a statement the gateway writes itself.
QString literal(const Value &value);

} // namespace pwo::sql
