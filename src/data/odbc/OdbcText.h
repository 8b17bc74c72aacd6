#pragma once

#include "OdbcApi.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace pwo::odbc {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the wide ODBC calls must carry UTF-16");

// A null-terminated copy for the wide calls, whose input buffers are not declared const.
inline std::vector<SQLWCHAR> toSqlWide(const QString &text)
{
    std::vector<SQLWCHAR> wide(static_cast<std::size_t>(text.size()) + 1, 0);
    std::copy(text.utf16(), text.utf16() + text.size(), wide.begin());
    return wide;
}

inline QString fromSqlWide(const SQLWCHAR *text, qsizetype length)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(text), length);
}

// Text a call wrote into buffer, of reportedLength units by its account. A driver
// manager bridging to a driver without wide calls reports the length of the
// narrow text, which overstates non-ASCII names and messages; the terminator is
// what counts.
inline QString fromSqlWideBuffer(const std::vector<SQLWCHAR> &buffer, qsizetype reportedLength)
{
    const auto end = buffer.begin() + std::clamp<qsizetype>(reportedLength, 0, qsizetype(buffer.size()));
    return fromSqlWide(buffer.data(), std::find(buffer.begin(), end, SQLWCHAR{0}) - buffer.begin());
}

} // namespace pwo::odbc
