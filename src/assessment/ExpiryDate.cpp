#include "ExpiryDate.h"

#include "core/Prompter.h"

namespace pwo {

bool farExpiryAccepted(const QDate &expiry)
{
    if (expiry.year() <= QDate::currentDate().year() + 2)
        return true;
    return showMessage(QStringLiteral("The date you have entered is 2 years ahead of the current date or previous "
                                      "date.\nIs that valid?"),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) == QMessageBox::Yes;
}

} // namespace pwo
