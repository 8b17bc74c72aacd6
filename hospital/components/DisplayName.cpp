#include "hospital/components/DisplayName.h"

#include <QStringList>

namespace hospital::components {

QString displayName(const QString &firstName, const QString &lastName)
{
    QStringList parts;
    for (const QString &part : {firstName.trimmed(), lastName.trimmed()})
        if (!part.isEmpty())
            parts << part;
    return parts.join(QLatin1Char(' '));
}

} // namespace hospital::components
