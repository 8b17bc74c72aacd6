#include "hospital/components/user/PasswordCheck.h"

#include <QByteArray>

#include <stdexcept>

#include <sodium.h>

namespace hospital::components {

namespace {
void ensureSodium()
{
    static const int started = sodium_init();
    if (started < 0)
        throw std::runtime_error("libsodium could not be initialised; no password can be checked.");
}
} // namespace

bool passwordMatches(const QString &storedHash, const QString &password)
{
    ensureSodium();
    const QByteArray hash = storedHash.toLatin1();
    QByteArray typed = password.toUtf8();
    const bool matches = crypto_pwhash_str_verify(hash.constData(), typed.constData(),
                                                  static_cast<unsigned long long>(typed.size())) == 0;
    // The copy made here is the only one this function controls.
    sodium_memzero(typed.data(), static_cast<size_t>(typed.size()));
    return matches;
}

} // namespace hospital::components
