#pragma once

#include <QDate>

namespace pwo {

// An expiry date more than two years ahead is most likely a typing slip:
// asks whether it is valid. True when it is near enough or the user says so.
bool farExpiryAccepted(const QDate &expiry);

} // namespace pwo
