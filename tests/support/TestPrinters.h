#pragma once

#include "data/Value.h"

#include <QString>

#include <ostream>

// Readable failure messages for Qt text and gateway values.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace pwo {
inline void PrintTo(const Value &value, std::ostream *out)
{
    *out << (value.isNull() ? std::string("null") : value.text().toStdString());
}
} // namespace pwo
