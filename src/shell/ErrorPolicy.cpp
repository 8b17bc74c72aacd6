#include "ErrorPolicy.h"

#include "Prompter.h"
#include "data/DatabaseError.h"

#include <QScopedValueRollback>

namespace pwo {

namespace {
// True while the box about a lost connection is up: the timers that fire
// behind it would only say the same again.
bool lostConnectionShowing = false;
} // namespace

void reportUnhandledFailure(const std::exception &failure)
{
    long number = -1;
    QString description = QString::fromUtf8(failure.what());
    if (const auto *database = dynamic_cast<const DatabaseError *>(&failure)) {
        number = database->number();
        description = database->description();
    }
    const bool lostConnection = number == GatewayError::ConnectionLost;
    if (lostConnection && lostConnectionShowing)
        return;
    const QScopedValueRollback showing(lostConnectionShowing, lostConnectionShowing || lostConnection);
    showMessage(QStringLiteral("Error %1\n\n%2").arg(number).arg(description), QMessageBox::Ok, QMessageBox::Critical);
}

} // namespace pwo
