#pragma once

#include <QString>

namespace hospital::components {

// True when `password` is the one `storedHash` (a libsodium crypto_pwhash_str
// string) was made from; false also for a hash that is not such a string.
// Throws std::runtime_error when libsodium cannot start.
bool passwordMatches(const QString &storedHash, const QString &password);

} // namespace hospital::components
