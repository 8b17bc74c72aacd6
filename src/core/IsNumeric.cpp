#include "IsNumeric.h"

namespace pwo {

bool isNumeric(const QString &text)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

} // namespace pwo
