#include "ErrorPolicy.h"

#include "Prompter.h"
#include "data/DatabaseError.h"

namespace pwo {

void reportUnhandledFailure(const std::exception &failure)
{
    long number = -1;
    QString description = QString::fromUtf8(failure.what());
    if (const auto *database = dynamic_cast<const DatabaseError *>(&failure)) {
        number = database->number();
        description = database->description();
    }
    showMessage(QStringLiteral("Error %1\n\n%2").arg(number).arg(description), QMessageBox::Ok, QMessageBox::Critical);
}

} // namespace pwo
