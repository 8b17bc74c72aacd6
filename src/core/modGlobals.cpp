#include "modGlobals.h"

#include "ProgramState.h"

#include <QDir>

namespace pwo {

Globals &globals()
{
    return programState().Globals;
}

QString reportFilePath(const QString &fileName)
{
    QString path = globals().ReportFolder + fileName;
    if (QDir::separator() != QLatin1Char('\\'))
        path.replace(QLatin1Char('\\'), QDir::separator());
    return path;
}

} // namespace pwo
