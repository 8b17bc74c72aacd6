#pragma once

#include "ReportDefinition.h"

#include "data/Value.h"

#include <QString>

#include <optional>
#include <vector>

namespace pwo::reports {

// The values a part's parameter fields hold, by field index; a field without
// a value is empty.
using ParameterValues = std::vector<std::optional<Value>>;

// The statement a part's query sends: each @name of a parameter replaced by
// its value as a literal: text through sql::quoted, dates as
// CONVERT(DATETIME, 'mm/dd/yyyy') of sql::dateText, numbers through
// sql::numberText; a field without a value is '' for text and NULL
// otherwise. Text inside quotes, brackets and comments is left alone;
// @@names belong to the server. Throws LineError naming the query line of an
// unknown parameter or of a value that is not of its type.
QString bindQuery(const ReportPart &part, const ParameterValues &values);

// The value of a parameter as its type reads it: a date parameter gives a
// date-time, a number parameter a number, text its text; null when empty.
Value typedValue(const ParameterField &field, const std::optional<Value> &value);

} // namespace pwo::reports
