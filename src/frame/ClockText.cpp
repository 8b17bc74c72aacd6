#include "ClockText.h"

#include <QLocale>

namespace pwo {

QString clockText(const QDateTime &moment)
{
    // Month names in English whatever the desk's locale, as the office prints them.
    return QLocale::c().toString(moment, QStringLiteral("(dd MMMM yyyy)  hh:mm "));
}

} // namespace pwo
