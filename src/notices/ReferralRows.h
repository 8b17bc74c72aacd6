#pragma once

#include <QIcon>
#include <QString>

namespace pwo {

class Recordset;

// What the two referral lists share: the icon of a status ("open" while
// pending) and the texts of a column read from a referral row.
QIcon referralStatusIcon(const QString &status);
QString referralText(const Recordset &row, const char *column);
QString referralDate(const Recordset &row, const char *column);

} // namespace pwo
