#pragma once

#include <QDate>
#include <QString>

namespace pwo {

// The form of the window's date boxes: month/day/year.
inline const QString entryDateForm = QStringLiteral("MM/dd/yyyy");

// An expiry date more than two years ahead is most likely a typing slip:
// asks whether it is valid. True when it is near enough or the user says so.
bool farExpiryAccepted(const QDate &expiry);

} // namespace pwo
